#include "SampleData.h"

#include "DayStore.h"

#include <QCoreApplication>

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

QString sampleWeekTitle(const QDate& date)
{
    //: Title of the example week; %1 is the number of the week in the year
    return QCoreApplication::translate("week::SampleData", "Week #%1").arg(sundayWeekNumber(date));
}

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
        return n < 4 ? QCoreApplication::translate("week::SampleData", "Lunch")
                     : QCoreApplication::translate("week::SampleData", "Meeting with friends");
    if (row % 3 == 0)
        return n < 3 ? QCoreApplication::translate("week::SampleData", "Go shopping")
                     : QCoreApplication::translate("week::SampleData", "Gym");
    return n < 2 ? QCoreApplication::translate("week::SampleData", "Trip")
                 : QCoreApplication::translate("week::SampleData", "Meeting with associates");
}

}  // namespace week
