#include "EventTime.h"

#include "ImportLimits.h"
#include "LocalTime.h"

#include <QCoreApplication>

namespace calendar {
namespace {

icaltimezone* zoneNamed(icalcomponent* component, const char* tzid)
{
    for (icalcomponent* c = component; c; c = icalcomponent_get_parent(c)) {
        if (icalcomponent_isa(c) == ICAL_VCALENDAR_COMPONENT) {
            if (icaltimezone* zone = icalcomponent_get_timezone(c, tzid))
                return zone;
        }
    }
    if (icaltimezone* zone = icaltimezone_get_builtin_timezone_from_tzid(tzid))
        return zone;
    return icaltimezone_get_builtin_timezone(tzid);
}

}  // namespace

icaltimetype zonedTime(icalproperty* property, icaltimetype value)
{
    if (value.is_date || icaltime_is_utc(value))
        return value;
    value.zone = nullptr;
    if (icalparameter* tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER)) {
        if (const char* name = icalparameter_get_tzid(tzid); name && *name)
            value.zone = zoneNamed(icalproperty_get_parent(property), name);
    }
    return value;
}

bool isValidTime(const icaltimetype& t)
{
    if (icaltime_is_null_time(t) || t.year < FirstYear || t.year > LastYear || !QDate::isValid(t.year, t.month, t.day))
        return false;
    return t.is_date || QTime::isValid(t.hour, t.minute, t.second);
}

qint64 momentOf(const icaltimetype& t)
{
    if (t.is_date || !t.zone)
        return localMomentOf(QDate(t.year, t.month, t.day), t.is_date ? QTime(0, 0) : QTime(t.hour, t.minute, t.second));
    return qint64(icaltime_as_timet_with_zone(t, t.zone));
}

icaltimetype startOf(icalcomponent* event)
{
    icalproperty* start = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    return zonedTime(start, icalproperty_get_dtstart(start));
}

bool isRealWallTime(const icaltimetype& time, qint64 moment)
{
    if (time.is_date || icaltime_is_utc(time))
        return true;
    const icaltimetype back = wallTimeAt(moment, time.zone, false);
    return back.year == time.year && back.month == time.month && back.day == time.day && back.hour == time.hour
        && back.minute == time.minute && back.second == time.second;
}

icaltimetype wallTimeAt(qint64 moment, const icaltimezone* zone, bool isDate)
{
    icaltimetype wall;
    if (zone) {
        wall = icaltime_from_timet_with_zone(time_t(moment), isDate, const_cast<icaltimezone*>(zone));
    } else {
        const LocalWallTime local = localWallTimeAt(moment);
        wall = icaltime_null_time();
        wall.year = local.date.year();
        wall.month = local.date.month();
        wall.day = local.date.day();
        wall.hour = local.time.hour();
        wall.minute = local.time.minute();
        wall.second = local.time.second();
        wall.is_date = isDate;
    }
    if (isDate)
        wall.hour = wall.minute = wall.second = 0;
    wall.zone = nullptr;
    return wall;
}

qint64 wallSeconds(const icaltimetype& wall)
{
    return (QDate(wall.year, wall.month, wall.day).toJulianDay() - UnixDay) * Day + wall.hour * 3600 + wall.minute * 60
         + wall.second;
}

qint64 offsetAt(qint64 moment, const icaltimezone* zone) { return wallSeconds(wallTimeAt(moment, zone, false)) - moment; }

QString guessAbout(icalcomponent* event)
{
    icalproperty* startProperty = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    const icaltimetype start = startOf(event);
    if (!start.is_date && !icaltime_is_utc(start) && !start.zone) {
        if (icalparameter* tzid = icalproperty_get_first_parameter(startProperty, ICAL_TZID_PARAMETER)) {
            if (const char* name = icalparameter_get_tzid(tzid); name && *name)
                //: %1 is the name of a time zone as the calendar file gives it
                return QCoreApplication::translate("calendar::EventTime",
                                                   "its time zone \"%1\" is unknown, so its time is read as local time")
                    .arg(QString::fromUtf8(name).left(MaxNameLength));
        }
    }
    bool endsBefore = false;
    if (icalproperty* endProperty = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY)) {
        const icaltimetype end = zonedTime(endProperty, icalproperty_get_dtend(endProperty));
        endsBefore = isValidTime(end) && momentOf(end) < momentOf(start);
    } else if (icalproperty* duration = icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY)) {
        const icaldurationtype length = icalproperty_get_duration(duration);
        endsBefore = length.is_neg && !icaldurationtype_is_null_duration(length);
    }
    if (endsBefore)
        return QCoreApplication::translate("calendar::EventTime", "ends before it starts, so only its start is used");
    return {};
}

}  // namespace calendar
