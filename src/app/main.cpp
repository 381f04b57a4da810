// Dorvane: the week entry window is the program's start-up window; its load
// step runs the start-up order, and closing it ends the program.
#include "entry/Form1.h"
#include "planner/ProgramWiring.h"
#include "planner/Tessaly.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);

    Form1 form;
    Tessaly tessaly(form);
    wireProgram(form, tessaly);
    wireSession();
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
