#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>

#include <optional>
#include <vector>

struct icalcomponent_impl;
typedef struct icalcomponent_impl icalcomponent;

// The text of a calendar file on its way into libical.
namespace calendar {

// What tells the versions of one event apart, as the file writes its values
// (folded lines joined, escapes kept); empty where the event has none.
struct EventIdentity {
    QByteArray uid;
    QByteArray sequence;  // SEQUENCE
    QByteArray stamped;   // DTSTAMP
    QByteArray modified;  // LAST-MODIFIED
};

// The local days, first to last, that every question about a calendar will
// be about: see siftedText.
struct Days {
    QDate first;
    QDate last;
};

struct SiftedText {
    QByteArray text;                    // for libical
    std::vector<EventIdentity> events;  // one for each VEVENT of `text`, in its order
    int eventsLeftUnread = 0;           // passed over as outside the days asked about
};

// Looks at the text before libical does: the first and last lines, how many
// components and lines there are and how deep they nest, how many parameters
// the lines read have, so that a crafted file is refused (errors::UserError) before
// libical builds a tree of it. Returns the text libical is to read: the
// calendars with their events and time zones, less what the import does not
// read (other components, the calendars' own properties, most of the events'
// properties, each with its folded continuation lines), ending in a line
// break; and the identity of each of its events, which is read here rather
// than by libical. Time and memory linear in the size of `text`.
//
// With `only`, the events that cannot start on those days are left out as
// well, with every version and override of theirs (one UID), as their values
// show at a glance: those that start after the last day, and those that end
// their repetition (a single UNTIL), or never repeat, before the first. Two
// days more on either side cover any difference of time zones. Whatever
// cannot be told at a glance (no date to read, COUNT, RDATE, several rules)
// is kept for libical. libical's parse is most of an import's time, and a
// calendar of years is mostly events of other weeks.
SiftedText siftedText(QByteArrayView text, const std::optional<Days>& only = std::nullopt);

// libical's tree of `text` (as siftedText gives it), or null when libical
// reads no component at all. The caller owns the tree (icalcomponent_free).
// Time linear in the size of `text`, however long its lines are.
icalcomponent* parsedTree(const QByteArray& text);

}  // namespace calendar
