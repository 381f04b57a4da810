#include "Occurrences.h"

#include "EventTime.h"
#include "errors/UserError.h"
#include "ImportLimits.h"
#include "RecurrenceExpander.h"
#include "WeekLayout.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextBoundaryFinder>

#include <libical/ical.h>

#include <algorithm>
#include <iterator>
#include <optional>

namespace calendar {
namespace {

// `name` cut to MaxNameLength characters, its last one "…", where a cut
// splits no grapheme cluster: a letter keeps its marks and conjuncts (क्ष)
// stay whole, or go whole.
QString shortened(const QString& name)
{
    if (name.size() <= MaxNameLength)
        return name;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, name);
    graphemes.setPosition(MaxNameLength - 1);
    if (!graphemes.isAtBoundary())
        graphemes.toPreviousBoundary();
    return name.left(graphemes.position()) + QChar(0x2026);
}

QString nameOf(icalcomponent* event)
{
    for (const char* text : {icalcomponent_get_summary(event), icalcomponent_get_location(event)}) {
        QString name = QString::fromUtf8(text ? text : "");
        name.replace(QLatin1String("\r\n"), QLatin1String(" "));
        name.replace(QLatin1Char('\n'), QLatin1Char(' '));
        name.replace(QLatin1Char('\r'), QLatin1Char(' '));
        name = name.trimmed();
        if (!name.isEmpty())
            return shortened(name);
    }
    //: The name an appointment gets in the planner when it has neither a summary nor a location
    return QCoreApplication::translate("calendar::Occurrences", "Busy");
}

Appointment appointment(icalcomponent* source, const icaltimetype& start, qint64 moment)
{
    Appointment result;
    result.allDay = start.is_date;
    if (result.allDay) {
        result.date = QDate(start.year, start.month, start.day);
        result.start = QDateTime(result.date, QTime(0, 0));
    } else {
        result.start = QDateTime::fromSecsSinceEpoch(moment);
        result.date = result.start.date();
    }
    result.name = nameOf(source);
    return result;
}

// An event that is not worked out, listed with its start where that can be read.
Appointment leftOut(icalcomponent* event, const QString& problem)
{
    Appointment result;
    if (icalproperty* start = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
        start && isValidTime(icalproperty_get_dtstart(start))) {
        const icaltimetype time = startOf(event);
        result = appointment(event, time, momentOf(time));
    } else {
        result.name = nameOf(event);
    }
    result.problem = problem;
    return result;
}

// The first appointment of `sorted` (ordered by start) that has more than
// MaxHourAppointments timed ones before it in its hour, if any.
const Appointment* crowdedHour(const std::vector<Appointment>& sorted)
{
    const auto hourOf = [](const Appointment& a) { return a.start.toSecsSinceEpoch() / 3600; };
    for (size_t first = 0, i = 0; i < sorted.size(); ++i) {
        if (hourOf(sorted[i]) != hourOf(sorted[first]))
            first = i;
        if (!sorted[i].allDay && i - first >= size_t(MaxHourAppointments))
            return &sorted[i];
    }
    return nullptr;
}

void sortByStart(std::vector<Appointment>& appointments)
{
    std::sort(appointments.begin(), appointments.end(), [](const Appointment& a, const Appointment& b) {
        return a.start != b.start ? a.start < b.start : a.name < b.name;
    });
}

qint64 localMoment(const QDate& day) { return QDateTime(day, QTime(0, 0)).toSecsSinceEpoch(); }

// The earliest (or latest) moment of an occurrence in [from, to), if any.
// Events that cannot be worked out are passed over.
std::optional<qint64> outermost(const CalendarFile& calendar, qint64 from, qint64 to, bool latest, qint64& work)
{
    RecurrenceExpander expander(from, to, work);
    std::optional<qint64> found;
    for (const Series& series : calendar.series()) {
        std::optional<qint64> own;
        const auto problem = expander.expand(series, [&](icalcomponent*, const icaltimetype&, qint64 moment) {
            if (!own || (latest ? moment > *own : moment < *own))
                own = moment;
            return latest;  // the first of each rule is its earliest
        });
        if (!problem && own && (!found || (latest ? *own > *found : *own < *found)))
            found = own;
    }
    return found;
}

}  // namespace

