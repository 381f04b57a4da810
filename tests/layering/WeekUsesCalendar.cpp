// The calendar builds on the week model, never the other way round.
#include "week/Week.h"
#include "calendar/CalendarFile.h"
