#pragma once

#include "week/DayStore.h"

#include <QString>

#include <memory>

namespace week {

// The week as the planner generator reads it, and all it reads: the title as
// typed, the six day stores, and the Time texts it shows for a left day
// without a store, one for each row (hour) of a page. Readers never change the week through it.
//
// The entry window is one; Week is a plain one for use without any window.
class WeekSource {
public:
    virtual ~WeekSource() = default;

    // The title exactly as typed, not trimmed.
    virtual QString weekTitle() const = 0;
    // The store of day page `page` (0 Monday ... 5 Sat/Sun); null while the
    // page has none, and for a page out of range. A store never changes, so a
    // reader may hold it while window events run.
    virtual std::shared_ptr<const DayStore> dayStore(int page) const = 0;
    // The Time text of row `row` (0 to rowCount() - 1); empty for a row out of range.
    virtual QString timeText(int row) const = 0;
    // The rows of a page, one per hour shown; every store has as many.
    virtual int rowCount() const = 0;
};

}  // namespace week
