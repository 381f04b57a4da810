#include "RecurrenceExpander.h"

#include "EventTime.h"
#include "ImportLimits.h"
#include "LocalTime.h"
#include "PropertyList.h"

#include <QCoreApplication>
#include <QList>

#include <algorithm>
#include <limits>
#include <memory>

namespace calendar {
namespace {

// Why a walk stops short, thrown from deep in it to expand().
struct Stop {
    QString reason;
};

bool isCancelled(icalcomponent* event) { return icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED; }

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
    case ICAL_SECONDLY_RECURRENCE: return 1;
    case ICAL_MINUTELY_RECURRENCE: return 60;
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
    case ICAL_SECONDLY_RECURRENCE: return 1;
    case ICAL_MINUTELY_RECURRENCE: return 60;
    case ICAL_HOURLY_RECURRENCE: return 3600;
    case ICAL_WEEKLY_RECURRENCE: return 7 * Day;
    default: return Day;
    }
}

// The last moment the walk of `rule` from `start` (at `startMoment`) needs
// to reach; the largest qint64 when the rule has no end.
qint64 ruleEnd(const icalrecurrencetype& rule, const icaltimetype& start, qint64 startMoment)
{
    qint64 end = std::numeric_limits<qint64>::max();
    if (!icaltime_is_null_time(rule.until)) {
        icaltimetype until = rule.until;
        if (!until.is_date && !icaltime_is_utc(until))
            until.zone = start.zone;  // a floating UNTIL means the start's own zone
        end = std::min(end, momentOf(until));
    }
    if (rule.count > 0 && hasOnlyRegularParts(rule)) {
        // One period more than the count needs, and one for each half year
        // for occurrences a change of daylight saving time skips.
        const qint64 period = rule.interval * longestPeriod(rule.freq);
        const qint64 span = (qint64(rule.count) + 1) * period;
        end = std::min(end, startMoment + span + (span / (182 * Day) + 1) * period);
    }
    return end;
}

}  // namespace

