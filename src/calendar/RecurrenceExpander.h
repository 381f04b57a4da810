#pragma once

#include "CalendarFile.h"
#include "ZoneGaps.h"

#include <libical/ical.h>

#include <QString>

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace calendar {

// Works out the occurrences of one event (a Series) in a range of moments
// [from, to): its start, its rules (RRULE) walked with libical, its extra
// dates (RDATE), less its left-out dates (EXDATE) and the occurrences its
// overrides (RECURRENCE-ID) move or cancel; a cancelled event has none.
// Only the range is walked, so a rule that never ends costs no more than one
// that ends in it. Occurrences a rule gives at a wall time its zone skips (the
// hour lost to daylight saving time) are left out and not counted, as are
// dates that do not exist (30 February), which libical never gives.
class RecurrenceExpander {
public:
    // Called for each occurrence in range with the VEVENT it comes from (the
    // master, or an override), its start and its moment (seconds since 1970
    // UTC). Returning false ends the walk of the rule that produced it (rules
    // are walked in order of time).
    using Visit = std::function<bool(icalcomponent* source, const icaltimetype& start, qint64 moment)>;

    // `work` is the rule work spent so far (as in MaxRecurrenceWork), shared
    // by every expander of one question; the expander adds to it. A range of
    // `ranges` weeks asked at once has MaxRecurrenceWork for each.
    RecurrenceExpander(qint64 from, qint64 to, qint64& work, int ranges = 1)
        : m_from(from), m_to(to), m_work(work), m_ranges(std::max(1, ranges))
    {
    }

    // Visits the occurrences of `series` in range. Returns why they could not
    // all be worked out, as the rest of a sentence about the event ("repeats
    // too often, or too finely, to work out"): walking a rule would take the
    // shared work past its budget, or libical cannot follow it. Some
    // occurrences may have been visited before that; the caller drops them.
    std::optional<QString> expand(const Series& series, const Visit& visit);

    // The first and last moment an occurrence of `series` may start at, a
    // day or two wider (floating times move with the local zone): expand()
    // visits nothing, charges no work and finds no fault in a range outside
    // them. The latest is the largest qint64 for a rule without an end.
    static std::pair<qint64, qint64> reach(const Series& series);

private:
    struct Exclusions;
    struct Skip;
    bool inRange(qint64 moment) const { return moment >= m_from && moment < m_to; }
    std::optional<Skip> skipWholePeriods(const icalrecurrencetype& rule, const icaltimetype& wallStart,
                                         const icaltimezone* zone, qint64 walkFrom);
    void walkRule(icalrecurrencetype rule, const icaltimetype& start, const Exclusions& exclusions,
                  icalcomponent* master, const Visit& visit);
    void charge(qint64 fromMoment, qint64 toMoment, icalrecurrencetype_frequency frequency);

    qint64 m_from;
    qint64 m_to;
    qint64& m_work;
    int m_ranges;
    ZoneGaps m_gaps;
};

}  // namespace calendar
