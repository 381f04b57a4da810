#include "output/PrinterQueue.h"

#include "desktop/PrintJob.h"
#include "errors/UserError.h"
#include "files/AtomicFileWriter.h"
#include "output/PdfExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QPair>
#include <QPrintEngine>
#include <QPrinter>
#include <QRandomGenerator>

#include <memory>

namespace output {
namespace {

// Where Qt's CUPS dialog keeps the options of its job page, as name, value,
// name, value (Qt's private PPK_CupsOptions).
constexpr auto CupsOptionsProperty = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// The CUPS job options for what the dialog left in `printer`: paper, copies,
// collation, two-sided printing, page range, and the options of Qt's CUPS
// dialog page (pages per sheet, banners, ...).
QList<QPair<QString, QString>> cupsOptions(const QPrinter& printer)
{
    QList<QPair<QString, QString>> options;
    options.append({QStringLiteral("media"), printer.pageLayout().pageSize().key()});
    if (printer.copyCount() > 1) {
        options.append({QStringLiteral("copies"), QString::number(printer.copyCount())});
        options.append({QStringLiteral("collate"), printer.collateCopies() ? QStringLiteral("true") : QStringLiteral("false")});
    }
    switch (printer.duplex()) {
    case QPrinter::DuplexNone:
        options.append({QStringLiteral("sides"), QStringLiteral("one-sided")});
        break;
    case QPrinter::DuplexAuto:
    case QPrinter::DuplexLongSide:
        options.append({QStringLiteral("sides"), QStringLiteral("two-sided-long-edge")});
        break;
    case QPrinter::DuplexShortSide:
        options.append({QStringLiteral("sides"), QStringLiteral("two-sided-short-edge")});
        break;
    }
    if (printer.printRange() == QPrinter::PageRange && !printer.pageRanges().isEmpty())
        options.append({QStringLiteral("page-ranges"), printer.pageRanges().toString()});
    if (QPrintEngine* engine = printer.printEngine()) {
        const QStringList pairs = engine->property(CupsOptionsProperty).toStringList();
        for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
            options.append({pairs[i], pairs[i + 1]});
    }
    return options;
}

// Hands `pages` to the CUPS queue `queue` as a finished PDF, one job with
// `options`. Throws errors::UserError when the PDF cannot be written or
// the queue refuses the job.
void submitPages(const word::DocumentPages& pages, const QString& queue, const QList<QPair<QString, QString>>& options)
{
    // The queue gets a finished PDF, which CUPS has read by the time it
    // answers; the file goes away with this procedure. Written like every
    // other file, whole or not at all, under a name nobody can guess.
    const QString spool = QDir::tempPath() + QStringLiteral("/dorvane-print-") +
                          QString::number(QRandomGenerator::system()->generate64(), 16) + QStringLiteral(".pdf");
    const errors::Outcome written = files::AtomicFileWriter::write(spool, pdfBytes(pages));
    if (!written)
        throw errors::UserError(
            QCoreApplication::translate("output::PlannerPrinter", "Cannot write a temporary file for printing: %1")
                .arg(written.why()));
    const std::unique_ptr<const QString, void (*)(const QString*)> removeSpool(&spool, [](const QString* path) {
        QFile::remove(*path);
    });
    desktop::submitPrintJob({queue, spool, pages.title(), options});
}

}  // namespace

void checkPrintServer() { desktop::checkCupsServerAnswers(); }

void sendToPrinter(const word::DocumentPages& pages, QPrinter& printer)
{
    submitPages(pages, printer.printerName(), cupsOptions(printer));
}

void sendToPrinter(const word::DocumentPages& pages, const QString& printer)
{
    submitPages(pages, printer, {{QStringLiteral("media"), pages.pageLayout().pageSize().key()}});
}

}  // namespace output
