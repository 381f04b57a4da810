// Importing one week from a large calendar: 20,000 events over three years
// (about 8 MB), one in five repeating weekly on two days up to 200 times,
// half of those counted (COUNT), half ending on a date (UNTIL); read from the
// file, the week worked out and laid out. Aim: under 300 ms median.
#include "BigCalendar.h"
#include "calendar/CalendarFile.h"
#include "calendar/Occurrences.h"
#include "calendar/WeekLayout.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>

namespace {

void BM_ImportCalendar(benchmark::State& state)
{
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("big.ics"));
    const QByteArray bytes = bigCalendar();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the calendar");
        return;
    }
    file.close();
    const QDate monday(2026, 6, 15);  // halfway through the three years
    int placed = 0;
    for (auto _ : state) {
        const calendar::CalendarFile calendar = calendar::CalendarFile::read(path);
        const calendar::WeekLayout week = calendar::layOutWeek(
            monday, calendar::appointmentsBetween(calendar, QDateTime(monday, QTime(0, 0)), QDateTime(monday.addDays(7), QTime(0, 0))));
        placed = week.placed + int(week.notPlaced.size());
    }
    state.counters["bytes"] = double(bytes.size());
    state.counters["appointments"] = placed;
}

}  // namespace

BENCHMARK(BM_ImportCalendar)->Unit(benchmark::kMillisecond)->MinTime(2.0);
