#pragma once

#include "calendar/ImportLimits.h"

namespace remote {

// Largest answer read from a server: the same as for a calendar file.
inline constexpr qint64 MaxAnswerBytes = calendar::MaxFileBytes;
// Redirects followed for one request; more is a loop or a misconfigured server.
inline constexpr int MaxRedirects = 5;
// Largest XML answer to a CalDAV discovery step (PROPFIND): a home with a few
// hundred calendars stays far below it.
inline constexpr qint64 MaxDiscoveryBytes = 4 * 1024 * 1024;

// How long a server may keep us waiting, in milliseconds. Connect: from the
// request to the server having taken it (name lookup, connection, TLS).
// Stall: from the request having gone out to the answer's first piece, and
// between two pieces of it. Total: for one request's whole answer, however
// steadily it trickles in. Tests shorten them.
struct Timeouts {
    int connectMs = 20'000;
    int stallMs = 30'000;
    int totalMs = 120'000;
};

}  // namespace remote
