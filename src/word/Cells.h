#pragma once

#include "word/Handle.h"

namespace word {

class Shading;

// The table cells of a selection (Selection.Cells) or of a column (Column.Cells).
class Cells : public Handle {
public:
    Cells() = default;

    // Merges the selected cells of one row into one (widths added, non-empty
    // texts joined by paragraph marks); the merged cell stays selected.
    void Merge();
    word::Shading Shading() const;

private:
    using Handle::Handle;
    friend struct ObjectRef;
};

}  // namespace word
