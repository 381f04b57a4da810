#pragma once

#include <QByteArray>
#include <QByteArrayView>

struct icalcomponent_impl;
typedef struct icalcomponent_impl icalcomponent;

// The text of a calendar file on its way into libical.
namespace calendar {

// Looks at the text before libical does: the first and last lines, how many
// components and lines there are and how deep they nest, how many parameters
// the lines read have, so that a crafted file is refused (ImportError) before
// libical builds a tree of it. Returns the text libical is to read: the
// calendars with their events and time zones, less what the import does not
// read (other components, the calendars' own properties, most of the events'
// properties, each with its folded continuation lines), ending in a line
// break. Time and memory linear in the size of `text`.
QByteArray siftedText(QByteArrayView text);

// libical's tree of `text` (as siftedText gives it), or null when libical
// reads no component at all. The caller owns the tree (icalcomponent_free).
// Time linear in the size of `text`, however long its lines are.
icalcomponent* parsedTree(const QByteArray& text);

}  // namespace calendar
