// One running instance of the program for the tests of several instances:
// started as the program is, it presses Start with a title, writes the
// temporary document its preview shows to standard output ("showing PATH"),
// and runs until it is ended.
#include "app/Program.h"
#include "preview/PreviewWindow.h"

#include <QApplication>
#include <QLineEdit>

#include <cstdio>

using app::Program;
using entry::EntryWindow;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);

    Program program;
    program.start();

    EntryWindow& form = program.entryWindow();
    form.titleEdit->setText(QStringLiteral("Week 1"));
    form.startClicked();
    const preview::PreviewWindow* preview = program.previewWindow();
    std::printf("%s %s\n", preview && preview->isVisible() ? "showing" : "hidden",
                preview ? qPrintable(preview->temporaryDocument) : "");
    std::fflush(stdout);
    return application.exec();
}
