#include "cli/BatchRun.h"

#include "cli/StandardOutput.h"
#include "calendar/CalendarFile.h"
#include "errors/UserError.h"
#include "calendar/ImportSummary.h"
#include "calendar/Occurrences.h"
#include "calendar/WeekLayout.h"
#include "common/ErrorReport.h"
#include "planner/DocumentLocks.h"
#include "planner/PlannerGenerator.h"
#include "planner/TemporaryFiles.h"
#include "platform/MessageBoxes.h"
#include "output/OutputFile.h"
#include "output/PdfExport.h"
#include "output/PrinterQueue.h"
#include "word/Document.h"
#include "word/DocumentPages.h"
#include "word/Engine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <optional>
#include <stdexcept>
#include <vector>

#include <sys/stat.h>

namespace cli {
namespace {

// The output files asked for that exist already (a dangling link counts).
// What is no file at all (a folder, a device) is left to the writer, which
// refuses it, forced or not, and says what it is.
QStringList filesInTheWay(const BatchRequest& request)
{
    QStringList found;
    for (const QString& file : {request.saveFile, request.pdfFile}) {
        const QFileInfo info(file);
        if (!file.isEmpty() && !isStandardOutput(file) && (info.isFile() || info.isSymLink()))
            found.append(file);
    }
    return found;
}

// Where a write to `file` lands, in one spelling: links followed to their
// end (which need not exist), the folder's own links resolved.
QString landingOf(const QString& file)
{
    QFileInfo info(file);
    for (int hop = 0; hop < 40 && info.isSymLink(); ++hop)
        info = QFileInfo(info.symLinkTarget());
    const QString folder = QDir(info.absolutePath()).canonicalPath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

// True when the two outputs would be one file: one name, a link to the
// other, or two hard links of one file (the same device and file number;
// where the system numbers no files, names alone decide).
bool oneFile(const QString& first, const QString& second)
{
    if (isStandardOutput(first) || isStandardOutput(second))
        return isStandardOutput(first) && isStandardOutput(second);
    if (landingOf(first) == landingOf(second))
        return true;
    struct stat one {}, two {};
    return ::stat(QFile::encodeName(first).constData(), &one) == 0 &&
        ::stat(QFile::encodeName(second).constData(), &two) == 0 && one.st_ino != 0 && one.st_dev == two.st_dev &&
        one.st_ino == two.st_ino;
}

// The document's bytes as SaveAs writes them: saved to a temporary document
// of this run's own (held, so that another run's sweep leaves it alone),
// read back and removed; with `pages`, also laid out from that file.
QByteArray documentBytes(word::Document& document, std::optional<word::DocumentPages>* pages = nullptr)
{
    const QString path = planner::TemporaryFiles::reserveDocument(planner::TemporaryFiles::folder());
    struct Removal {
        QString path;
        ~Removal()
        {
            QFile::remove(path);
            planner::locks::release(path);
        }
    } removal{path};
    document.SaveAs(path);
    if (pages)
        *pages = word::DocumentPages::ofSaved(path);
    QFile saved(path);
    if (!saved.open(QIODevice::ReadOnly))
        throw errors::UserError(saved.errorString());
    return saved.readAll();
}

// Puts one output in place: a file, whole or not at all (replacing one only
// when forced), or standard output.
void put(const QString& file, const QByteArray& bytes, bool force)
{
    if (!isStandardOutput(file)) {
        output::OutputFile::write(file, bytes,
                                   force ? files::AtomicFileWriter::Existing::Replace
                                         : files::AtomicFileWriter::Existing::Keep);
        return;
    }
    if (const QString reason = writeAll(1, bytes); !reason.isEmpty())
        throw errors::UserError(
            QCoreApplication::translate("cli::BatchRun", "Cannot write to standard output: %1").arg(reason));
}

void report(const QString& message) { platform::showMessage(message); }

}  // namespace

ExitStatus runBatch(const BatchRequest& request, QTextStream& summary)
{
    if (!request.saveFile.isEmpty() && !request.pdfFile.isEmpty() && oneFile(request.saveFile, request.pdfFile)) {
        report(QCoreApplication::translate("cli::BatchRun", "--save and --pdf name the same file, %1: give each its own.")
                   .arg(request.pdfFile));
        return BadArguments;
    }
    if (!request.force) {
        if (const QStringList files = filesInTheWay(request); !files.isEmpty()) {
            report(QCoreApplication::translate("cli::BatchRun", "%1 exists already; --force replaces it.")
                       .arg(files.first()));
            return NotWritten;
        }
    }

    // The weeks, as the entry window's import fills them in. Their summary
    // is told after the outputs are written: a reader of it that goes away
    // early must not cost the files.
    std::vector<week::Week> weeks;
    QString said;
    QTextStream saying(&said);
    try {
        // Events that plainly start outside the weeks are not even read.
        const calendar::CalendarFile file = calendar::CalendarFile::read(
            request.source, calendar::Days{request.firstMonday, request.firstMonday.addDays(7 * qint64(request.weeks) - 1)});
        // The whole span is worked out at once, each week laid out from it.
        const std::vector<std::vector<calendar::Appointment>> appointments =
            calendar::appointmentsOfWeeks(file, request.firstMonday, request.weeks, request.settings.hours);
        for (int i = 0; i < request.weeks; ++i) {
            const QDate monday = request.firstMonday.addDays(7 * i);
            const calendar::WeekLayout layout =
                calendar::layOutWeek(monday, appointments[std::size_t(i)], request.settings.hours);
            const QString title = request.title.isEmpty() ? calendar::weekTitle(monday, QLocale()) : request.title;
            weeks.push_back(calendar::weekOf(layout, title, request.settings.clock));
            if (!request.quiet) {
                if (request.weeks > 1)
                    //: %1 is the title of the week, by default its Monday as the import writes it
                    saying << QCoreApplication::translate("cli::BatchRun", "Week of %1").arg(title) << Qt::endl;
                saying << calendar::importSummary(layout, QLocale()) << Qt::endl;
            }
        }
    } catch (const errors::UserError& error) {
        report(QCoreApplication::translate("cli::BatchRun", "The calendar \"%1\" cannot be imported.\n\n%2")
                   .arg(QFileInfo(request.source).fileName(), error.message()));
        return CalendarUnreadable;
    }

    ExitStatus status = Done;
    try {
        std::vector<const week::WeekSource*> sources;
        for (const week::Week& week : weeks)
            sources.push_back(&week);
        QByteArray document;
        std::optional<word::DocumentPages> pages;
        std::optional<QByteArray> pdf;
        const bool pagesFromFile = word::engine()->outOfProcess();  // Word's own document: draw what it saved
        planner::PlannerGenerator::makeWeeks(sources, [&](word::Document& made) {
            if (!request.saveFile.isEmpty() || pagesFromFile)
                document = documentBytes(made, pagesFromFile ? &pages : nullptr);
            if (pagesFromFile)
                return;
            if (request.print)
                pages = word::DocumentPages::of(made);
            else if (!request.pdfFile.isEmpty())
                pdf = output::pdfBytesOf(made);  // written while it is laid out
        }, request.settings);
        if (!request.saveFile.isEmpty())
            put(request.saveFile, document, request.force);
        if (!request.pdfFile.isEmpty())
            put(request.pdfFile, pdf ? *pdf : output::pdfBytes(*pages), request.force);
        if (request.print)
            output::printPages(*pages, request.printer);
    } catch (...) {
        report(common::describeCurrentException());
        status = NotWritten;
    }
    summary << said;
    return status;
}

}  // namespace cli
