// The desktop's dialogs as the seams' defaults from the moment the
// QApplication is made, for test programs and benchmarks with windows: the
// program itself wires them in its main.
#include "DesktopDefaults.h"

#include <QCoreApplication>

namespace {
void installOnStart() { desktop::useDesktopDefaults(); }
}  // namespace
Q_COREAPP_STARTUP_FUNCTION(installOnStart)
