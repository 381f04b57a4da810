#pragma once

#include <QtGlobal>

// Bounds on what one import may cost. A calendar file comes from anywhere, so
// each of these stops a crafted file from taking unbounded time or memory;
// real exports stay far below all of them.
namespace calendar {

// Largest file read at all: 20 MB, three years of a busy calendar with room to spare.
inline constexpr qint64 MaxFileBytes = 20 * 1024 * 1024;
// Components (BEGIN: lines) and content lines in one file: libical keeps a node
// of a few hundred bytes for each, so these bound its memory.
inline constexpr int MaxComponents = 250'000;
inline constexpr int MaxLines = 1'000'000;
// Components nested in one another; libical frees its tree recursively.
inline constexpr int MaxNesting = 16;
// Parameters of one property line the import reads. libical looks for the end
// of a line's parameters again for each of them, so their number multiplies
// the time a line takes; the properties read carry two at most (TZID, VALUE)
// in real files, and those not read are left out before libical sees them.
inline constexpr int MaxParameters = 8;
// Occurrences starting in the chosen week: those its pages have rows for
// (timed, in the hours shown), all of them at any hour, and those in any one
// hour. A week has sixty rows; a shared calendar of a whole team may still
// hold thousands of appointments a week, but hundreds starting in the same
// hour are made by a machine, not by people. Occurrences outside the hours
// only need listing, so they are bounded further out: an event every minute
// has 10,080 of them a week.
inline constexpr int MaxWeekAppointments = 10'000;
inline constexpr int MaxWeekOccurrences = 30'000;
inline constexpr int MaxHourAppointments = 200;
// Work spent on recurrence rules for one question (one week, or the next or
// last appointment), over all events together. libical walks a rule period by
// period, a few microseconds each, whether or not a period yields an
// occurrence; so the work of a rule is the number of periods between where its
// walk starts and where it ends: seconds, minutes or hours for the rules that
// repeat by them, days for the others (weekly ones count weeks). An event
// whose rules would take the work past this bound is left out and listed, so
// a week of a rule every second is not worked out. This bounds the worst file
// to a few seconds.
inline constexpr qint64 MaxRecurrenceWork = 500'000;
// Characters of one appointment's name, and of the names sharing one row.
inline constexpr int MaxNameLength = 200;
inline constexpr int MaxRowLength = 1000;
// Observances (STANDARD, DAYLIGHT) of one time zone. libical works a zone
// out change by change from its first observance on, so each observance's
// rule must be a yearly one with at most one month and one weekday, starting
// no earlier than FirstZoneYear: real zones need no more.
inline constexpr int MaxZoneObservances = 200;
inline constexpr int FirstZoneYear = 1600;
// Years an event may start in. libical walks rules year by year up to 2582,
// so a start long ago with a rarely matching rule would take minutes.
inline constexpr int FirstYear = 1900;
inline constexpr int LastYear = 2200;

}  // namespace calendar
