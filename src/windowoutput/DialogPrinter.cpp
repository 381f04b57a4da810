#include "windowoutput/DialogPrinter.h"

#include "output/PrintJob.h"

#include <QList>
#include <QPair>
#include <QPrintEngine>
#include <QPrinter>


namespace windowoutput {
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

}  // namespace

void checkPrintServer() { output::checkCupsServerAnswers(); }

void sendToPrinter(const word::DocumentPages& pages, QPrinter& printer)
{
    output::submitPages(pages, printer.printerName(), cupsOptions(printer));
}

}  // namespace windowoutput
