// PDF export, printing and picture copies run without a window: no widget is in their sight.
#include "output/PdfExport.h"
#include <QWidget>
