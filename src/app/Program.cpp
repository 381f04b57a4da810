#include "Program.h"

#include "EngineChoice.h"

#include "planner/DocumentLocks.h"
#include "planner/WordInstallCheck.h"
#include "planner/TemporaryFiles.h"
#include "platform/Clipboard.h"
#include "platform/ProgramEnvironment.h"
#include "platform/TerminationSignals.h"
#include "word/PictureSink.h"

#include <QApplication>
#include <QFile>
#include <QScreen>

#include <stdexcept>

namespace app {
namespace {

// SIGTERM and SIGHUP: the run ends as closing its window ends it.
void endOnTerminationSignals()
{
    auto* termination = new platform::TerminationSignals(qApp);
    QObject::connect(termination, &platform::TerminationSignals::received, qApp, [] {
        // A document made by a generation that waits on a message box has
        // no window yet that would remove it.
        const QString document = planner::locks::held();
        if (!document.isEmpty())
            QFile::remove(document);
        QApplication::closeAllWindows();
        // Only reached when no window was open to end the run.
        platform::endProgram();
    });
}

}  // namespace

Program::Program(planner::PlannerGenerator::DigitSource digits)
    : m_handOver(m_entryWindow), m_generator(m_entryWindow.week(), m_handOver, std::move(digits))
{
    word::PictureSinkSeam::install([](const QPicture& picture) { platform::clipboard().setPicture(picture); });
    m_entryWindow.generatePlanner = [this] { m_generator.generatePlanner(); };
    // The planner follows the window's settings and the weeks its import brought.
    m_entryWindow.plannerSettingsChanged = [this](const planner::PlannerSettings& settings) {
        m_generator.setSettings(settings);
    };
    m_generator.followingWeeks = [this] {
        std::vector<const week::WeekSource*> weeks;
        for (const week::Week& week : m_entryWindow.followingWeeks())
            weeks.push_back(&week);
        return weeks;
    };
    m_entryWindow.checkWordPresence = [] { planner::checkWordInstalled(); };
    if (engineChoiceOffered())
        m_entryWindow.engineChoice = entry::EntryWindow::EngineChoice{
            wordMakesPlanner, wordRegistered,
            [](bool word) { chooseEngine(word ? EngineChoice::Word : EngineChoice::BuiltIn); }};
}

Program::~Program() { word::PictureSinkSeam::install({}); }

void Program::start()
{
    try {
        planner::locks::sweep(planner::TemporaryFiles::folder());
    } catch (const std::runtime_error&) {
        // No usable temporary folder: nothing to sweep, and a generation
        // reports the folder when it needs one.
    }
    endOnTerminationSignals();
    // The settings of the last run, before the window shows its rows.
    m_entryWindow.setPlannerSettings(planner::PlannerSettings::load());
    m_entryWindow.load();

    // Both windows open centred on the screen the program starts on.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), m_entryWindow.size());
        frame.moveCenter(screen->availableGeometry().center());
        m_entryWindow.move(frame.topLeft());
    }
    m_entryWindow.show();
}

}  // namespace app
