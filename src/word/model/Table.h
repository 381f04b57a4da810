#pragma once

#include "word/model/Row.h"

#include <QString>

#include <vector>

namespace word::model {

// The style look flags of a table (Table.ApplyStyle..., w:tblLook): which
// conditional formats of its style apply. A new table shows heading rows and
// the first column, with banded rows (noHBand off, noVBand on).
struct TableLook {
    bool headingRows = true;   // firstRow
    bool lastRow = false;
    bool firstColumn = true;
    bool lastColumn = false;
    bool noHorizontalBands = false;
    bool noVerticalBands = true;

    bool operator==(const TableLook&) const = default;
};

// A table with a fixed grid: column widths in twips, rows of cells. Cell
// margins are the left and right inner margins of every cell (top and bottom
// are 0). The style is named by its display name: "Table Grid" (single black
// lines all round and between the cells, no paragraph spacing) or
// "Normal Table" (no lines).
struct Table {
    static constexpr int DefaultCellMarginTwips = 30;  // 1.5 pt: room for the hours in a 20 pt column

    std::vector<int> gridTwips;
    std::vector<Row> rows;
    QString styleName = QStringLiteral("Table Grid");
    TableLook look;
    int cellMarginTwips = DefaultCellMarginTwips;
    bool fixedLayout = true;

    int columnCount() const { return int(gridTwips.size()); }
    int widthTwips() const;  // the sum of the grid
    // Every row's spans add up to the grid, every cell has a paragraph and a
    // positive span, the table has a row: what Word insists on.
    bool isConsistent() const;

    bool operator==(const Table&) const = default;
};

}  // namespace word::model
