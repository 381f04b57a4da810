#pragma once

#include <QByteArray>
#include <QByteArrayView>

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

struct SiftedText {
    QByteArray text;                    // for libical
    std::vector<EventIdentity> events;  // one for each VEVENT of `text`, in its order
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
SiftedText siftedText(QByteArrayView text);

// libical's tree of `text` (as siftedText gives it), or null when libical
// reads no component at all. The caller owns the tree (icalcomponent_free).
// Time linear in the size of `text`, however long its lines are.
icalcomponent* parsedTree(const QByteArray& text);

}  // namespace calendar
