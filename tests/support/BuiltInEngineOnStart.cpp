// The built-in document engine as the Word engine's default from the moment
// the QApplication is made, for test programs and benchmarks; the program
// itself wires it at the top of its main.
#include "word/BuiltInEngine.h"

#include <QCoreApplication>

#include <memory>

namespace {
void wireBuiltInEngine() { word::EngineSeam::setDefault(std::make_shared<word::BuiltInEngine>()); }
}  // namespace
Q_COREAPP_STARTUP_FUNCTION(wireBuiltInEngine)
