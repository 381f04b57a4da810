#pragma once

#include <libical/ical.h>

#include <QtGlobal>

#include <map>
#include <vector>

namespace calendar {

// The wall times each zone skips (the hour lost when daylight saving time
// begins), searched for once per zone and span and kept: a rule walk asks
// for the same zone again and again. One object per question; not shared
// between threads.
class ZoneGaps {
public:
    // A stretch of wall time the zone skips, as seconds since 1970-01-01
    // 00:00 of its wall clock: [from, to).
    struct Gap {
        qint64 from;
        qint64 to;
    };

    // The gaps of `zone` (floating: local time) between the moments `from`
    // and `to` at least, and any others already found, in order.
    const std::vector<Gap>& of(const icaltimezone* zone, qint64 from, qint64 to);

private:
    struct Searched {
        qint64 from = 0;
        qint64 to = 0;
        std::vector<Gap> gaps;
    };
    std::map<const icaltimezone*, Searched> m_searched;
};

}  // namespace calendar
