#pragma once

#include <QString>

namespace word {
class DocumentPages;
}

namespace output {

// Prints `pages` as one job to the printer `printer` (empty: the system's
// default printer) on the pages' paper, with no dialog: for runs without a
// window. On Linux (PrinterQueue.cpp) the pages go to a CUPS queue as one
// finished PDF and CUPS's answer is reported; on Windows
// (PrinterQueueWindows.cpp) they are painted through Qt's Windows print
// engine. Throws errors::UserError when there is no printer, the printer
// refuses the job, or the print server does not answer in time.
void printPages(const word::DocumentPages& pages, const QString& printer);

// "No printer is set up on this computer."
QString noPrinterMessage();

}  // namespace output
