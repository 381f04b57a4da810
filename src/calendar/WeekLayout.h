#pragma once

#include "Occurrences.h"
#include "week/DayStore.h"
#include "week/HourRange.h"
#include "week/Week.h"

#include <QDate>

#include <array>
#include <vector>

namespace calendar {

// The most consecutive weeks one import or one planner takes.
inline constexpr int MaxWeeks = 53;

// The Monday of the week (Monday to Sunday) that holds `day`.
QDate mondayOf(const QDate& day);

// Why an appointment of the week found no row.
enum class NotPlacedReason {
    AllDay,       // all-day events have no hour
    BeforeRows,   // starts before the first hour of the range
    AfterRows,    // starts after the last hour of the range
    RowFull,      // the names already in its row reach MaxRowLength
    LeftOut,      // the event cannot be read or worked out: Appointment::problem says why
};

struct NotPlaced {
    Appointment appointment;
    NotPlacedReason reason;
};

// The Number and Name texts of the rows of one day page, one per hour of
// the range.
struct PageTexts {
    std::vector<QString> numbers;
    std::vector<QString> names;
};

// One week of appointments laid out on the six day pages.
struct WeekLayout {
    QDate monday;
    week::HourRange hours;
    std::array<PageTexts, week::DayPageCount> pages;
    int placed = 0;
    int shortened = 0;  // of those placed, how many have names cut to MaxNameLength
    std::vector<NotPlaced> notPlaced;  // in order of start, the events left out last
    // Appointments of the week, placed or not, whose times the import had to
    // guess at (Appointment::guess): the first of each name and guess.
    std::vector<Appointment> guessed;
};

// Places `appointments` (ordered by start, then name, as appointmentsBetween
// gives them) on the pages of the week beginning `monday`: the page of the start
// day (Saturday and Sunday share the last, their names beginning "Sat " and
// "Sun "), the row of the start hour among `hours`. Each page numbers its appointments 1, 2,
// 3 ... in that order; appointments of one hour share the row, numbers joined
// with ", " and names with "; ". Appointments outside the week are ignored,
// but events left out (with a problem) are listed in notPlaced whatever their date.
WeekLayout layOutWeek(const QDate& monday, const std::vector<Appointment>& appointments,
                      const week::HourRange& hours = week::ClassicHours);

// The week an import fills in: `title`, and on every day page a store of
// the Number and Name texts `layout` placed beside the hour texts of `clock`.
// The entry window's import and the command line both take their week from here.
week::Week weekOf(const WeekLayout& layout, const QString& title, week::Clock clock = week::Clock::TwelveHour);

}  // namespace calendar
