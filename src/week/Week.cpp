#include "Week.h"

namespace week {

Week::Week() : Week(ClassicHours, Clock::TwelveHour) {}

Week::Week(const HourRange& range, Clock clock) : hours(range), clock(clock), times(hourLabels(range, clock)) {}

void Week::setEntry(int page, int row, const EntryFields& fields)
{
    DayStore::Rows rows = (stores.at(page) ? *stores[page] : DayStore::blank(hourLabels(hours, clock))).rows();
    rows.at(row) = fields;
    stores[page] = std::make_shared<const DayStore>(rows);
}

std::shared_ptr<const DayStore> Week::dayStore(int page) const
{
    return page >= 0 && page < DayPageCount ? stores[page] : nullptr;
}

QString Week::timeText(int row) const { return row >= 0 && row < rowCount() ? times[row] : QString(); }

}  // namespace week
