#include "Occurrences.h"

#include "EventTime.h"
#include "errors/UserError.h"
#include "ImportLimits.h"
#include "LocalTime.h"
#include "PropertyList.h"
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

// The whole name of `event`, on one line; see name().
QString wholeNameOf(icalcomponent* event)
{
    for (const char* text : {icalcomponent_get_summary(event), icalcomponent_get_location(event)}) {
        QString name = QString::fromUtf8(text ? text : "");
        name.replace(QLatin1String("\r\n"), QLatin1String(" "));
        name.replace(QLatin1Char('\n'), QLatin1Char(' '));
        name.replace(QLatin1Char('\r'), QLatin1Char(' '));
        name = name.trimmed();
        if (!name.isEmpty())
            return name;
    }
    //: The name an appointment gets in the planner when it has neither a summary nor a location
    return QCoreApplication::translate("calendar::Occurrences", "Busy");
}

// What the occurrences of one event take from it, worked out once for them
// all: its name, cut as shortened() cuts it, and what the import guessed
// about its times.
struct EventTexts {
    QString name;
    bool shortened = false;
    QString guess;

    explicit EventTexts(icalcomponent* event) : guess(guessAbout(event))
    {
        const QString whole = wholeNameOf(event);
        name = calendar::shortened(whole);
        shortened = whole.size() > MaxNameLength;
    }
};

// The texts of the event last asked for, kept: a rule's occurrences come one
// after another, and the names of thousands of them share one string.
class TextsOfLastEvent {
public:
    const EventTexts& of(icalcomponent* event)
    {
        if (event != m_event || !m_texts) {
            m_texts.emplace(event);
            m_event = event;
        }
        return *m_texts;
    }

private:
    icalcomponent* m_event = nullptr;
    std::optional<EventTexts> m_texts;
};

Appointment appointment(const EventTexts& texts, const icaltimetype& start, qint64 moment)
{
    Appointment result;
    result.allDay = start.is_date;
    result.moment = moment;
    if (result.allDay) {
        result.date = QDate(start.year, start.month, start.day);
        result.time = QTime(0, 0);
    } else {
        const LocalWallTime wall = localWallTimeAt(moment);
        result.date = wall.date;
        result.time = wall.time;
    }
    result.name = texts.name;
    result.shortened = texts.shortened;
    result.guess = texts.guess;
    return result;
}

// An event that is not worked out, listed with its start where that can be read.
Appointment leftOut(icalcomponent* event, const QString& problem)
{
    Appointment result;
    if (icalproperty* start = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
        start && isValidTime(icalproperty_get_dtstart(start))) {
        const icaltimetype time = startOf(event);
        result = appointment(EventTexts(event), time, momentOf(time));
    } else {
        const QString whole = wholeNameOf(event);
        result.name = shortened(whole);
        result.shortened = whole.size() > MaxNameLength;
    }
    result.guess.clear();  // the problem says all there is to say
    result.problem = problem;
    return result;
}

// The first appointment of `sorted` (ordered by start) that has more than
// MaxHourAppointments timed ones before it in its hour, if any.
const Appointment* crowdedHour(const std::vector<Appointment>& sorted)
{
    const auto hourOf = [](const Appointment& a) { return a.moment / 3600; };
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
        return a.moment != b.moment ? a.moment < b.moment : a.name < b.name;
    });
}

qint64 localMoment(const QDate& day) { return localMomentOf(day, QTime(0, 0)); }

