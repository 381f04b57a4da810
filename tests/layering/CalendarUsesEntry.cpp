// The entry window asks which week; the calendar never reaches up to it.
#include "calendar/CalendarFile.h"
#include "entry/ImportWeekDialog.h"
