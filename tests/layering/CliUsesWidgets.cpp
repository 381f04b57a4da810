// The command line runs without a display: no widget is in its sight.
#include "cli/BatchRun.h"
#include <QWidget>
