#include "WordInstallCheck.h"

#include "platform/MessageBoxes.h"
#include "platform/ProgramEnvironment.h"
#include "word/Application.h"

#include <QCoreApplication>

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
        platform::showMessage(QCoreApplication::translate(
            "planner::checkWordInstalled",
            "Error 842001. A normal instance of Word could not be created.\r\n\r\n"
            "1. Please make sure Word is installed on this computer.\r\n\r\n"
            "2. Please open Word normally and make sure a blank document opens immediately without any "
            "interrupting window (such as an Word file recovery window).\r\n\r\n"
            "3. Please make sure that when you double-click on a DOC or DOCX file that Word opens "
            "normally without any interrupting messages.\r\n\r\n"
            "4. All versions of Word are supported by this software except for the rare Word Starter "
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