std::pair<qint64, qint64> RecurrenceExpander::reach(const Series& series)
{
    // As expand() and walkRule() bound their work: the start, each rule's
    // end, the extra dates and the moved occurrences.
    const icaltimetype start = startOf(series.master);
    const qint64 startMoment = momentOf(start);
    qint64 earliest = startMoment;
    qint64 latest = startMoment;
    for (icalproperty* p : propertiesOf(series.master, ICAL_RRULE_PROPERTY))
        latest = std::max(latest, ruleEnd(icalproperty_get_rrule(p), start, startMoment));
    for (icalproperty* p : propertiesOf(series.master, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype rdate = icalproperty_get_rdate(p);
        const qint64 moment = momentOf(zonedTime(p, icaltime_is_null_time(rdate.time) ? rdate.period.start : rdate.time));
        earliest = std::min(earliest, moment);
        latest = std::max(latest, moment);
    }
    for (icalcomponent* moved : series.overrides) {
        const qint64 moment = momentOf(startOf(moved));
        earliest = std::min(earliest, moment);
        latest = std::max(latest, moment);
    }
    constexpr qint64 Margin = 2 * Day;
    constexpr qint64 Largest = std::numeric_limits<qint64>::max();
    return {earliest - Margin, latest >= Largest - Margin ? Largest : latest + Margin};
}

struct RecurrenceExpander::Exclusions {
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

struct RecurrenceExpander::Skip {
    icaltimetype wall;  // where the walk begins, a period's first day at midnight
    qint64 moment;
    qint64 counted;     // occurrences before it
};

void RecurrenceExpander::charge(qint64 fromMoment, qint64 toMoment, icalrecurrencetype_frequency frequency)
{
    // A rule that would take the work past its bound is not walked at all, so
    // that the events after it still have the rest.
    const qint64 work = std::max<qint64>(0, toMoment - fromMoment) / workUnit(frequency) + 1;
    if (m_work + work > MaxRecurrenceWork * m_ranges)
        throw Stop{QCoreApplication::translate("calendar::RecurrenceExpander",
                                               "repeats too often, or too finely, to work out")};
    m_work += work;
}

std::optional<QString> RecurrenceExpander::expand(const Series& series, const Visit& visit)
{
    // The properties are listed before the walk: visiting an occurrence reads
    // the event's name, which moves libical's cursor over its properties.
    icalcomponent* master = series.master;
    if (isCancelled(master))
        return std::nullopt;
    const icaltimetype start = startOf(master);
    const qint64 startMoment = momentOf(start);
    const std::vector<icalproperty*> rules = propertiesOf(master, ICAL_RRULE_PROPERTY);
    const std::vector<icalproperty*> extraDates = propertiesOf(master, ICAL_RDATE_PROPERTY);
    const bool recurs = !rules.empty() || !extraDates.empty();

    Exclusions exclusions;
    if (recurs) {
        for (icalcomponent* moved : series.overrides) {
            icalproperty* id = icalcomponent_get_first_property(moved, ICAL_RECURRENCEID_PROPERTY);
            exclusions.moments.push_back(momentOf(zonedTime(id, icalproperty_get_recurrenceid(id))));
        }
        for (icalproperty* p : propertiesOf(master, ICAL_EXDATE_PROPERTY)) {
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
    try {
        for (icalproperty* p : rules)
            walkRule(icalproperty_get_rrule(p), start, exclusions, master, visit);
    } catch (const Stop& stop) {
        return stop.reason;
    }
    for (icalproperty* p : extraDates) {
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
    return std::nullopt;
}

std::optional<RecurrenceExpander::Skip> RecurrenceExpander::skipWholePeriods(const icalrecurrencetype& rule,
                                                                           const icaltimetype& wallStart,
                                                                           const icaltimezone* zone, qint64 walkFrom)
{
    // A counted rule must count every occurrence from its start, and libical
    // has no way to begin a counted walk later. Daily and weekly rules without
    // BY parts but plain weekdays have the same number of occurrences in every
    // period but the first, so the periods before the range are counted here:
    // libical walks the first period, the whole ones are multiplied out, less
    // the occurrences whose wall time a change to daylight saving time skips.
    if (!hasOnlyRegularParts(rule) || (rule.freq != ICAL_DAILY_RECURRENCE && rule.freq != ICAL_WEEKLY_RECURRENCE))
        return std::nullopt;
    const QDate startDay(wallStart.year, wallStart.month, wallStart.day);
    int perPeriod = 1;
    int periodDays = rule.interval;
    QDate firstPeriod = startDay;
    QList<int> weekdays;  // Qt's numbers, Monday = 1
    if (rule.freq == ICAL_WEEKLY_RECURRENCE) {
        for (const short* day = rule.by_day; *day != ICAL_RECURRENCE_ARRAY_MAX; ++day) {
            // libical numbers weekdays from Sunday = 1, Qt from Monday = 1.
            const int weekday = (int(icalrecurrencetype_day_day_of_week(*day)) + 5) % 7 + 1;
            if (!weekdays.contains(weekday))
                weekdays << weekday;
        }
        if (weekdays.isEmpty())
            weekdays << startDay.dayOfWeek();
        perPeriod = int(weekdays.size());
        periodDays = 7 * rule.interval;
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
        icaltimetype at = t;
        at.zone = zone;
        if (icaltime_compare(t, wallStart) == 0 || isRealWallTime(at, momentOf(at)))
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

    if (!wallStart.is_date && zone != icaltimezone_get_utc_timezone()) {
        const qint64 timeOfDay = wallStart.hour * 3600 + wallStart.minute * 60 + wallStart.second;
        icaltimetype periodStart = skip.wall;
        periodStart.year = secondPeriod.year();
        periodStart.month = secondPeriod.month();
        periodStart.day = secondPeriod.day();
        periodStart.zone = zone;
        for (const ZoneGaps::Gap& gap : m_gaps.of(zone, momentOf(periodStart) - Day, skip.moment + Day)) {
            for (qint64 dayNumber = gap.from / Day - 1; dayNumber * Day < gap.to; ++dayNumber) {
                const qint64 wall = dayNumber * Day + timeOfDay;
                const QDate date = QDate::fromJulianDay(dayNumber + UnixDay);
                if (wall < gap.from || wall >= gap.to || date < secondPeriod || date >= day)
                    continue;
                const qint64 offset = firstPeriod.daysTo(date);
                const bool occurs = rule.freq == ICAL_DAILY_RECURRENCE
                                      ? offset % periodDays == 0
                                      : offset / 7 % rule.interval == 0 && weekdays.contains(date.dayOfWeek());
                if (occurs)
                    --skip.counted;
            }
        }
    }
    return skip;
}

void RecurrenceExpander::walkRule(icalrecurrencetype rule, const icaltimetype& start, const Exclusions& exclusions,
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
    qint64 endMoment = std::min(m_to + margin, ruleEnd(rule, start, startMoment));
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
    // The count is kept here, not by libical: libical begins no counted walk
    // late, and it would count the occurrences that are left out.
    rule.count = 0;

    icalrecur_iterator* walk = icalrecur_iterator_new(rule, wallStart);
    if (!walk)
        throw Stop{QCoreApplication::translate("calendar::RecurrenceExpander",
                                               "has a repetition rule (RRULE) that cannot be followed")};
    const std::unique_ptr<icalrecur_iterator, void (*)(icalrecur_iterator*)> owner(walk, icalrecur_iterator_free);
    if (walkFrom != startMoment)
        icalrecur_iterator_set_start(walk, wallFrom);
    for (icaltimetype wall = icalrecur_iterator_next(walk); !icaltime_is_null_time(wall);
         wall = icalrecur_iterator_next(walk)) {
        icaltimetype at = wall;
        at.zone = zone;
        const qint64 moment = momentOf(at);
        // Only counted rules need to know of every occurrence before the range.
        if (count == 0 && moment < m_from)
            continue;
        if (moment != startMoment && !isRealWallTime(at, moment))
            continue;
        if (count > 0 && ++counted > count)
            break;
        if (moment >= m_to)
            break;
        if (moment < m_from || moment == startMoment || exclusions.contains(wall, moment))
            continue;
        if (!visit(master, at, moment))
            break;
    }
}

}  // namespace calendar
