#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace remote {

class HttpSession;

// A calendar collection on a CalDAV server.
struct CalDavCalendar {
    QUrl url;
    QString displayName;  // the last part of the path when the server gives none
};

// The CalDAV conversation with one server, through `session` (which signs in).
//
// Discovery (RFC 4791, RFC 6764): an address is asked for what it is
// (PROPFIND, depth 0). A calendar collection is taken as it is. Anything
// else leads through the current user principal to the calendar home set,
// whose calendars holding events (VEVENT among their supported components)
// are listed. A server root that is no DAV resource itself is tried through
// /.well-known/caldav first.
//
// Throws errors::UserError when the server is no CalDAV server, its answers are
// not the XML CalDAV prescribes, or it holds no calendar with events.
class CalDavClient {
public:
    explicit CalDavClient(HttpSession& session) : m_session(session) {}

    // Nothing: `address` answers as no WebDAV resource (a plain file or page),
    // so the caller reads it as a calendar file.
    std::optional<QList<CalDavCalendar>> calendarsAt(const QUrl& address);

    // The events of `calendar` that touch [from, to), as one iCalendar text
    // (the server's answers merged, each time zone once). The server filters;
    // recurrences are left for the caller to expand.
    QByteArray eventsBetween(const CalDavCalendar& calendar, const QDateTime& from, const QDateTime& to);

private:
    HttpSession& m_session;
};

}  // namespace remote
