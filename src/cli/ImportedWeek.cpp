#include "cli/ImportedWeek.h"

namespace cli {

week::Week importedWeek(const calendar::WeekLayout& layout, const QString& title)
{
    week::Week week;
    week.title = title;
    for (int page = 0; page < week::DayPageCount; ++page) {
        week::DayStore::Rows rows;
        for (int row = 0; row < week::RowCount; ++row)
            rows[row] = {week::defaultHourText(row), layout.pages[page].numbers[row], layout.pages[page].names[row]};
        week.stores[page] = std::make_shared<const week::DayStore>(rows);
    }
    return week;
}

}  // namespace cli
