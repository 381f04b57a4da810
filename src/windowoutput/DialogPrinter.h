#pragma once

#include <QString>

namespace word {
class DocumentPages;
}

class QPrinter;

namespace output {

// How finished pages reach a printer, which differs by system. On Linux
// (PrinterQueue.cpp) the pages go to a CUPS queue as one finished PDF, and
// CUPS's answer is reported; on Windows (PrinterQueueWindows.cpp) they are
// painted through Qt's Windows print engine onto the printer the user chose.

// Makes sure that looking up printers cannot hold up the window: on Linux
// asks the CUPS server first, away from the windows, and throws
// std::runtime_error "The print server <name> does not answer." when it does
// not answer in time. Returns at once where there is nothing to ask.
void checkPrintServer();

// Prints `pages` as one job on the printer and with the settings the print
// dialog left in `printer` (copies, two-sided printing, page range ...).
// Throws errors::UserError naming the reason when the printer refuses it.
void sendToPrinter(const word::DocumentPages& pages, QPrinter& printer);

// Prints `pages` as one job on the printer named `printer`, on the pages' paper.
void sendToPrinter(const word::DocumentPages& pages, const QString& printer);

}  // namespace output
