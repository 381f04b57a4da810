#include "Occurrences.h"

#include "EventTime.h"
#include "ImportError.h"
#include "ImportLimits.h"
#include "WeekLayout.h"

#include <QCoreApplication>
#include <QLocale>

#include <libical/ical.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

namespace calendar {
namespace {

constexpr qint64 Day = 24 * 60 * 60;

QString tr(const char* text) { return QCoreApplication::translate("calendar::Occurrences", text); }

// Called for each occurrence in range with the VEVENT it comes from (the
// master, or an override), its start and its moment. Returning false ends the
// walk of the rule that produced it (rules are walked in order of time).
using Visit = std::function<bool(icalcomponent* source, const icaltimetype& start, qint64 moment)>;

bool isCancelled(icalcomponent* event) { return icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED; }

icaltimetype startOf(icalcomponent* event)
{
    icalproperty* start = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    return zonedTime(start, icalproperty_get_dtstart(start));
}

bool hasOnlyRegularParts(const icalrecurrencetype& rule)
{
    // Rules whose every period yields at least one occurrence: none of the BY
    // parts but a weekly rule's plain weekdays.
    auto empty = [](const short* parts) { return parts[0] == ICAL_RECURRENCE_ARRAY_MAX; };
    if (!empty(rule.by_second) || !empty(rule.by_minute) || !empty(rule.by_hour) || !empty(rule.by_month_day)
        || !empty(rule.by_year_day) || !empty(rule.by_week_no) || !empty(rule.by_month) || !empty(rule.by_set_pos))
        return false;
    if (empty(rule.by_day))
        return true;
    if (rule.freq != ICAL_WEEKLY_RECURRENCE)
        return false;
    for (const short* day = rule.by_day; *day != ICAL_RECURRENCE_ARRAY_MAX; ++day) {
        if (icalrecurrencetype_day_position(*day) != 0)
            return false;
    }
    return true;
}

qint64 longestPeriod(icalrecurrencetype_frequency frequency)
{
    switch (frequency) {
    case ICAL_HOURLY_RECURRENCE: return 3600;
    case ICAL_DAILY_RECURRENCE: return Day;
    case ICAL_WEEKLY_RECURRENCE: return 7 * Day;
    case ICAL_MONTHLY_RECURRENCE: return 31 * Day;
    default: return 366 * Day;
    }
}

// libical's cost of walking one period, as in MaxRecurrenceWork.
qint64 workUnit(icalrecurrencetype_frequency frequency)
{
    switch (frequency) {
    case ICAL_HOURLY_RECURRENCE: return 3600;
    case ICAL_WEEKLY_RECURRENCE: return 7 * Day;
    default: return Day;
    }
}

class Expander {
public:
    // `work` is the rule work spent so far, shared by every expander of one question.
    Expander(qint64 from, qint64 to, qint64& work) : m_from(from), m_to(to), m_work(work) {}

    void expand(const Series& series, const Visit& visit);

private:
    struct Exclusions {
        std::vector<qint64> moments;
        std::vector<QDate> dates;
        // Sorted, as a file may list many thousands.
        void sort()
        {
            std::sort(moments.begin(), moments.end());
            std::sort(dates.begin(), dates.end());
        }
        bool contains(const icaltimetype& wall, qint64 moment) const
        {
            return std::binary_search(moments.begin(), moments.end(), moment)
                || (!dates.empty() && std::binary_search(dates.begin(), dates.end(), QDate(wall.year, wall.month, wall.day)));
        }
    };

    struct Skip {
        icaltimetype wall;  // where the walk begins, a period's first day at midnight
        qint64 moment;
        qint64 counted;     // occurrences before it
    };

    bool inRange(qint64 moment) const { return moment >= m_from && moment < m_to; }
    static std::optional<Skip> skipWholePeriods(const icalrecurrencetype& rule, const icaltimetype& wallStart,
                                                const icaltimezone* zone, qint64 walkFrom);
    void walkRule(icalrecurrencetype rule, const icaltimetype& start, const Exclusions& exclusions,
                  icalcomponent* master, const Visit& visit);
    void charge(qint64 fromMoment, qint64 toMoment, icalrecurrencetype_frequency frequency);

