#pragma once

#include <QByteArray>

// A large calendar for the benchmarks: 20,000 events over the three years
// 2025 to 2027 (about 8 MB) in Europe/Berlin time, one in five repeating
// weekly on two days up to 200 times, half of those counted (COUNT), half
// ending on a date (UNTIL). The same bytes every time.
QByteArray bigCalendar();
