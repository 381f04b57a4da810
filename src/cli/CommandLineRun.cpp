#include "cli/CommandLineRun.h"

#include "cli/BatchRun.h"
#include "cli/CommandLine.h"
#include "cli/HeadlessMessageBoxes.h"
#include "cli/HeadlessPlatform.h"
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
    QTextStream summary(stdout);
    const ExitStatus status = runBatch(*line.request, summary);
    summary.flush();
    return status;
}

}  // namespace cli
