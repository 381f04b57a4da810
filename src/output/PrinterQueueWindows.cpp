// Windows looks up its printers in the local spooler, which answers at once,
// so there is no server to ask first.
#include "output/PrinterQueue.h"
#include "output/WindowsPrinter.h"

#include "errors/UserError.h"
#include "word/DocumentPages.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>

namespace output {

QString noPrinterMessage()
{
    return QCoreApplication::translate("output::PlannerPrinter", "No printer is set up on this computer.");
}

void printOn(const word::DocumentPages& pages, QPrinter& printer)
{
    if (!printer.isValid() || !pages.print(printer))
        throw errors::UserError(
            QCoreApplication::translate("output::PlannerPrinter", "The printer %1 did not take the job.")
                .arg(printer.printerName()));
}

void printPages(const word::DocumentPages& pages, const QString& printer)
{
    const QString name = printer.isEmpty() ? QPrinterInfo::defaultPrinterName() : printer;
    if (name.isEmpty())
        throw errors::UserError(noPrinterMessage());
    QPrinter device(QPrinter::HighResolution);
    device.setPrinterName(name);
    device.setDocName(pages.title());
    device.setCreator(QStringLiteral("Dorvane"));
    printOn(pages, device);
}

}  // namespace output
