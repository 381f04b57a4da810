// Dorvane: the week entry window is the program's start-up window; its load
// step runs the start-up order, and closing it ends the program. Any option
// on the command line makes it a run without a window instead (src/cli).
#include "Console.h"
#include "EngineChoice.h"
#include "Program.h"
#include "cli/CommandLine.h"
#include "cli/CommandLineRun.h"
#include "common/Language.h"
#include "common/ProgramIdentity.h"
#include "desktop/DesktopDefaults.h"
#include "desktop/ProgramIcon.h"
#include "platform/FontSetupAhead.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    // Before anything reads a setting, the remembered engine first.
    common::useProgramIdentity();

    // The engine behind the Word objects, for the window and the command
    // line alike: Word itself or our own (EngineChoice.h), wired once the
    // application object exists and the remembered choice can be read.
    const app::EngineOption engine = app::takeEngineOption(argc, argv);
    if (!engine.error.isEmpty()) {
        connectToConsole();
        std::fprintf(stderr, "dorvane: %s\n", engine.error.toLocal8Bit().constData());
        return 1;  // bad arguments, as the command line's own
    }
    app::wireEngineOnStart(engine.choice);

    // Decided before any application object exists: the window's needs a display.
    if (cli::wantsCommandLineRun(argc, argv)) {
        connectToConsole();
        return cli::runCommandLine(argc, argv, QStringLiteral(DORVANE_VERSION));
    }

    // Read on a second core while the display is connected and the
    // desktop's settings come in.
    platform::FontSetupAhead fonts;
    QApplication application(argc, argv);
    // The desktop's message boxes, file dialogs and print dialog.
    desktop::useDesktopDefaults();
    QCoreApplication::setApplicationVersion(QStringLiteral(DORVANE_VERSION));
    // Ties both windows to the installed desktop entry, so that the desktop
    // groups them under the menu entry and shows its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DORVANE_APP_ID));
    common::installTranslations();
    // Drawn on a second core while the entry window is built, which takes it.
    desktop::drawProgramIconAhead();

    fonts.wait();  // the entry window measures its texts as it is built
    app::Program program;
    program.start();  // ends the program itself when it cannot go on

    // One optional argument: a calendar file to take the week from, as the
    // desktop passes it when a calendar is opened with Dorvane. The import
    // asks which week to take; its dialog comes up over the shown window.
    if (const QStringList files = QCoreApplication::arguments().mid(1); !files.isEmpty()) {
        entry::EntryWindow& form = program.entryWindow();
        const QString calendar = files.first();
        QTimer::singleShot(0, &form, [&form, calendar] { form.openCalendar(calendar); });
    }
    return application.exec();
}
