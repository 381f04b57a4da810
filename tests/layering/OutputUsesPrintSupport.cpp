// Output without a window needs neither Qt's printer nor its dialogs.
#include "output/PdfExport.h"
#include <QPrinter>