// The earliest (or latest) moment of an occurrence in [from, to), if any.
// Events that cannot be worked out are passed over.
std::optional<qint64> outermost(const CalendarFile& calendar, qint64 from, qint64 to, bool latest, qint64& work)
{
    RecurrenceExpander expander(from, to, work);
    std::optional<qint64> found;
    for (const Series& series : calendar.series()) {
        if (series.latest < from || series.earliest >= to)
            continue;
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

// True when a rule of `event` repeats by the hour, minute or second.
bool repeatsWithinDays(icalcomponent* event)
{
    for (icalproperty* p : propertiesOf(event, ICAL_RRULE_PROPERTY)) {
        const icalrecurrencetype_frequency frequency = icalproperty_get_rrule(p).freq;
        if (frequency == ICAL_SECONDLY_RECURRENCE || frequency == ICAL_MINUTELY_RECURRENCE
            || frequency == ICAL_HOURLY_RECURRENCE)
            return true;
    }
    return false;
}

// True for an appointment the pages of `hours` have a row for.
bool heldBy(const Appointment& appointment, const week::HourRange& hours)
{
    return !appointment.allDay && hours.rowOf(appointment.time.hour()) >= 0;
}

// The appointments of each range between two neighbouring `bounds`
// (moments, in order), each as appointmentsBetween gives them for that range
// alone, with the rule work of MaxRecurrenceWork for each range. Rules by
// the day and longer are walked once over all of them, and an event of them
// that cannot be worked out is listed in every range its occurrences may
// reach. Throws the errors::UserError of the first range that has one.
std::vector<std::vector<Appointment>> appointmentsIn(const CalendarFile& calendar, const std::vector<qint64>& bounds,
                                                     const week::HourRange& hours)
{
    const size_t ranges = bounds.size() - 1;
    qint64 work = 0;
    RecurrenceExpander expander(bounds.front(), bounds.back(), work, int(ranges));
    auto rangeOf = [&](qint64 moment) {
        const auto after = std::upper_bound(bounds.begin(), bounds.end() - 1, moment);
        return after == bounds.begin() ? size_t(0) : size_t(after - bounds.begin() - 1);
    };
    std::vector<std::vector<Appointment>> result(ranges);
    std::vector<int> heldIn(ranges, 0);  // of result's, those the hours hold
    std::vector<std::vector<Appointment>> leftOutEvents(ranges);
    std::vector<std::optional<QString>> refusals(ranges);  // a range with too many appointments
    // Occurrences of the event at hand: all, and those the hours hold.
    std::vector<int> counts(ranges, 0), held(ranges, 0);
    auto overLimit = [&](size_t range) { return counts[range] > MaxWeekOccurrences || held[range] > MaxWeekAppointments; };
    std::vector<std::pair<size_t, Appointment>> own;
    bool stopWhenFull = ranges == 1;
    TextsOfLastEvent texts;
    const RecurrenceExpander::Visit visit = [&](icalcomponent* source, const icaltimetype& start, qint64 moment) {
        const size_t range = rangeOf(moment);
        ++counts[range];
        if (!overLimit(range)) {
            Appointment found = appointment(texts.of(source), start, moment);
            held[range] += heldBy(found, hours);
            own.emplace_back(range, std::move(found));
        }
        return !stopWhenFull || !overLimit(range);
    };
    // Settles the occurrences in `own`, or lists the event as left out in
    // the ranges from `first` to `last` when it has a `problem`.
    auto settle = [&](const Series& series, const std::optional<QString>& problem, size_t first, size_t last) {
        if (problem) {
            const Appointment listed = leftOut(series.master, *problem);
            for (size_t range = first; range <= last; ++range)
                leftOutEvents[range].push_back(listed);
        }
        std::stable_sort(own.begin(), own.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto group = own.begin(); group != own.end();) {
            const size_t range = group->first;
            const auto end = std::find_if(group, own.end(), [range](const auto& entry) { return entry.first != range; });
            std::vector<Appointment> mine;
            for (auto entry = group; entry != end; ++entry)
                mine.push_back(std::move(entry->second));
            group = end;
            std::optional<QString> crowded;
            if (overLimit(range))
                crowded = QCoreApplication::translate("calendar::Occurrences",
                                                      "repeats more than %1 times in the week, more than Dorvane imports")
                              .arg(counts[range] > MaxWeekOccurrences ? MaxWeekOccurrences : MaxWeekAppointments);
            if (!crowded && mine.size() > size_t(MaxHourAppointments)) {
                sortByStart(mine);
                if (crowdedHour(mine))
                    crowded = QCoreApplication::translate(
                                  "calendar::Occurrences",
                                  "repeats more than %1 times in one hour, more than Dorvane imports")
                                  .arg(MaxHourAppointments);
            }
            const int mineHeld = held[range];
            counts[range] = held[range] = 0;
            if (problem)
                continue;
            if (crowded) {
                leftOutEvents[range].push_back(leftOut(series.master, *crowded));
                continue;
            }
            std::vector<Appointment>& into = result[range];
            const bool tooMany = into.size() + mine.size() > size_t(MaxWeekOccurrences);
            if (refusals[range] || tooMany || heldIn[range] + mineHeld > MaxWeekAppointments) {
                refusals[range] = QCoreApplication::translate(
                                      "calendar::Occurrences",
                                      "The week holds more than %1 appointments, more than Dorvane imports.")
                                      .arg(tooMany ? MaxWeekOccurrences : MaxWeekAppointments);
                continue;
            }
            heldIn[range] += mineHeld;
            into.insert(into.end(), std::make_move_iterator(mine.begin()), std::make_move_iterator(mine.end()));
        }
        own.clear();
    };
    std::vector<qint64> workOfRange(ranges, 0);
    for (const Series& series : calendar.series()) {
        if (series.latest < bounds.front() || series.earliest >= bounds.back())
            continue;
        // An event is worked out whole in a range or listed as left out there: never in part.
        const size_t first = rangeOf(std::max(series.earliest, bounds.front()));
        const size_t last = rangeOf(std::min(series.latest, bounds.back() - 1));
        if (ranges > 1 && repeatsWithinDays(series.master)) {
            // Rules by the hour, minute or second cost their work in each
            // range alone, and are worked out range by range, as a question
            // about that range alone would: the others' walks are a few
            // periods a range, and are walked once for them all.
            stopWhenFull = true;
            for (size_t range = first; range <= last; ++range) {
                RecurrenceExpander alone(bounds[range], bounds[range + 1], workOfRange[range]);
                settle(series, alone.expand(series, visit), range, range);
            }
            stopWhenFull = ranges == 1;
        } else {
            settle(series, expander.expand(series, visit), first, last);
        }
    }
    for (size_t range = 0; range < ranges; ++range) {
        if (refusals[range])
            throw errors::UserError(*refusals[range]);
        std::vector<Appointment>& appointments = result[range];
        sortByStart(appointments);
        if (const Appointment* crowded = crowdedHour(appointments))
            throw errors::UserError(QCoreApplication::translate(
                                  "calendar::Occurrences",
                                  "More than %1 appointments start in the hour from %2, more than Dorvane imports.")
                                  .arg(MaxHourAppointments)
                                  .arg(QLocale().toString(QDateTime(crowded->date, crowded->time), QLocale::ShortFormat)));
        appointments.insert(appointments.end(), leftOutEvents[range].begin(), leftOutEvents[range].end());
        for (const Unreadable& entry : calendar.unreadable())
            appointments.push_back(leftOut(entry.event, entry.reason));
    }
    return result;
}

}  // namespace

std::vector<Appointment> appointmentsBetween(const CalendarFile& calendar, const QDateTime& from, const QDateTime& to,
                                             const week::HourRange& hours)
{
    return std::move(appointmentsIn(calendar, {from.toSecsSinceEpoch(), to.toSecsSinceEpoch()}, hours).front());
}

std::vector<std::vector<Appointment>> appointmentsOfWeeks(const CalendarFile& calendar, const QDate& firstMonday, int weeks,
                                                          const week::HourRange& hours)
{
    if (weeks < 1)
        return {};
    std::vector<qint64> bounds;
    for (int week = 0; week <= weeks; ++week)
        bounds.push_back(localMomentOf(firstMonday.addDays(7 * qint64(week)), QTime(0, 0)));
    return appointmentsIn(calendar, bounds, hours);
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
            return localWallTimeAt(*next).date;
        from = to;
    }
    if (const auto next = outermost(calendar, from, end, false, work))
        return localWallTimeAt(*next).date;
    if (const auto last = outermost(calendar, localMoment(QDate(FirstYear, 1, 1)), nowMoment, true, work))
        return localWallTimeAt(*last).date;
    return today;
}

}  // namespace calendar
