#pragma once

#include "week/HourRange.h"
#include "week/WeekSource.h"

#include <array>
#include <vector>

namespace week {

// A week held in plain members, free of any window: what fixtures, tests and
// benchmarks hand to the planner generator. A fresh Week has an empty title,
// no stores and the classic hours with their texts ("8" to "5").
class Week final : public WeekSource {
public:
    Week();
    // A fresh week of the hours `range`, labelled on `clock`.
    Week(const HourRange& range, Clock clock);

    QString title;
    std::array<std::shared_ptr<const DayStore>, DayPageCount> stores;
    // The hours the pages show and the clock of their labels; the Time
    // texts, one for each row (the labels, unless set otherwise).
    HourRange hours = ClassicHours;
    Clock clock = Clock::TwelveHour;
    QStringList times;

    // Puts `fields` into row `row` of page `page`, making the page's store
    // first (blank rows with the hours' labels) when it has none.
    void setEntry(int page, int row, const EntryFields& fields);

    QString weekTitle() const override { return title; }
    std::shared_ptr<const DayStore> dayStore(int page) const override;
    QString timeText(int row) const override;
    int rowCount() const override { return int(times.size()); }
};

}  // namespace week
