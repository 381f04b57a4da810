#include "WordInstallCheck.h"

#include "platform/MessageBoxes.h"
#include "platform/ProgramEnvironment.h"
#include "word/Application.h"

namespace planner {

bool checkWordInstalled()
{
    // Failures here are part of the answer, never reported.
    word::Application word;
    try {
        word = word::Application::CreateObject();
    } catch (...) {
    }
    if (!word) {
        const QString gap = QStringLiteral("\r\n\r\n");
        platform::showMessage(
            QStringLiteral("Error 842001. A normal instance of Word could not be created.") + gap +
            QStringLiteral("1. Please make sure Word is installed on this computer.") + gap +
            QStringLiteral("2. Please open Word normally and make sure a blank document opens immediately without any "
                           "interrupting window (such as an Word file recovery window).") + gap +
            QStringLiteral("3. Please make sure that when you double-click on a DOC or DOCX file that Word opens "
                           "normally without any interrupting messages.") + gap +
            QStringLiteral("4. All versions of Word are supported by this software except for the rare Word Starter "
                           "and Student editions."));
        platform::endProgram();
        return false;
    }
    try {
        word.Quit();
    } catch (...) {
    }
    return true;
}

}  // namespace planner
