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

    // Inserts a table of NumRows x NumColumns at Range (an insertion point),
    // columns of equal width across the text area; the selection goes to its
    // first cell, and a paragraph always follows it.
    Table Add(const word::Range& Range, int NumRows, int NumColumns,
              int DefaultTableBehavior = wdWord9TableBehavior, int AutoFitBehavior = wdAutoFitFixed);

private:
    using Handle::Handle;
    friend struct ObjectRef;
};

}  // namespace word
