#include "word/model/Row.h"

namespace word::model {

int Row::gridColumnOf(int cellIndex) const
{
    int column = 0;
    for (int i = 0; i < cellIndex && i < int(cells.size()); ++i)
        column += cells[i].gridSpan;
    return column;
}

int Row::cellAtGridColumn(int gridColumn) const
{
    int column = 0;
    for (int i = 0; i < int(cells.size()); ++i) {
        if (column == gridColumn)
            return i;
        column += cells[i].gridSpan;
        if (column > gridColumn)
            return -1;
    }
    return -1;
}

}  // namespace word::model
