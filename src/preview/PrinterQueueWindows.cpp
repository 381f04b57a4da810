// Windows: the pages are painted, as vectors, through Qt's Windows print
// engine (GDI) onto the printer the dialog chose, which then spools them as
// any Windows program's job. Windows looks up its printers in the local
// spooler, which answers at once, so there is no server to ask first.
#include "preview/PrinterQueue.h"

#include "word/DocumentPages.h"

#include <QCoreApplication>
#include <QPrinter>

#include <stdexcept>

namespace preview {
namespace {

void print(const word::DocumentPages& pages, QPrinter& printer)
{
    if (!pages.print(printer))
        throw std::runtime_error(QCoreApplication::translate("preview::PlannerPrinter",
                                                             "The printer %1 did not take the job.")
                                     .arg(printer.printerName())
                                     .toStdString());
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
        throw std::runtime_error(QCoreApplication::translate("preview::PlannerPrinter",
                                                             "The printer %1 did not take the job.")
                                     .arg(printer)
                                     .toStdString());
    print(pages, device);
}

}  // namespace preview
