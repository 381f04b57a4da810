#pragma once

#include "calendar/WeekLayout.h"
#include "week/Week.h"

namespace cli {

// The week an import fills in, free of any window: `title`, and on every
// day page the Number and Name texts the layout placed, beside the hour
// texts, as the entry window holds them after its import.
week::Week importedWeek(const calendar::WeekLayout& layout, const QString& title);

}  // namespace cli
