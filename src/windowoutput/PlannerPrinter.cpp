#include "windowoutput/PlannerPrinter.h"

#include "errors/UserError.h"
#include "output/PdfExport.h"
#include "output/PlannerPages.h"
#include "output/PrinterQueue.h"
#include "platform/PrintDialogs.h"
#include "windowoutput/DialogPrinter.h"

#include <QCoreApplication>
#include <QPrinter>

namespace windowoutput {

void printPlanner(const QString& wordFile)
{
    const word::DocumentPages pages = output::readPlannerPages(wordFile);
    // Qt's printer and its dialog look up the printers on this thread and
    // would wait for a server that never answers for as long as it keeps
    // silent: it is asked first, away from the windows.
    checkPrintServer();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(pages.pageLayout());
    printer.setDocName(pages.title());
    printer.setCreator(QStringLiteral("Dorvane"));
    if (!platform::printDialogs().choose(printer))
        return;

    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        output::writePdfFile(pages, printer.outputFileName());
        return;
    }
    // Without any queue Qt's printer falls back to a PDF writer with no file.
    if (printer.outputFormat() == QPrinter::PdfFormat || printer.printerName().isEmpty())
        throw errors::UserError(output::noPrinterMessage());
    sendToPrinter(pages, printer);
}

}  // namespace windowoutput
