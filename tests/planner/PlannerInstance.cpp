// One running instance of the program for the tests of several instances:
// started as the program is, it presses Start with a title, writes the
// temporary document its preview shows to standard output ("showing PATH"),
// and runs until it is ended.
#include "app/Program.h"
#include "preview/Form2.h"

#include <QApplication>
#include <QLineEdit>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);

    Program program;
    program.start();

    Form1& form = program.entryWindow();
    form.txtWeekInfo->setText(QStringLiteral("Week 1"));
    form.PushButton1_Click();
    const preview::Form2* preview = program.previewWindow();
    std::printf("%s %s\n", preview && preview->isVisible() ? "showing" : "hidden",
                preview ? qPrintable(preview->mWordFile) : "");
    std::fflush(stdout);
    return application.exec();
}
