#pragma once

#include "word/model/CellShading.h"
#include "word/model/Paragraph.h"

#include <vector>

namespace word::model {

// A table cell: at least one paragraph; it covers `gridSpan` columns of the
// table's grid (a horizontal merge), `widthTwips` wide (the sum of those grid
// columns for a fixed-width table).
struct Cell {
    std::vector<Paragraph> paragraphs{Paragraph{}};
    int gridSpan = 1;
    int widthTwips = 0;
    CellShading shading;

    QString text() const;  // paragraphs' texts joined with "\r", as Word's Range.Text
    bool isEmpty() const;  // one empty paragraph

    bool operator==(const Cell&) const = default;
};

}  // namespace word::model
