// The planner reads the week, not where it came from.
#include "planner/PlannerGenerator.h"
#include "calendar/CalendarFile.h"
