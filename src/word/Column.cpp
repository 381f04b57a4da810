#include "word/Column.h"

#include "word/AutomationError.h"
#include "word/Cells.h"
#include "word/Messages.h"
#include "word/dispatch/ObjectRef.h"
#include "word/model/Units.h"

#include <cmath>

namespace word {

namespace {
constexpr double MaximumWidthPoints = 1584;  // 22 inches, Word's limit
}

void Column::setWidth(double Width)
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Set, "Column.Width", {Argument::real(Width)}, [&] {
        model::Table& table = self.liveTable();
        const std::vector<model::Cell*> cells = columnCells(table, self.column);
        if (!std::isfinite(Width) || Width <= 0 || Width > MaximumWidthPoints)
            throw AutomationError(messages::ValueOutOfRange());
        const int twips = units::twipsFromPoints(Width);
        table.gridTwips[self.column] = twips;
        for (model::Cell* cell : cells)
            cell->widthTwips = twips;
    });
}

word::Cells Column::Cells() const
{
    return handOut<word::Cells>(Call::Kind::Get, "Column.Cells", target(),
                                [](const ObjectRef& column) { columnCells(column.liveTable(), column.column); });
}

}  // namespace word
