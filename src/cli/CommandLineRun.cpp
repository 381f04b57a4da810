#include "cli/CommandLineRun.h"

#include "cli/BatchRun.h"
#include "cli/CommandLine.h"
#include "cli/HeadlessMessageBoxes.h"
#include "cli/HeadlessPlatform.h"
#include "cli/StandardOutput.h"
#include "common/Language.h"
#include "seam/Seam.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace cli {
namespace {

// Qt's own notes (a missing XDG_RUNTIME_DIR under cron, font warnings) are
// no business of a script reading standard error; real failures still show.
void keepQtNotesQuiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        printError(message);
}

}  // namespace

int runCommandLine(int& argc, char** argv, const QString& version)
{
    // A reader that stops early (| head) makes a write fail, which is heard
    // and told, rather than end the run unseen.
    ignoreBrokenPipes();
    qputenv("QT_QPA_PLATFORM", headlessPlatform());
    qInstallMessageHandler(keepQtNotesQuiet);
    QGuiApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(version);
    common::installTranslations();
    HeadlessMessageBoxes boxes;
    const seam::Seam<platform::MessageBoxes>::Scoped headless(&boxes);

    const CommandLine line = CommandLine::parse(QCoreApplication::arguments(), QDate::currentDate(), version);
    if (!line.error.isEmpty()) {
        printError(line.error);
        std::fprintf(stderr, "%s\n%s\n", usageLine().toLocal8Bit().constData(),
                     QCoreApplication::translate("cli::CommandLine", "Try 'dorvane --help' for more.")
                         .toLocal8Bit()
                         .constData());
        return BadArguments;
    }
    if (!line.answer.isEmpty()) {
        std::fputs(line.answer.toLocal8Bit().constData(), stdout);
        return Done;
    }
    QString said;
    QTextStream summary(&said);
    const ExitStatus status = runBatch(*line.request, summary);
    summary.flush();
    // Standard output may carry a document; the summary then goes beside it.
    const bool outputTaken = isStandardOutput(line.request->saveFile) || isStandardOutput(line.request->pdfFile);
    // The files are written by now: a summary nobody can read is worth a
    // warning, not a failure, and never hides one.
    if (const QString reason = writeAll(outputTaken ? 2 : 1, said.toLocal8Bit()); !reason.isEmpty())
        printError(QCoreApplication::translate("cli::CommandLineRun", "The import summary could not be written: %1")
                       .arg(reason));
    return status;
}

}  // namespace cli
