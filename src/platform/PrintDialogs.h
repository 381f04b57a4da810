#pragma once

class QPrinter;

namespace platform {

// The system's modal print dialog, behind an interface so that tests can
// answer it (choose a printer, or cancel).
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    // Shows the dialog for `printer`, whose page layout and document name
    // the caller has set; the dialog writes the user's choices (printer,
    // copies, range, ...) into it. False when the user cancelled.
    virtual bool choose(QPrinter& printer) = 0;
};

PrintDialogs& printDialogs();
// In force through seam::Seam<PrintDialogs>: the desktop's (desktop::QtPrintDialogs) unless a test installed another.

}  // namespace platform
