// Dorvane: the week entry window is the program's start-up window; its load
// step runs the start-up order, and closing it ends the program.
#include "Program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(DORVANE_VERSION));
    // Ties both windows to the installed desktop entry, so that the desktop
    // groups them under the menu entry and shows its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DORVANE_APP_ID));

    // One optional argument: a calendar file to take the week from, as the
    // desktop passes it when a calendar is opened with Dorvane.
    QCommandLineParser arguments;
    arguments.setApplicationDescription(QStringLiteral("Makes a weekly planner document in Word format."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(QStringLiteral("file"), QStringLiteral("An iCalendar file to import the week from."),
                                    QStringLiteral("[file]"));
    arguments.process(application);

    Program program;
    program.start();  // ends the program itself when it cannot go on

    // The import asks which week to take; its dialog comes up over the shown window.
    if (const QStringList files = arguments.positionalArguments(); !files.isEmpty()) {
        EntryWindow& form = program.entryWindow();
        const QString calendar = files.first();
        QTimer::singleShot(0, &form, [&form, calendar] { form.openCalendar(calendar); });
    }
    return application.exec();
}
