#pragma once

#include <QByteArray>
#include <QByteArrayView>

struct icalcomponent_impl;
typedef struct icalcomponent_impl icalcomponent;

// The text of a calendar file on its way into libical.
namespace calendar {

// Looks at the text before libical does: the first and last lines, and how
// many components and lines there are and how deep they nest, so that a
// crafted file is refused (ImportError) before libical builds a tree of it.
// Returns the text libical is to read: the same, less the event properties
// the import does not read (with their folded continuation lines), ending in
// a line break. Time and memory linear in the size of `text`.
QByteArray siftedText(QByteArrayView text);

// libical's tree of `text` (as siftedText gives it), or null when libical
// reads no component at all. The caller owns the tree (icalcomponent_free).
// Time linear in the size of `text`, however long its lines are.
icalcomponent* parsedTree(const QByteArray& text);

}  // namespace calendar
