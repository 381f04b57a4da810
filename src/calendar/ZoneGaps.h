#pragma once

#include <libical/ical.h>

#include <QtGlobal>

#include <map>
#include <vector>

namespace calendar {

// The wall times time zones skip (the hour lost when daylight saving time
// begins), searched for once per zone and range and remembered for the next
// question. Moments as in EventTime.h, seconds since 1970-01-01 00:00 UTC.
// The zones are not owned; they must outlive this.
class ZoneGaps {
public:
    // Wall times a zone skips, as seconds since 1970-01-01 00:00 of its wall
    // clock: [from, to).
    struct Gap {
        qint64 from;
        qint64 to;
    };

    // The gaps of `zone` (floating: local time) from `from` to `to` at least,
    // and any others already found, in order.
    const std::vector<Gap>& of(const icaltimezone* zone, qint64 from, qint64 to);

private:
    // The gaps of one zone found so far, in order, and the moments searched.
    struct Known {
        qint64 from = 0;
        qint64 to = 0;
        std::vector<Gap> gaps;
    };

    std::map<const icaltimezone*, Known> m_known;
};

}  // namespace calendar
