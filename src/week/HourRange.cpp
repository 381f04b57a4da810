#include "HourRange.h"

#include <QCoreApplication>

namespace week {

bool marksHalfDays(const HourRange& range)
{
    const bool noon = range.rowOf(12) >= 0;
    const bool midnight = range.rowOf(0) >= 0;
    return !noon || midnight || range.count() > 12;
}

QString hourLabel(int hour, const HourRange& range, Clock clock)
{
    if (clock == Clock::TwentyFourHour)
        return QString::number(hour);
    const QString number = QString::number(hour % 12 == 0 ? 12 : hour % 12);
    if (!marksHalfDays(range))
        return number;
    return hour < 12
        //: An hour of the morning on the 12-hour clock, as the rows of a day label it: "8 am", "12 am" (midnight)
        ? QCoreApplication::translate("week::HourRange", "%1 am").arg(number)
        //: An hour of the afternoon or evening on the 12-hour clock: "12 pm" (noon), "6 pm"
        : QCoreApplication::translate("week::HourRange", "%1 pm").arg(number);
}

QStringList hourLabels(const HourRange& range, Clock clock)
{
    QStringList labels;
    for (int row = 0; row < range.count(); ++row)
        labels << hourLabel(range.hour(row), range, clock);
    return labels;
}

}  // namespace week
