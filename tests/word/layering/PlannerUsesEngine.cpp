// The planner reaches Word through the automation objects alone: the engine behind them is out of its sight.
#include "word/Word.h"
#include "word/engine/WordInstance.h"
