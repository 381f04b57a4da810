// The week model is used without any window: no widget is in its sight.
#include "week/Week.h"
#include <QWidget>
