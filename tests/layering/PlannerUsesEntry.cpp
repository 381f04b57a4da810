// The planner reads the week through its source; the entry window is above it.
#include "planner/PlannerGenerator.h"
#include "entry/DayTabs.h"
