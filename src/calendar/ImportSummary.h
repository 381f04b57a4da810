#pragma once

#include "WeekLayout.h"

#include <QLocale>
#include <QString>

#include <vector>

namespace calendar {

// The title the week gets: the Monday's date as `locale` writes a long date,
// without the weekday ("December 7, 2026" in American English).
QString weekTitle(const QDate& monday, const QLocale& locale);

// At most this many appointments are listed one by one in the summary.
inline constexpr int MaxListedNotPlaced = 10;

// What the import did, for the message after it: "Imported 14 appointments."
// and, when some were not placed, one line for each of the first
// MaxListedNotPlaced with date, time, name and reason, then "and N more".
// Events left out are listed alike, with the reason why (without date and
// time when their start cannot be read). Then, as many and alike under
// "Please check:", the appointments whose times the import guessed at.
QString importSummary(const WeekLayout& week, const QLocale& locale);

// The same for several weeks imported together, as one: the appointments of
// all of them counted together, those not placed listed in the order of the
// weeks, and each event left out, and each guess, told once.
QString importSummary(const std::vector<WeekLayout>& weeks, const QLocale& locale);

}  // namespace calendar
