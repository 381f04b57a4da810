// Dorvane: the week entry window is the program's start-up window; its load
// step runs the start-up order, and closing it ends the program.
#include "Program.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Ties both windows to the installed desktop entry, so that the desktop
    // groups them under the menu entry and shows its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DORVANE_APP_ID));

    Program program;
    program.start();  // ends the program itself when it cannot go on
    return application.exec();
}
