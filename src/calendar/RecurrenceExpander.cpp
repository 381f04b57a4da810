#include "RecurrenceExpander.h"

#include "EventTime.h"
#include "ImportLimits.h"
#include "LocalTime.h"
#include "PropertyList.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>
#include <memory>
#include <tuple>

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

// The periods of a daily or weekly rule with only regular parts: every
// period after the first holds the same days, at the start's time of day,
// which date arithmetic finds far quicker than libical's calendar does.
struct RegularPeriods {
    QDate firstPeriod;         // the first day of the period the start lies in
    int periodDays = 1;
    std::vector<int> offsets;  // of the days that occur from a period's first day, in order

    QDate secondPeriod() const { return firstPeriod.addDays(periodDays); }
    int perPeriod() const { return int(offsets.size()); }
    // For a day of the second period or later.
    bool occursOn(const QDate& date) const
    {
        const qint64 offset = firstPeriod.daysTo(date) % periodDays;
        return std::find(offsets.begin(), offsets.end(), int(offset)) != offsets.end();
    }
};

std::optional<RegularPeriods> regularPeriods(const icalrecurrencetype& rule, const QDate& startDay)
{
    if (!hasOnlyRegularParts(rule) || (rule.freq != ICAL_DAILY_RECURRENCE && rule.freq != ICAL_WEEKLY_RECURRENCE))
        return std::nullopt;
    RegularPeriods periods;
    periods.firstPeriod = startDay;
    periods.periodDays = rule.interval;
    periods.offsets = {0};
    if (rule.freq == ICAL_WEEKLY_RECURRENCE) {
        // libical numbers weekdays from Sunday = 1, Qt from Monday = 1.
        const int weekStart = rule.week_start == ICAL_NO_WEEKDAY ? 1 : (int(rule.week_start) + 5) % 7 + 1;
        auto offsetOf = [weekStart](int weekday) { return (weekday - weekStart + 7) % 7; };
        periods.offsets.clear();
        for (const short* day = rule.by_day; *day != ICAL_RECURRENCE_ARRAY_MAX; ++day)
            periods.offsets.push_back(offsetOf((int(icalrecurrencetype_day_day_of_week(*day)) + 5) % 7 + 1));
        if (periods.offsets.empty())
            periods.offsets.push_back(offsetOf(startDay.dayOfWeek()));
        std::sort(periods.offsets.begin(), periods.offsets.end());
        periods.offsets.erase(std::unique(periods.offsets.begin(), periods.offsets.end()), periods.offsets.end());
        periods.periodDays = 7 * rule.interval;
        periods.firstPeriod = startDay.addDays(-offsetOf(startDay.dayOfWeek()));
    }
    return periods;
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
    // has no way to begin a counted walk later. Regular rules have the same
    // number of occurrences in every period but the first, so the periods
    // before the range are counted here: libical walks the first period, the
    // whole ones are multiplied out, less the occurrences whose wall time a
    // change to daylight saving time skips.
    const QDate startDay(wallStart.year, wallStart.month, wallStart.day);
    const std::optional<RegularPeriods> regular = regularPeriods(rule, startDay);
    if (!regular)
        return std::nullopt;
    const int perPeriod = regular->perPeriod();
    const int periodDays = regular->periodDays;
    const QDate secondPeriod = regular->secondPeriod();
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
                if (regular->occursOn(date))
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

    // Takes one occurrence the walk gives, in wall time; false where the walk ends.
    auto take = [&](const icaltimetype& wall) {
        icaltimetype at = wall;
        at.zone = zone;
        const qint64 moment = momentOf(at);
        // Only counted rules need to know of every occurrence before the range.
        if (count == 0 && moment < m_from)
            return true;
        if (moment != startMoment && !isRealWallTime(at, moment))
            return true;
        if (count > 0 && ++counted > count)
            return false;
        if (moment >= m_to)
            return false;
        if (moment < m_from || moment == startMoment || exclusions.contains(wall, moment))
            return true;
        return visit(master, at, moment);
    };

    // A regular rule's periods after the first are worked out by date
    // arithmetic from where the walk begins; libical walks the first period
    // (where the start may lie off the rule's days) and every other rule.
    // Not a rule every few weeks: libical (3.0) sets the weeks of some of
    // those apart from the start's week (WKST=TU to SA, or Sundays alone).
    std::optional<RegularPeriods> regular = regularPeriods(rule, QDate(wallStart.year, wallStart.month, wallStart.day));
    if (rule.freq == ICAL_WEEKLY_RECURRENCE && rule.interval > 1)
        regular.reset();
    qint64 period = 1;
    if (regular)
        period = regular->firstPeriod.daysTo(QDate(wallFrom.year, wallFrom.month, wallFrom.day)) / regular->periodDays;
    if (!regular || period < 1) {
        icalrecur_iterator* walk = icalrecur_iterator_new(rule, wallStart);
        if (!walk)
            throw Stop{QCoreApplication::translate("calendar::RecurrenceExpander",
                                                   "has a repetition rule (RRULE) that cannot be followed")};
        const std::unique_ptr<icalrecur_iterator, void (*)(icalrecur_iterator*)> owner(walk, icalrecur_iterator_free);
        if (!regular && walkFrom != startMoment)
            icalrecur_iterator_set_start(walk, wallFrom);
        const QDate secondPeriod = regular ? regular->secondPeriod() : QDate();
        for (icaltimetype wall = icalrecur_iterator_next(walk); !icaltime_is_null_time(wall);
             wall = icalrecur_iterator_next(walk)) {
            if (regular && QDate(wall.year, wall.month, wall.day) >= secondPeriod)
                break;
            if (!take(wall))
                return;
        }
        if (!regular)
            return;
        period = 1;
    }
    // As libical ends the walk: after the last wall time not later than UNTIL.
    const icaltimetype& until = rule.until;
    auto beyondUntil = [&](const icaltimetype& wall) {
        const auto date = [](const icaltimetype& t) { return std::tie(t.year, t.month, t.day); };
        const auto time = [](const icaltimetype& t) { return std::tie(t.hour, t.minute, t.second); };
        return date(wall) > date(until) || (date(wall) == date(until) && !isDate && time(wall) > time(until));
    };
    for (;; ++period) {
        const QDate periodStart = regular->firstPeriod.addDays(period * regular->periodDays);
        for (const int offset : regular->offsets) {
            const QDate day = periodStart.addDays(offset);
            icaltimetype wall = wallStart;
            wall.year = day.year();
            wall.month = day.month();
            wall.day = day.day();
            if (beyondUntil(wall) || !take(wall))
                return;
        }
    }
}

}  // namespace calendar
