// One running instance of the program for the tests of several instances:
// started as the program is, it presses Start with a title, writes the
// temporary document its preview shows to standard output ("showing PATH"),
// and runs until it is ended.
#include "entry/Form1.h"
#include "planner/ProgramWiring.h"
#include "planner/Tessaly.h"
#include "preview/Form2.h"

#include <QApplication>
#include <QLineEdit>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);

    Form1 form;
    Tessaly tessaly(form);
    startProgram(form, tessaly);

    form.txtWeekInfo->setText(QStringLiteral("Week 1"));
    form.PushButton1_Click();
    const preview::Form2& preview = preview::Form2::instance();
    std::printf("%s %s\n", preview.isVisible() ? "showing" : "hidden", qPrintable(preview.mWordFile));
    std::fflush(stdout);
    return application.exec();
}
