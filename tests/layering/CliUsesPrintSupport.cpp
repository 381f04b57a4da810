// The command line prints by name, without Qt's printer and its dialogs.
#include "cli/BatchRun.h"
#include <QPrinter>
