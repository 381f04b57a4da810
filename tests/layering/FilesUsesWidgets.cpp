// The file writer needs Qt Core alone.
#include "files/AtomicFileWriter.h"
#include <QWidget>
