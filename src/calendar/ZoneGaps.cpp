#include "ZoneGaps.h"

#include "EventTime.h"
#include "LocalTime.h"

#include <algorithm>

namespace calendar {

const std::vector<ZoneGaps::Gap>& ZoneGaps::of(const icaltimezone* zone, qint64 from, qint64 to)
{
    // Found by the offset a week apart, the change itself then by halving;
    // zones change at most a few times a year, never twice in a week.
    constexpr qint64 Step = 7 * Day;
    auto scan = [zone](qint64 a, qint64 b, std::vector<Gap>& found) {
        qint64 before = offsetAt(a, zone);
        for (qint64 m = a; m < b; m += Step) {
            const qint64 next = std::min(m + Step, b);
            const qint64 after = offsetAt(next, zone);
            if (after > before) {
                qint64 low = m, high = next;  // the offset changes in (low, high]
                while (high - low > 1) {
                    const qint64 middle = low + (high - low) / 2;
                    (offsetAt(middle, zone) == before ? low : high) = middle;
                }
                found.push_back({high + before, high + after});
            }
            before = after;
        }
    };
    Searched& known = m_searched[zone];
    if (known.from == known.to)
        known.from = known.to = from;
    if (from < known.from) {
        std::vector<Gap> earlier;
        scan(from, known.from, earlier);
        known.gaps.insert(known.gaps.begin(), earlier.begin(), earlier.end());
        known.from = from;
    }
    if (to > known.to) {
        scan(known.to, to, known.gaps);
        known.to = to;
    }
    return known.gaps;
}

}  // namespace calendar
