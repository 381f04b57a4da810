// Dorvane: the week entry window is the program's start-up window; its load
// step runs the start-up order, and closing it ends the program.
#include "Program.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Ties both windows to the installed desktop entry, so that the desktop
    // groups them under the menu entry and shows its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DORVANE_APP_ID));

    Program program;
    Form1& form = program.entryWindow();
    form.Form_Load();  // ends the program itself when it cannot go on

    // Both windows open centred on the screen the program starts on.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), form.size());
        frame.moveCenter(screen->availableGeometry().center());
        form.move(frame.topLeft());
    }
    form.show();
    return application.exec();
}
