// The planner knows no window: printing is the preview's.
#include "planner/PlannerGenerator.h"
#include <QPrintDialog>
