#include "PlannerRun.h"

#include "files/FileSystem.h"
#include "word/Engine.h"
#include "word/PictureSink.h"
#include "word/engine/OpenDocument.h"
#include "word/engine/WordInstance.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

using planner::PlannerGenerator;

namespace plannertest {
namespace {

// Passes everything to the engine in force and notes the saved document's
// model whenever a SaveAs of the newest instance went through.
class SavingEngine final : public word::Engine {
public:
    SavingEngine(std::shared_ptr<word::Engine> inner, std::optional<word::model::DocumentModel>& saved)
        : m_inner(std::move(inner)), m_saved(saved)
    {
    }
    std::shared_ptr<word::WordInstance> createApplication() override
    {
        m_newest = m_inner->createApplication();
        return m_newest;
    }
    std::shared_ptr<word::WordInstance> runningApplication() override { return m_inner->runningApplication(); }
    // A Word of its own process (the COM engine) saves to its files only.
    bool outOfProcess() const override { return m_inner->outOfProcess(); }
    std::shared_ptr<word::AutomationObject> createRemoteApplication() override
    {
        return m_inner->createRemoteApplication();
    }
    std::shared_ptr<word::AutomationObject> runningRemoteApplication() override
    {
        return m_inner->runningRemoteApplication();
    }
    void invoke(const word::Call& call, const std::function<void()>& work) override
    {
        m_inner->invoke(call, work);
        if (call.member == QLatin1String("Document.SaveAs") && m_newest && m_newest->activeDocument())
            m_saved = m_newest->activeDocument()->model();
    }

private:
    std::shared_ptr<word::Engine> m_inner;
    std::optional<word::model::DocumentModel>& m_saved;
    std::shared_ptr<word::WordInstance> m_newest;
};

}  // namespace

week::Week fullWeek(const QString& title)
{
    week::Week week;
    week.title = title;
    for (int page = 0; page < week::DayPageCount; ++page) {
        week::DayStore::Rows rows;
        for (int row = 0; row < week::RowCount; ++row)
            rows[row] = {week.times[row], QStringLiteral("N%1-%2").arg(page).arg(row),
                         QStringLiteral("Entry %1.%2").arg(page).arg(row)};
        week.stores[page] = std::make_shared<const week::DayStore>(rows);
    }
    return week;
}

PlannerRun::PlannerRun() : m_oldTemp(qgetenv("TEMP")), m_hadTemp(qEnvironmentVariableIsSet("TEMP"))
{
    qputenv("TEMP", QFile::encodeName(temp.path()));
    word::PictureSinkSeam::install([this](const QPicture& copied) { clipboard.setPicture(copied); });
}

PlannerRun::~PlannerRun()
{
    word::PictureSinkSeam::install({});
    if (m_hadTemp)
        qputenv("TEMP", m_oldTemp);
    else
        qunsetenv("TEMP");
}

void PlannerRun::generate(const week::WeekSource& week, PlannerGenerator::DigitSource digits)
{
    const std::shared_ptr<word::Engine> inForce = word::engine();
    word::EngineSeam::install(std::make_shared<SavingEngine>(inForce, savedModel));
    PlannerGenerator(week, *this, std::move(digits)).generatePlanner();
    word::EngineSeam::install(inForce);
}

void PlannerRun::note(const QString& call)
{
    if (call == failing)
        throw std::runtime_error(call.toStdString() + " failed");
    handOver << call;
}

void PlannerRun::showPicture(const QPicture& shown, const QString& /*heading*/)
{
    note(QStringLiteral("showPicture"));
    picture = shown;
}

void PlannerRun::resetEntryPointer() { note(QStringLiteral("resetEntryPointer")); }

void PlannerRun::setDocumentPath(const QString& path)
{
    note(QStringLiteral("setDocumentPath"));
    documentPath = path;
}

void PlannerRun::showPreview() { note(QStringLiteral("showPreview")); }

void PlannerRun::hideEntryWindow() { note(QStringLiteral("hideEntryWindow")); }

QStringList filesIn(const QString& folder)
{
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    // The file whose locks hold document names stays for good; it is no leftover.
    files.removeAll(QStringLiteral(".kelvas-%1.lock").arg(files::userKey()));
    return files;
}

QString PlannerRun::keep(const QString& path)
{
    if (!boxes.errorReports().isEmpty())
        return boxes.errorReports().join(QLatin1Char('\n'));
    QFile::remove(path);
    if (documentPath.isEmpty() || !QFile::rename(documentPath, path))
        return QStringLiteral("No planner to keep as ") + path;
    return {};
}

QString keepPlanner(const week::WeekSource& week, const QString& path)
{
    PlannerRun run;
    run.generate(week);
    return run.keep(path);
}

}  // namespace plannertest
