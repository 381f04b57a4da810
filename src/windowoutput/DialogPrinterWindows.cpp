// Windows looks up its printers in the local spooler, which answers at once,
// so there is no server to ask first.
#include "windowoutput/DialogPrinter.h"

#include "output/WindowsPrinter.h"

namespace windowoutput {

void checkPrintServer() {}

void sendToPrinter(const word::DocumentPages& pages, QPrinter& printer) { output::printOn(pages, printer); }

}  // namespace windowoutput
