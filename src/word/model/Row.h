#pragma once

#include "word/model/Cell.h"

#include <vector>

namespace word::model {

// A table row: its cells left to right; their grid spans add up to the
// table's grid columns.
struct Row {
    std::vector<Cell> cells;

    int gridColumnOf(int cellIndex) const;  // 0-based grid column where the cell starts
    int cellAtGridColumn(int gridColumn) const;  // the cell starting there, or -1

    bool operator==(const Row&) const = default;
};

}  // namespace word::model
