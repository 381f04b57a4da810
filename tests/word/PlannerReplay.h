#pragma once

#include "word/Application.h"
#include "word/Document.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace wordtest {

// One week as the planner reads it: the title as typed, the six day stores
// (Monday .. Friday, Saturday/Sunday; absent, or ten items "time,number,name")
// and the ten hour texts of the entry window.
struct PlannerWeek {
    QString title;
    std::array<std::optional<QStringList>, 6> stores;
    QStringList times{"8", "9", "10", "11", "12", "1", "2", "3", "4", "5"};
};

inline const std::array<QString, 6> DayNames{"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday/Sunday"};
// Heading colours of the days, Word colour numbers.
inline constexpr std::array<int, 6> DayColours{16777164, 8558330, 16763364, 13434828, 14597631, 39423};
inline constexpr int MiddleColour = 12451839;  // RGB(255,255,189)

// A week with all six stores filled with distinct, recognisable entries.
PlannerWeek fullWeek(const QString& title = QStringLiteral("March 3"));

// Builds the planner in `app` with exactly the calls the planner makes, in
// their order: heading, table, three blocks. Returns the document.
word::Document replayPlanner(word::Application& app, const PlannerWeek& week);

}  // namespace wordtest
