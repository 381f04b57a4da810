#pragma once

#include "week/WeekSource.h"

#include <array>

namespace week {

// A week held in plain members, free of any window: what fixtures, tests and
// benchmarks hand to the planner generator. A fresh Week has an empty title,
// no stores and the default hour texts.
class Week final : public WeekSource {
public:
    Week();

    QString title;
    std::array<std::shared_ptr<const DayStore>, DayPageCount> stores;
    std::array<QString, RowCount> times;

    // Puts `fields` into row `row` of page `page`, making the page's store
    // first (blank rows with the hour texts) when it has none.
    void setEntry(int page, int row, const EntryFields& fields);

    QString weekTitle() const override { return title; }
    std::shared_ptr<const DayStore> dayStore(int page) const override;
    QString timeText(int row) const override;
};

}  // namespace week
