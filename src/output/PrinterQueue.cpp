#include "output/PrinterQueue.h"

#include "errors/UserError.h"
#include "output/PrintJob.h"
#include "word/DocumentPages.h"

#include <QCoreApplication>

namespace output {

QString noPrinterMessage()
{
    return QCoreApplication::translate("output::PlannerPrinter", "No printer is set up on this computer.");
}

void printPages(const word::DocumentPages& pages, const QString& printer)
{
    const QString queue = printer.isEmpty() ? defaultQueue() : printer;
    if (queue.isEmpty())
        throw errors::UserError(noPrinterMessage());
    submitPages(pages, queue, {{QStringLiteral("media"), pages.pageLayout().pageSize().key()}});
}

}  // namespace output
