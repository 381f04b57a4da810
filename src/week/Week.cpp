#include "Week.h"

namespace week {

Week::Week()
{
    for (int row = 0; row < RowCount; ++row)
        times[row] = defaultHourText(row);
}

void Week::setEntry(int page, int row, const EntryFields& fields)
{
    DayStore::Rows rows = (stores.at(page) ? *stores[page] : DayStore::blank()).rows();
    rows.at(row) = fields;
    stores[page] = std::make_shared<const DayStore>(rows);
}

std::shared_ptr<const DayStore> Week::dayStore(int page) const
{
    return page >= 0 && page < DayPageCount ? stores[page] : nullptr;
}

QString Week::timeText(int row) const { return row >= 0 && row < RowCount ? times[row] : QString(); }

}  // namespace week