    qint64 m_from;
    qint64 m_to;
    qint64& m_work;
};

void Expander::charge(qint64 fromMoment, qint64 toMoment, icalrecurrencetype_frequency frequency)
{
    m_work += std::max<qint64>(0, toMoment - fromMoment) / workUnit(frequency) + 1;
    if (m_work > MaxRecurrenceWork)
        throw ImportError(tr("The calendar's repeating appointments are too many, or repeat too finely, to work out."));
}

void Expander::expand(const Series& series, const Visit& visit)
{
    icalcomponent* master = series.master;
    if (isCancelled(master))
        return;
    const icaltimetype start = startOf(master);
    const qint64 startMoment = momentOf(start);
    const bool recurs = icalcomponent_get_first_property(master, ICAL_RRULE_PROPERTY)
                     || icalcomponent_get_first_property(master, ICAL_RDATE_PROPERTY);

    Exclusions exclusions;
    if (recurs) {
        for (icalcomponent* moved : series.overrides) {
            icalproperty* id = icalcomponent_get_first_property(moved, ICAL_RECURRENCEID_PROPERTY);
            exclusions.moments.push_back(momentOf(zonedTime(id, icalproperty_get_recurrenceid(id))));
        }
        for (icalproperty* p = icalcomponent_get_first_property(master, ICAL_EXDATE_PROPERTY); p;
             p = icalcomponent_get_next_property(master, ICAL_EXDATE_PROPERTY)) {
            const icaltimetype left = zonedTime(p, icalproperty_get_exdate(p));
            if (left.is_date)
                exclusions.dates.push_back(QDate(left.year, left.month, left.day));
            else
                exclusions.moments.push_back(momentOf(left));
        }
    } else {
        // A single event whose only occurrence is moved lists it once more as
        // an override; the override stands for it.
        for (icalcomponent* moved : series.overrides) {
            icalproperty* id = icalcomponent_get_first_property(moved, ICAL_RECURRENCEID_PROPERTY);
            exclusions.moments.push_back(momentOf(zonedTime(id, icalproperty_get_recurrenceid(id))));
        }
    }

    exclusions.sort();
    if (inRange(startMoment) && !exclusions.contains(start, startMoment))
        visit(master, start, startMoment);
    for (icalproperty* p = icalcomponent_get_first_property(master, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(master, ICAL_RRULE_PROPERTY))
        walkRule(icalproperty_get_rrule(p), start, exclusions, master, visit);
    for (icalproperty* p = icalcomponent_get_first_property(master, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(master, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype rdate = icalproperty_get_rdate(p);
        icaltimetype extra = zonedTime(p, icaltime_is_null_time(rdate.time) ? rdate.period.start : rdate.time);
        const qint64 moment = momentOf(extra);
        if (moment != startMoment && inRange(moment) && !exclusions.contains(extra, moment))
            visit(master, extra, moment);
    }
    for (icalcomponent* moved : series.overrides) {
        if (isCancelled(moved))
            continue;
        const icaltimetype movedStart = startOf(moved);
        const qint64 moment = momentOf(movedStart);
        if (inRange(moment))
            visit(moved, movedStart, moment);
    }
}

std::optional<Expander::Skip> Expander::skipWholePeriods(const icalrecurrencetype& rule, const icaltimetype& wallStart,
                                                         const icaltimezone* zone, qint64 walkFrom)
{
    // A counted rule must count every occurrence from its start, and libical
    // has no way to begin a counted walk later. Daily and weekly rules without
    // BY parts but plain weekdays have the same number of occurrences in every
    // period but the first, so the periods before the range are counted here:
    // libical walks the first period, the whole ones are multiplied out.
    if (!hasOnlyRegularParts(rule) || (rule.freq != ICAL_DAILY_RECURRENCE && rule.freq != ICAL_WEEKLY_RECURRENCE))
        return std::nullopt;
    const QDate startDay(wallStart.year, wallStart.month, wallStart.day);
    int perPeriod = 1;
    int periodDays = rule.interval;
    QDate firstPeriod = startDay;
    if (rule.freq == ICAL_WEEKLY_RECURRENCE) {
        QList<int> days;
        for (const short* day = rule.by_day; *day != ICAL_RECURRENCE_ARRAY_MAX; ++day) {
            if (!days.contains(*day))
                days << *day;
        }
        perPeriod = std::max<int>(1, int(days.size()));
        periodDays = 7 * rule.interval;
        // libical numbers weekdays from Sunday = 1, Qt from Monday = 1.
        const int weekStart = rule.week_start == ICAL_NO_WEEKDAY ? 1 : (int(rule.week_start) + 5) % 7 + 1;
        firstPeriod = startDay.addDays(-((startDay.dayOfWeek() - weekStart + 7) % 7));
    }
    const QDate secondPeriod = firstPeriod.addDays(periodDays);
    const icaltimetype from = wallTimeAt(walkFrom, zone, false);
    const qint64 periods = secondPeriod.daysTo(QDate(from.year, from.month, from.day)) / periodDays;
    if (periods <= 0)
        return std::nullopt;

    icalrecur_iterator* first = icalrecur_iterator_new(rule, wallStart);
    if (!first)
        return std::nullopt;
    int inFirstPeriod = 0;
    for (icaltimetype t = icalrecur_iterator_next(first); !icaltime_is_null_time(t) && inFirstPeriod <= perPeriod + 1;
         t = icalrecur_iterator_next(first)) {
        if (QDate(t.year, t.month, t.day) >= secondPeriod)
            break;
        ++inFirstPeriod;
    }
    icalrecur_iterator_free(first);

    Skip skip;
    skip.counted = inFirstPeriod + periods * perPeriod;
    const QDate day = secondPeriod.addDays(periods * periodDays);
    skip.wall = wallStart;
    skip.wall.year = day.year();
    skip.wall.month = day.month();
    skip.wall.day = day.day();
    skip.wall.hour = skip.wall.minute = skip.wall.second = 0;
    icaltimetype at = skip.wall;
    at.zone = zone;
    skip.moment = momentOf(at);
    return skip;
}

void Expander::walkRule(icalrecurrencetype rule, const icaltimetype& start, const Exclusions& exclusions,
                        icalcomponent* master, const Visit& visit)
{
    // libical walks the rule in wall time of the start's zone, as the rule
    // means it (an appointment at 9 stays at 9 across a change of daylight
    // saving); each wall time is then put back into that zone.
    const icaltimezone* zone = start.zone;
    const bool isDate = start.is_date;
    const qint64 startMoment = momentOf(start);
    icaltimetype wallStart = start;
    wallStart.zone = nullptr;

    const qint64 margin = Day;  // wall times and moments differ by less than a day
    qint64 endMoment = m_to + margin;
    if (!icaltime_is_null_time(rule.until)) {
        icaltimetype until = rule.until;
        if (!until.is_date && !icaltime_is_utc(until))
            until.zone = zone;  // a floating UNTIL means the start's own zone
        endMoment = std::min(endMoment, momentOf(until));
    }
    if (rule.count > 0 && hasOnlyRegularParts(rule))
        endMoment = std::min(endMoment, startMoment + (qint64(rule.count) + 1) * rule.interval * longestPeriod(rule.freq));
    if (endMoment < m_from - margin || startMoment >= m_to)
        return;
    // The walk ends at the range, whatever the rule says, so a rule that never
    // ends costs no more than one that ends tomorrow.
    rule.until = wallTimeAt(endMoment, zone, isDate);

    // Where the walk begins, and how many occurrences of a counted rule come before.
    qint64 walkFrom = startMoment;
    icaltimetype wallFrom = wallStart;
    qint64 counted = 0;
    if (m_from - margin > startMoment) {
        if (rule.count == 0) {
            walkFrom = m_from - margin;
            wallFrom = wallTimeAt(walkFrom, zone, isDate);
        } else if (const auto skip = skipWholePeriods(rule, wallStart, zone, m_from - margin)) {
            walkFrom = skip->moment;
            wallFrom = skip->wall;
            counted = skip->counted;
        }
    }
    charge(walkFrom, endMoment, rule.freq);
    const qint64 count = rule.count;
    if (count > 0 && counted >= count)
        return;
    if (walkFrom != startMoment)
        rule.count = 0;  // libical begins no counted walk late; the count is kept here

    icalrecur_iterator* walk = icalrecur_iterator_new(rule, wallStart);
    if (!walk)
        throw ImportError(tr("The repetition rule of an appointment (%1) cannot be followed.")
                              .arg(QString::fromUtf8(icalcomponent_get_summary(master) ? icalcomponent_get_summary(master) : "")));
    const std::unique_ptr<icalrecur_iterator, void (*)(icalrecur_iterator*)> owner(walk, icalrecur_iterator_free);
    if (walkFrom != startMoment)
        icalrecur_iterator_set_start(walk, wallFrom);
    for (icaltimetype wall = icalrecur_iterator_next(walk); !icaltime_is_null_time(wall);
         wall = icalrecur_iterator_next(walk)) {
        if (count > 0 && ++counted > count)
            break;
        icaltimetype at = wall;
        at.zone = zone;
        const qint64 moment = momentOf(at);
        if (moment >= m_to)
            break;
        if (moment < m_from || moment == startMoment || exclusions.contains(wall, moment))
            continue;
        if (!visit(master, at, moment))
            break;
    }
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
            return name.size() > MaxNameLength ? name.left(MaxNameLength - 1) + QChar(0x2026) : name;
    }
    return QStringLiteral("Busy");
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

qint64 localMoment(const QDate& day) { return QDateTime(day, QTime(0, 0)).toSecsSinceEpoch(); }

// The earliest (or latest) moment of an occurrence in [from, to), if any.
std::optional<qint64> outermost(const CalendarFile& calendar, qint64 from, qint64 to, bool latest, qint64& work)
{
    Expander expander(from, to, work);
    std::optional<qint64> found;
    for (const Series& series : calendar.series()) {
        expander.expand(series, [&](icalcomponent*, const icaltimetype&, qint64 moment) {
            if (!found || (latest ? moment > *found : moment < *found))
                found = moment;
            return latest;  // the first of each rule is its earliest
        });
    }
    return found;
}

}  // namespace

std::vector<Appointment> appointmentsBetween(const CalendarFile& calendar, const QDateTime& from, const QDateTime& to)
{
    qint64 work = 0;
    Expander expander(from.toSecsSinceEpoch(), to.toSecsSinceEpoch(), work);
    std::vector<Appointment> result;
    for (const Series& series : calendar.series()) {
        expander.expand(series, [&](icalcomponent* source, const icaltimetype& start, qint64 moment) {
            if (result.size() >= size_t(MaxWeekAppointments))
                throw ImportError(tr("The week holds more than %1 appointments, more than Dorvane imports.")
                                      .arg(MaxWeekAppointments));
            result.push_back(appointment(source, start, moment));
            return true;
        });
    }
    std::sort(result.begin(), result.end(), [](const Appointment& a, const Appointment& b) {
        return a.start != b.start ? a.start < b.start : a.name < b.name;
    });
    const auto hourOf = [](const Appointment& a) { return a.start.toSecsSinceEpoch() / 3600; };
    for (size_t first = 0, i = 0; i < result.size(); ++i) {
        if (hourOf(result[i]) != hourOf(result[first]))
            first = i;
        if (!result[i].allDay && i - first >= size_t(MaxHourAppointments))
            throw ImportError(tr("More than %1 appointments start in the hour from %2, more than Dorvane imports.")
                                  .arg(MaxHourAppointments)
                                  .arg(QLocale().toString(result[i].start, QLocale::ShortFormat)));
    }
    return result;
}

std::optional<QDate> suggestedDay(const CalendarFile& calendar, const QDateTime& now)
{
    if (calendar.series().empty())
        return std::nullopt;
    const QDate today = now.date();
    try {
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
    } catch (const ImportError&) {
        // Too costly to search: the week of today is as good a start as any.
    }
    return today;
}

}  // namespace calendar
