#include "output/PlannerPrinter.h"

#include "platform/PrintDialogs.h"
#include "desktop/PrintJob.h"
#include "errors/UserError.h"
#include "files/AtomicFileWriter.h"
#include "output/PdfExport.h"
#include "output/PlannerPages.h"

#include <QCoreApplication>
#include <QDir>
#include <QPrintEngine>
#include <QPrinter>
#include <QFile>
#include <QPrinterInfo>
#include <QRandomGenerator>

#include <memory>

namespace output {
namespace {

// Where Qt's CUPS dialog keeps the options of its job page, as name, value,
// name, value (Qt's private PPK_CupsOptions).
constexpr auto CupsOptionsProperty = QPrintEngine::PrintEnginePropertyKey(0xfe00);

const char* const NoPrinter = QT_TRANSLATE_NOOP("output::PlannerPrinter", "No printer is set up on this computer.");

}  // namespace

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

void printPlanner(const QString& wordFile)
{
    const word::DocumentPages pages = readPlannerPages(wordFile);
    // Qt's printer and its dialog look up the printers on this thread and
    // would wait for a server that never answers for as long as it keeps
    // silent: it is asked first, away from the windows.
    desktop::checkCupsServerAnswers();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(pages.pageLayout());
    printer.setDocName(pages.title());
    printer.setCreator(QStringLiteral("Dorvane"));
    if (!platform::printDialogs().choose(printer))
        return;

    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        writePdfFile(pages, printer.outputFileName());
        return;
    }
    // Without any queue Qt's printer falls back to a PDF writer with no file.
    if (printer.outputFormat() == QPrinter::PdfFormat || printer.printerName().isEmpty())
        throw errors::UserError(QCoreApplication::translate("output::PlannerPrinter", NoPrinter));
    submitPages(pages, printer.printerName(), cupsOptions(printer));
}

void printPages(const word::DocumentPages& pages, const QString& printer)
{
    const QString queue = printer.isEmpty() ? QPrinterInfo::defaultPrinterName() : printer;
    if (queue.isEmpty())
        throw errors::UserError(QCoreApplication::translate("output::PlannerPrinter", NoPrinter));
    submitPages(pages, queue, {{QStringLiteral("media"), pages.pageLayout().pageSize().key()}});
}

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

}  // namespace output
