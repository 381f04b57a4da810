#pragma once

#include <QDate>
#include <QTime>

// The local time of the process (the TZ environment, else the system's zone
// file), for the import's many conversions. Qt's local time and the C
// library's mktime() look at the zone file again on every call while TZ is
// unset (a stat() of /etc/localtime each), which for a year of weeks came to
// millions of calls. These ask the C library's localtime_r() only, which
// uses the zone as it was last loaded and reads nothing (LocalClock.h); the zone is loaded
// the first time, and again only when something calls tzset().
// A moment is in seconds since 1970-01-01 00:00 UTC.
namespace calendar {

inline constexpr qint64 Day = 24 * 60 * 60;  // seconds
inline constexpr qint64 UnixDay = 2440588;   // the Julian day of 1970-01-01

// A wall clock reading of local time, to the second.
struct LocalWallTime {
    QDate date;
    QTime time;
};

LocalWallTime localWallTimeAt(qint64 moment);

// The moment `date` at `time` of local time is reached. A wall time that
// occurs twice (the hour repeated when daylight saving time ends) means the
// first; one the zone skips (the hour lost when it begins) is read with the
// offset from UTC before the change, so it lands as far after the change as
// it lies after its start, as iCalendar reads both.
qint64 localMomentOf(const QDate& date, const QTime& time);

}  // namespace calendar
