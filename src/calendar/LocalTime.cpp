#include "LocalTime.h"

#include "LocalClock.h"

#include <QDateTime>

namespace calendar {
namespace {

struct Reading {
    LocalWallTime wall;
    qint64 offset = 0;  // seconds east of UTC
};

Reading readingAt(qint64 moment)
{
    std::tm local{};
    if (!readLocalClock(moment, local)) {  // beyond the C library's years: UTC, as good as any
        const QDateTime utc = QDateTime::fromSecsSinceEpoch(moment, Qt::UTC);
        return {{utc.date(), utc.time()}, 0};
    }
    const QDate date(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    const QTime time(local.tm_hour, local.tm_min, local.tm_sec);
    // The offset is what the wall clock is ahead of UTC (the C libraries of
    // both systems agree on the reading, not on a field holding it).
    const qint64 wall = (date.toJulianDay() - UnixDay) * Day + time.msecsSinceStartOfDay() / 1000;
    return {{date, time}, wall - moment};
}

}  // namespace

LocalWallTime localWallTimeAt(qint64 moment) { return readingAt(moment).wall; }

qint64 localMomentOf(const QDate& date, const QTime& time)
{
    const qint64 wall = (date.toJulianDay() - UnixDay) * Day + time.msecsSinceStartOfDay() / 1000;
    // No zone is more than a day off UTC, and none changes twice in two days:
    // the offsets a day either side are those before and after any change
    // that touches this wall time.
    const qint64 before = readingAt(wall - Day).offset;
    const qint64 after = readingAt(wall + Day).offset;
    if (before == after)
        return wall - before;
    if (readingAt(wall - before).offset == before)
        return wall - before;
    if (readingAt(wall - after).offset == after)
        return wall - after;
    return wall - before;
}

}  // namespace calendar
