#pragma once

#include "word/Handle.h"

namespace word {

class Range;
class Table;

inline constexpr int wdWord9TableBehavior = 1;
inline constexpr int wdAutoFitFixed = 0;

// Document.Tables.
class Tables : public Handle {
public:
    Tables() = default;

    // Inserts a table of NumRows (1..32767) x NumColumns (1..63) at Range:
    // at an insertion point the paragraph there is split and the table stands
    // between its parts; a whole document's range is replaced by the table.
    // Columns share the text area equally, the style is "Table Grid", cells
    // take the formatting of the paragraph the table is put at, the selection
    // goes to the first cell, and a paragraph always follows the table.
    // DefaultTableBehavior 0 or 1 and AutoFitBehavior 0 (fixed widths) are
    // the behaviours offered; a table inside a table is refused.
    Table Add(const word::Range& Range, int NumRows, int NumColumns,
              int DefaultTableBehavior = wdWord9TableBehavior, int AutoFitBehavior = wdAutoFitFixed);

private:
    using Handle::Handle;
    friend struct ObjectRef;
};

}  // namespace word
