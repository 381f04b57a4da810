// A CUPS server that takes connections and never answers. A process of its
// own, so that no earlier printing has set up this thread's CUPS connection:
// the program meets the silent server from its first print on.
#include "PlannerRun.h"
#include "ScriptedPlatform.h"
#include "preview/PreviewCommands.h"
#include "preview/PreviewWindow.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

class SilentPrintServerTest : public QObject {
    Q_OBJECT

private slots:
    // Ctrl+P ends in a message naming the server; the window handles its
    // events all the while and does not start the command a second time.
    void printingEndsInAMessage()
    {
        const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        QVERIFY(listener >= 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        QVERIFY(::bind(listener, reinterpret_cast<sockaddr*>(&address), length) == 0);
        QVERIFY(::listen(listener, 8) == 0);  // the kernel takes the connections; nobody reads them
        QVERIFY(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) == 0);
        qputenv("CUPS_SERVER", "127.0.0.1:" + QByteArray::number(ntohs(address.sin_port)));

        QTemporaryDir dir;
        const QString planner = dir.filePath("planner.docx");
        QCOMPARE(plannertest::keepPlanner(plannertest::fullWeek(), planner), QString());
        ScriptedMessageBoxes boxes;
        preview::PreviewWindow form;
        form.temporaryDocument = planner;
        form.show();
        bool handledMeanwhile = false;
        QTimer::singleShot(0, &form, [&] {
            handledMeanwhile = true;
            form.commands()->printAction()->trigger();  // asked again while waiting
        });
        form.commands()->printAction()->trigger();
        ::close(listener);

        QVERIFY(handledMeanwhile);
        QCOMPARE(boxes.texts(), QStringList{"The planner could not be printed.\n\n"
                                            "The print server 127.0.0.1 does not answer."});
        QVERIFY(form.isVisible() && form.isEnabled());
    }
};

QTEST_MAIN(SilentPrintServerTest)
#include "SilentPrintServerTest.moc"
