#include "ProgramWiring.h"

#include "DocumentLocks.h"
#include "IsInstalled.h"
#include "TemporaryFiles.h"
#include "Tessaly.h"
#include "entry/Form1.h"
#include "platform/Clipboard.h"
#include "platform/ProgramEnvironment.h"
#include "platform/TerminationSignals.h"
#include "word/PictureSink.h"

#include <QApplication>
#include <QFile>
#include <QScreen>

#include <stdexcept>

void wireProgram(Form1& form1, Tessaly& tessaly)
{
    word::setPictureSink([](const QImage& picture) { platform::clipboard().setPicture(picture); });
    form1.generateTessaly = [&tessaly] { tessaly.GenerateTessaly(); };
    form1.checkWordPresence = [] { IsInstalled::CheckWordInstalled(); };
}

namespace {

// SIGTERM and SIGHUP: the run ends as closing its window ends it.
void endOnTerminationSignals()
{
    auto* termination = new platform::TerminationSignals(qApp);
    QObject::connect(termination, &platform::TerminationSignals::received, qApp, [] {
        // A document made by a generation that waits on a message box has
        // no window yet that would remove it.
        const QString document = DocumentLocks::held();
        if (!document.isEmpty())
            QFile::remove(document);
        QApplication::closeAllWindows();
        // Only reached when no window was open to end the run.
        platform::endProgram();
    });
}

}  // namespace

void startProgram(Form1& form1, Tessaly& tessaly)
{
    wireProgram(form1, tessaly);
    try {
        DocumentLocks::sweep(TemporaryFiles::folder());
    } catch (const std::runtime_error&) {
        // No usable temporary folder: nothing to sweep, and a generation
        // reports the folder when it needs one.
    }
    endOnTerminationSignals();
    form1.Form_Load();

    // Both windows open centred on the screen the program starts on.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), form1.size());
        frame.moveCenter(screen->availableGeometry().center());
        form1.move(frame.topLeft());
    }
    form1.show();
}
