// libFuzzer entry point for the calendar import (built with -DDORVANE_FUZZ=ON
// and clang, see CMakeLists.txt). Every input must be imported or refused
// with errors::UserError: anything else (a crash, a sanitizer report, another
// exception, a hang or runaway memory caught by libFuzzer's limits) is a
// finding. Each input is read, its week of 7 December 2026 worked out and laid
// out, and the week dialog's suggestion made, as EntryWindow does.
// Seeds: the calendars in data/.
#include "calendar/CalendarFile.h"
#include "errors/UserError.h"
#include "calendar/ImportLimits.h"
#include "calendar/ImportSummary.h"
#include "calendar/Occurrences.h"
#include "calendar/WeekLayout.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QDate monday(2026, 12, 7);
    try {
        const calendar::CalendarFile file = calendar::CalendarFile::fromData(bytes);
        const calendar::WeekLayout week = calendar::layOutWeek(
            monday, calendar::appointmentsBetween(file, QDateTime(monday, QTime(0, 0)), QDateTime(monday.addDays(7), QTime(0, 0))));
        // What the pages promise their readers must hold for whatever was read.
        for (const calendar::PageTexts& page : week.pages) {
            for (const QString& names : page.names) {
                if (names.size() > calendar::MaxRowLength)
                    std::abort();
            }
        }
        calendar::importSummary(week, QLocale::c());
        calendar::suggestedDay(file, QDateTime(QDate(2026, 12, 9), QTime(12, 0)));
    } catch (const errors::UserError&) {
    }
    return 0;
}
