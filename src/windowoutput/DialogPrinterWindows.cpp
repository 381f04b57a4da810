// Windows: the pages are painted, as vectors, through Qt's Windows print
// engine (GDI) onto the printer the dialog chose, which then spools them as
// any Windows program's job. Windows looks up its printers in the local
// spooler, which answers at once, so there is no server to ask first.
#include "output/PrinterQueue.h"

#include "errors/UserError.h"
#include "word/DocumentPages.h"

#include <QCoreApplication>
#include <QPrinter>

namespace output {
namespace {

void print(const word::DocumentPages& pages, QPrinter& printer)
{
    if (!pages.print(printer))
        throw errors::UserError(
            QCoreApplication::translate("output::PlannerPrinter", "The printer %1 did not take the job.")
                .arg(printer.printerName()));
}

}  // namespace

void checkPrintServer() {}

void sendToPrinter(const word::DocumentPages& pages, QPrinter& printer) { print(pages, printer); }

void sendToPrinter(const word::DocumentPages& pages, const QString& printer)
{
    QPrinter device(QPrinter::HighResolution);
    device.setPrinterName(printer);
    device.setDocName(pages.title());
    device.setCreator(QStringLiteral("Dorvane"));
    if (!device.isValid())
        throw errors::UserError(
            QCoreApplication::translate("output::PlannerPrinter", "The printer %1 did not take the job.").arg(printer));
    print(pages, device);
}

}  // namespace output
