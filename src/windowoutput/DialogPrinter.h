#pragma once

class QPrinter;

namespace word {
class DocumentPages;
}

namespace windowoutput {

// How the print dialog's choice reaches the printer, which differs by
// system. On Linux (DialogPrinter.cpp) the pages go to the chosen CUPS queue
// as one finished PDF with the dialog's job options, and CUPS's answer is
// reported; on Windows (DialogPrinterWindows.cpp) they are painted through
// Qt's Windows print engine onto the printer the user chose.

// Makes sure that looking up printers cannot hold up the window: on Linux
// asks the CUPS server first, away from the windows, and throws
// errors::UserError "The print server <name> does not answer." when it does
// not answer in time. Returns at once where there is nothing to ask.
void checkPrintServer();

// Prints `pages` as one job on the printer and with the settings the print
// dialog left in `printer` (copies, two-sided printing, page range ...).
// Throws errors::UserError naming the reason when the printer refuses it.
void sendToPrinter(const word::DocumentPages& pages, QPrinter& printer);

}  // namespace windowoutput
