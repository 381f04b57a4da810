#pragma once

#include "CalendarFile.h"
#include "week/HourRange.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace calendar {

// One occurrence of an event, in the local time of the process.
// Kept as a moment and a wall clock reading rather than a local QDateTime,
// whose every comparison would look up the local zone again.
struct Appointment {
    qint64 moment = 0;  // when it starts, seconds since 1970 UTC; local midnight of `date` for an all-day one
    QDate date;         // the local day it starts on
    QTime time;         // the local time it starts at; midnight for an all-day one
    bool allDay = false;
    QString name;     // one line: the summary, else the location, else "Busy"
    bool shortened = false;  // the name was longer than MaxNameLength and is cut
    // Set for an event that is left out, because it cannot be read or its
    // rules cannot be worked out: why, as the rest of a sentence about it
    // ("has a malformed RRULE that cannot be read"). Its moment, date and
    // time are then those of its DTSTART; the date is invalid when that cannot be read.
    QString problem;
    // What the import guessed about its times, as the rest of a sentence
    // about it, or empty: see guessAbout() in EventTime.h.
    QString guess;
};

// Every occurrence starting in [from, to): rules (RRULE), extra dates (RDATE),
// left-out dates (EXDATE), moved and cancelled occurrences (RECURRENCE-ID),
// cancelled events left out. Ordered by start, then by name. Only this range
// is worked out.
//
// After them come the events left out, each once with its `problem`: those
// the calendar could not read, and those that cannot be worked out here: an
// event whose rules would take the rule work of the range past
// MaxRecurrenceWork, or that alone has more than MaxWeekAppointments
// occurrences the pages of `hours` have rows for (timed, starting in one of
// the hours), more than MaxWeekOccurrences at all in the range, or more than
// MaxHourAppointments in one hour. Different events together past either of
// the first two limits, or with more than MaxHourAppointments timed
// occurrences starting in one hour, throw errors::UserError.
std::vector<Appointment> appointmentsBetween(const CalendarFile& calendar, const QDateTime& from, const QDateTime& to,
                                             const week::HourRange& hours = week::ClassicHours);

// The appointments of each of `weeks` weeks from `firstMonday` (Monday to
// Monday, from local midnight), each as appointmentsBetween gives that week
// alone: the same order, the same limits for the week and for each hour, the
// same events left out, the errors::UserError of the first week that has one. Each
// rule is walked once for them all, which for a year is many times quicker
// than a call a week; the rule work may reach MaxRecurrenceWork once for each
// week, shared. An event that cannot be worked out is listed in every week
// its occurrences may reach.
std::vector<std::vector<Appointment>> appointmentsOfWeeks(const CalendarFile& calendar, const QDate& firstMonday, int weeks,
                                                          const week::HourRange& hours = week::ClassicHours);

// The day the week is first chosen around: `now`'s own day when its week
// (Monday to Sunday) holds appointments, else the day of the first one after
// `now`, else of the last one before it. Empty when the calendar has no events;
// `now`'s day when its events have no occurrence at all or are too costly to
// search. Events that cannot be worked out are passed over.
std::optional<QDate> suggestedDay(const CalendarFile& calendar, const QDateTime& now);

}  // namespace calendar
