// The yardsticks of the cold-start benchmark: the least a Qt Widgets program
// does to show a window of the size given on the command line (width and
// height in pixels). With a third argument, the window shows that text in
// a label, and so pays for the font database before it is mapped, as any
// window with text does.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() >= 3)
        window.resize(arguments[1].toInt(), arguments[2].toInt());
    if (arguments.size() >= 4)
        (new QLabel(arguments[3], &window))->move(10, 10);
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.show();
    return application.exec();
}
