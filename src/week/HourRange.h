#pragma once

#include <QString>
#include <QStringList>

// The hours of the day a week's pages show, one row for each, and how their
// labels read. Toolkit-free: the entry window, the import and the planner
// generator all take their rows from here.
namespace week {

// How the hour labels read: "8" … "12" "1" … "5", or "8" … "17".
enum class Clock { TwelveHour, TwentyFourHour };

// The first and the last hour shown, whole hours of the day (0 to 23), the
// first not after the last: 1 to 24 rows a day, row 0 the first hour.
struct HourRange {
    int first = 8;
    int last = 17;

    int count() const { return last - first + 1; }
    int hour(int row) const { return first + row; }
    // The row of `hour`, or -1 when the range leaves it out.
    int rowOf(int hour) const { return hour >= first && hour <= last ? hour - first : -1; }
    bool isValid() const { return first >= 0 && first <= last && last <= 23; }

    friend bool operator==(const HourRange&, const HourRange&) = default;
};

// The classic range, 8 to 17: ten rows read "8" to "5" on the 12-hour clock.
inline constexpr HourRange ClassicHours{8, 17};

// The label of `hour` in `range` on `clock`.
//
// 24-hour labels are the plain hour, "0" to "23". 12-hour labels are plain
// ("8", "12", "1") while that is unmistakable: the range holds noon, not
// midnight, and at most twelve hours, so every number occurs once and the
// "12" of noon parts the morning above it from the afternoon below it (the
// classic "8" … "12" "1" … "5"). Any other range labels every hour with its
// half of the day, "12 am" for midnight, "12 pm" for noon, "6 pm".
QString hourLabel(int hour, const HourRange& range, Clock clock);

// True when the 12-hour labels of `range` carry "am" and "pm".
bool marksHalfDays(const HourRange& range);

// The labels of every row of `range`, top to bottom.
QStringList hourLabels(const HourRange& range, Clock clock);

}  // namespace week
