// The calendar lays its appointments out on the week model.
#include "calendar/WeekLayout.h"
#include "week/DayStore.h"
