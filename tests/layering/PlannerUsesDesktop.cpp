// The planner knows no window: picture areas belong to the desktop layer.
#include "planner/PlannerGenerator.h"
#include "desktop/PictureBox.h"
