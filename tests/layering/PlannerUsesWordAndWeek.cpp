// The planner reads the week and builds the document through the Word objects.
#include "planner/PlannerGenerator.h"
#include "week/WeekSource.h"
#include "word/Word.h"
#include "common/ErrorReport.h"
