// Dorvane: the week entry window is the program's start-up window; its load
// step runs the start-up order, and closing it ends the program.
#include "entry/Form1.h"
#include "planner/ProgramWiring.h"
#include "planner/Tessaly.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);

    Form1 form;
    Tessaly tessaly(form);
    startProgram(form, tessaly);  // ends the program itself when it cannot go on
    return application.exec();
}
