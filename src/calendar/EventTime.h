#pragma once

#include <QDateTime>
#include <QString>

#include <libical/ical.h>

// Times as libical reads them, turned into moments on one time line and into
// the local time of the process (see LocalTime.h). Three kinds of iCalendar time meet here:
//   - UTC ("...Z") and zoned times (TZID=...), fixed moments;
//   - floating times (no zone), the same wall time everywhere, so local time;
//   - dates (all-day), local midnight of that day.
// A moment is in seconds since 1970-01-01 00:00 UTC.
namespace calendar {

// `value` of `property` with the zone its TZID parameter names: a VTIMEZONE of
// the calendar, else a zone of the system's zone database. A TZID known to
// neither leaves the time floating, read as local time.
icaltimetype zonedTime(icalproperty* property, icaltimetype value);

// True for a real date (and time) between FirstYear and LastYear.
bool isValidTime(const icaltimetype& time);

qint64 momentOf(const icaltimetype& time);

// The start (DTSTART) of `event`, with its zone; the event must have one.
icaltimetype startOf(icalcomponent* event);

// False for a wall time that its zone (floating: local time) skips, as the
// hour lost when daylight saving time begins; `moment` is momentOf(time).
bool isRealWallTime(const icaltimetype& time, qint64 moment);

// The wall time at `moment` in `zone` (floating: local time), without a zone
// attached, as a date alone when `isDate`.
icaltimetype wallTimeAt(qint64 moment, const icaltimezone* zone, bool isDate);

// `wall` as seconds since 1970-01-01 00:00 of the same calendar, as if no
// zone ever changed its offset.
qint64 wallSeconds(const icaltimetype& wall);

// The offset from UTC of `zone` (floating: local time) at `moment`, in seconds.
qint64 offsetAt(qint64 moment, const icaltimezone* zone);

// What the import guessed about the times of `event`, as the rest of a
// sentence about it, or empty: a start whose TZID names a zone known neither
// to the calendar nor to the system (read as local time, as zonedTime does),
// or an end (DTEND, or a negative DURATION) before the start (the start alone
// places it). The event must have a valid start.
QString guessAbout(icalcomponent* event);

}  // namespace calendar
