#include "SampleData.h"

#include "DayStore.h"

#include <stdexcept>

namespace week {

int sundayWeekNumber(const QDate& date)
{
    if (!date.isValid())
        throw std::invalid_argument("The date of today is not a valid date");
    const int dayOfYear = date.dayOfYear();                          // 1 for 1 January
    const int firstWeekday = QDate(date.year(), 1, 1).dayOfWeek() % 7;  // Sunday 0 ... Saturday 6
    return (dayOfYear - 1 + firstWeekday) / 7 + 1;
}

QString sampleWeekTitle(const QDate& date) { return QStringLiteral("Week #") + QString::number(sundayWeekNumber(date)); }

SampleRows sampleRows(int page)
{
    static constexpr SampleRows rows[DayPageCount] = {{1, 4}, {3, 6}, {3, 6}, {1, 4}, {3, 6}, {4, 8}};
    if (page < 0 || page >= DayPageCount)
        throw std::out_of_range("day page " + std::to_string(page) + " does not exist");
    return rows[page];
}

QString sampleName(int row, int n)
{
    if (row % 2 == 0)
        return n < 4 ? QStringLiteral("Lunch") : QStringLiteral("Meeting with friends");
    if (row % 3 == 0)
        return n < 3 ? QStringLiteral("Go shopping") : QStringLiteral("Gym");
    return n < 2 ? QStringLiteral("Trip") : QStringLiteral("Meeting with associates");
}

}  // namespace week
