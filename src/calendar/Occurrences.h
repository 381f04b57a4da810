#pragma once

#include "CalendarFile.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace calendar {

// One occurrence of an event, in the local time of the process.
struct Appointment {
    QDateTime start;  // local; midnight of `date` for an all-day one
    QDate date;       // the local day it starts on
    bool allDay = false;
    QString name;     // one line: the summary, else the location, else "Busy"
};

// Every occurrence starting in [from, to): rules (RRULE), extra dates (RDATE),
// left-out dates (EXDATE), moved and cancelled occurrences (RECURRENCE-ID),
// cancelled events left out. Ordered by start, then by name. Only this range
// is worked out; more than MaxWeekAppointments occurrences, more than
// MaxHourAppointments timed ones starting in one hour, or more rule work than
// MaxRecurrenceWork throw ImportError.
std::vector<Appointment> appointmentsBetween(const CalendarFile& calendar, const QDateTime& from, const QDateTime& to);

// The day the week is first chosen around: `now`'s own day when its week
// (Monday to Sunday) holds appointments, else the day of the first one after
// `now`, else of the last one before it. Empty when the calendar has no events;
// `now`'s day when its events have no occurrence at all or are too costly to search.
std::optional<QDate> suggestedDay(const CalendarFile& calendar, const QDateTime& now);

}  // namespace calendar
