#pragma once

#include <ctime>

#include <QtGlobal>

namespace calendar {

// The C library's thread-safe reading of local time at `moment` (seconds
// since 1970-01-01 00:00 UTC) into `local`: localtime_r on Linux,
// localtime_s on Windows. False beyond the years the library can read.
bool readLocalClock(qint64 moment, std::tm& local);

}  // namespace calendar
