#include "word/model/Table.h"

#include <numeric>

namespace word::model {

int Table::widthTwips() const
{
    return std::accumulate(gridTwips.begin(), gridTwips.end(), 0);
}

bool Table::isConsistent() const
{
    if (rows.empty() || gridTwips.empty())
        return false;
    for (const Row& row : rows) {
        if (row.cells.empty())
            return false;
        int span = 0;
        for (const Cell& cell : row.cells) {
            if (cell.gridSpan < 1 || cell.paragraphs.empty())
                return false;
            span += cell.gridSpan;
        }
        if (span != columnCount())
            return false;
    }
    return true;
}

}  // namespace word::model