std::vector<Appointment> appointmentsBetween(const CalendarFile& calendar, const QDateTime& from, const QDateTime& to)
{
    qint64 work = 0;
    RecurrenceExpander expander(from.toSecsSinceEpoch(), to.toSecsSinceEpoch(), work);
    std::vector<Appointment> result;
    std::vector<Appointment> leftOutEvents;
    for (const Series& series : calendar.series()) {
        // An event is worked out whole or listed as left out: never in part.
        std::vector<Appointment> own;
        bool tooMany = false;
        std::optional<QString> problem = expander.expand(series, [&](icalcomponent* source, const icaltimetype& start, qint64 moment) {
            if (own.size() >= size_t(MaxWeekAppointments)) {
                tooMany = true;
                return false;
            }
            own.push_back(appointment(source, start, moment));
            return true;
        });
        if (!problem && tooMany)
            problem = QCoreApplication::translate("calendar::Occurrences",
                                                  "repeats more than %1 times in the week, more than Dorvane imports")
                          .arg(MaxWeekAppointments);
        if (!problem && own.size() > size_t(MaxHourAppointments)) {
            sortByStart(own);
            if (crowdedHour(own))
                problem =
                    QCoreApplication::translate("calendar::Occurrences",
                                                "repeats more than %1 times in one hour, more than Dorvane imports")
                        .arg(MaxHourAppointments);
        }
        if (problem) {
            leftOutEvents.push_back(leftOut(series.master, *problem));
            continue;
        }
        if (result.size() + own.size() > size_t(MaxWeekAppointments))
            throw errors::UserError(
                QCoreApplication::translate("calendar::Occurrences",
                                            "The week holds more than %1 appointments, more than Dorvane imports.")
                    .arg(MaxWeekAppointments));
        result.insert(result.end(), std::make_move_iterator(own.begin()), std::make_move_iterator(own.end()));
    }
    sortByStart(result);
    if (const Appointment* crowded = crowdedHour(result))
        throw errors::UserError(QCoreApplication::translate(
                              "calendar::Occurrences",
                              "More than %1 appointments start in the hour from %2, more than Dorvane imports.")
                              .arg(MaxHourAppointments)
                              .arg(QLocale().toString(crowded->start, QLocale::ShortFormat)));
    result.insert(result.end(), leftOutEvents.begin(), leftOutEvents.end());
    for (const Unreadable& entry : calendar.unreadable())
        result.push_back(leftOut(entry.event, entry.reason));
    return result;
}

std::optional<QDate> suggestedDay(const CalendarFile& calendar, const QDateTime& now)
{
    if (calendar.series().empty())
        return std::nullopt;
    const QDate today = now.date();
    // One budget of rule work for the whole search.
    qint64 work = 0;
    const QDate monday = mondayOf(today);
    if (outermost(calendar, localMoment(monday), localMoment(monday.addDays(7)), false, work))
        return today;
    // Near windows first: most calendars answer within weeks, and a far
    // window costs every open-ended rule a longer walk.
    const qint64 nowMoment = now.toSecsSinceEpoch();
    const qint64 end = localMoment(QDate(LastYear + 1, 1, 1));
    qint64 from = nowMoment;
    for (int days : {35, 400, 4000}) {
        const qint64 to = std::min(end, localMoment(today.addDays(days)));
        if (const auto next = outermost(calendar, from, to, false, work))
            return QDateTime::fromSecsSinceEpoch(*next).date();
        from = to;
    }
    if (const auto next = outermost(calendar, from, end, false, work))
        return QDateTime::fromSecsSinceEpoch(*next).date();
    if (const auto last = outermost(calendar, localMoment(QDate(FirstYear, 1, 1)), nowMoment, true, work))
        return QDateTime::fromSecsSinceEpoch(*last).date();
    return today;
}

}  // namespace calendar
