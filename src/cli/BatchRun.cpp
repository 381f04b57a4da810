#include "cli/BatchRun.h"

#include "calendar/CalendarFile.h"
#include "errors/UserError.h"
#include "calendar/ImportSummary.h"
#include "calendar/Occurrences.h"
#include "calendar/WeekLayout.h"
#include "common/ErrorReport.h"
#include "planner/PlannerGenerator.h"
#include "platform/MessageBoxes.h"
#include "output/PdfExport.h"
#include "output/PlannerPrinter.h"
#include "word/Document.h"
#include "word/DocumentPages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

#include <optional>
#include <vector>

namespace cli {
namespace {

// The output files asked for that exist already (a dangling link counts).
QStringList filesInTheWay(const BatchRequest& request)
{
    QStringList found;
    for (const QString& file : {request.saveFile, request.pdfFile}) {
        if (!file.isEmpty() && (QFileInfo::exists(file) || QFileInfo(file).isSymLink()))
            found.append(file);
    }
    return found;
}

void report(const QString& message) { platform::showMessage(message); }

}  // namespace

ExitStatus runBatch(const BatchRequest& request, QTextStream& summary)
{
    if (!request.force) {
        if (const QStringList files = filesInTheWay(request); !files.isEmpty()) {
            report(QCoreApplication::translate("cli::BatchRun", "%1 exists already; --force replaces it.")
                       .arg(files.first()));
            return NotWritten;
        }
    }

    // The weeks, as the entry window's import fills them in.
    std::vector<week::Week> weeks;
    try {
        const calendar::CalendarFile file = calendar::CalendarFile::read(request.source);
        for (int i = 0; i < request.weeks; ++i) {
            const QDate monday = request.firstMonday.addDays(7 * i);
            const calendar::WeekLayout layout = calendar::layOutWeek(
                monday, calendar::appointmentsBetween(file, QDateTime(monday, QTime(0, 0)),
                                                      QDateTime(monday.addDays(7), QTime(0, 0))));
            const QString title = request.title.isEmpty() ? calendar::weekTitle(monday, QLocale()) : request.title;
            weeks.push_back(calendar::weekOf(layout, title));
            if (!request.quiet) {
                if (request.weeks > 1)
                    //: %1 is the title of the week, by default its Monday as the import writes it
                    summary << QCoreApplication::translate("cli::BatchRun", "Week of %1").arg(title) << Qt::endl;
                summary << calendar::importSummary(layout, QLocale()) << Qt::endl;
            }
        }
    } catch (const errors::UserError& error) {
        report(QCoreApplication::translate("cli::BatchRun", "The calendar \"%1\" cannot be imported.\n\n%2")
                   .arg(QFileInfo(request.source).fileName(), error.message()));
        return CalendarUnreadable;
    }

    try {
        std::vector<const week::WeekSource*> sources;
        for (const week::Week& week : weeks)
            sources.push_back(&week);
        std::optional<word::DocumentPages> pages;
        planner::PlannerGenerator::makeWeeks(sources, [&](word::Document& document) {
            if (!request.saveFile.isEmpty())
                document.SaveAs(request.saveFile);
            if (!request.pdfFile.isEmpty() || request.print)
                pages = word::DocumentPages::of(document);
        });
        if (!request.pdfFile.isEmpty())
            output::writePdfFile(*pages, request.pdfFile);
        if (request.print)
            output::printPages(*pages, request.printer);
    } catch (...) {
        report(common::describeCurrentException());
        return NotWritten;
    }
    return Done;
}

}  // namespace cli
