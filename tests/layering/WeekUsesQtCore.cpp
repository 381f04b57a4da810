// The week model builds on QtCore alone.
#include "week/Week.h"
#include <QString>
