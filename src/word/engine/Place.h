#pragma once

namespace word::editing {

// Where an insertion point stands in a document: a paragraph of the body, or
// a paragraph of a table cell, and the number of characters (UTF-16 units)
// before it in that paragraph.
struct Place {
    int block = 0;      // index in the body
    int row = -1;       // table row, -1 outside tables
    int cell = -1;      // cell of that row
    int paragraph = 0;  // paragraph of the cell (0 in the body)
    int offset = 0;

    bool inTable() const { return row >= 0; }
    bool operator==(const Place&) const = default;
};

}  // namespace word::editing
