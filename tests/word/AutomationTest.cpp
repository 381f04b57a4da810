// The automation objects as the program's failure paths meet them: Nothing,
// quit instances, closed documents, the process-wide engine, recorded and
// failing calls, live instances.
#include "WordTestSupport.h"

#include "word/BuiltInEngine.h"
#include "word/Engine.h"
#include "word/Messages.h"
#include "word/PictureSink.h"
#include "word/RecordingEngine.h"
#include "word/Word.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace word;

namespace {

// Expects `call` to throw AutomationError with this description.
template <class Call>
void expectFailure(Call&& call, const QString& description)
{
    try {
        call();
        ADD_FAILURE() << "no failure, expected: " << description.toStdString();
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.description(), description);
        EXPECT_EQ(QString::fromStdString(error.what()), description);
    }
}

class AutomationTest : public ::testing::Test {
protected:
    void SetUp() override { liveBefore = liveInstances(); }
    void TearDown() override
    {
        EngineSeam::install(nullptr);
        EXPECT_EQ(liveInstances(), liveBefore) << "a Word instance was left running";
    }
    int liveBefore = 0;
};

TEST_F(AutomationTest, MembersOfNothingFailAsInVb)
{
    Application app;
    EXPECT_TRUE(app.isNothing());
    expectFailure([&] { app.Documents(); }, messages::ObjectNotSet());
    expectFailure([&] { app.Quit(); }, messages::ObjectNotSet());
    expectFailure([&] { app.setDisplayAlerts(false); }, messages::ObjectNotSet());
    expectFailure([&] { Document().SaveAs("x.doc"); }, messages::ObjectNotSet());
    expectFailure([&] { Selection().TypeText("x"); }, messages::ObjectNotSet());
    expectFailure([&] { Table().Style(); }, messages::ObjectNotSet());
    expectFailure([&] { Range().CopyAsPicture(); }, messages::ObjectNotSet());

    Application real = Application::CreateObject();
    Document document = real.Documents().Add();
    expectFailure([&] { document.Tables().Add(Range(), 1, 1); }, messages::ObjectNotSet());
    real.Quit();
}

TEST_F(AutomationTest, CreateObjectCountsALiveInstanceUntilQuit)
{
    Application app = Application::CreateObject();
    EXPECT_FALSE(app.isNothing());
    EXPECT_EQ(liveInstances(), liveBefore + 1);
    Application copy = app;
    app.release();
    EXPECT_TRUE(app.isNothing());
    EXPECT_EQ(liveInstances(), liveBefore + 1);  // releasing is not quitting
    EXPECT_EQ(copy.DefaultMember(), "Microsoft Word");
    copy.Quit();
    EXPECT_EQ(liveInstances(), liveBefore);
    expectFailure([&] { copy.Documents(); }, messages::ServerUnavailable());
    expectFailure([&] { copy.Quit(); }, messages::ServerUnavailable());
}

TEST_F(AutomationTest, DocumentsOfAQuitInstanceAndClosedDocumentsFail)
{
    Application app = Application::CreateObject();
    Document first = app.Documents().Add();
    Document second = app.Documents().Add();
    Selection selection = second.ActiveWindow().Selection();
    app.setDisplayAlerts(false);

    second.Close();
    expectFailure([&] { selection.TypeText("x"); }, messages::ObjectDeleted());
    expectFailure([&] { second.Close(); }, messages::ObjectDeleted());
    // The other document is active again, and closes too.
    app.ActiveDocument().Close(0);
    expectFailure([&] { app.ActiveDocument(); }, messages::NoDocumentOpen());

    Document third = app.Documents().Add();
    Selection kept = third.ActiveWindow().Selection();
    app.Quit();
    expectFailure([&] { kept.TypeText("x"); }, messages::ServerUnavailable());
    expectFailure([&] { third.SaveAs("never.doc"); }, messages::ServerUnavailable());
    expectFailure([&] { first.Tables(); }, messages::ServerUnavailable());
}

TEST_F(AutomationTest, CloseWithSaveChangesSavesOnlyWhenAskedAndPossible)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    Application app = Application::CreateObject();
    Document unsaved = app.Documents().Add();
    expectFailure([&] { unsaved.Close(-1); }, messages::NeverSaved());
    expectFailure([&] { unsaved.Close(5); }, messages::BadParameter());

    const QString path = folder.filePath("saved.docx");
    unsaved.SaveAs(path);
    const QByteArray before = *wordtest::readZipPart(path, "word/document.xml");
    unsaved.ActiveWindow().Selection().TypeText("later");
    unsaved.Close(-1);
    const QByteArray after = *wordtest::readZipPart(path, "word/document.xml");
    EXPECT_NE(before, after);
    EXPECT_TRUE(after.contains("later"));
    app.Quit();
}

TEST_F(AutomationTest, GetObjectFindsNoWordUnlessOneRuns)
{
    expectFailure([] { Application::GetObject(); }, messages::CannotCreateObject());

    auto recorder = std::make_shared<RecordingEngine>();
    EngineSeam::install(recorder);
    expectFailure([] { Application::GetObject(); }, messages::CannotCreateObject());
    recorder->setWordRunning(true);
    Application running = Application::GetObject();
    EXPECT_EQ(running.DefaultMember(), "Microsoft Word");
    EXPECT_EQ(liveInstances(), liveBefore);  // the user's Word is not one of ours
    running.release();
    EXPECT_TRUE(recorder->wordRunning());   // releasing leaves it running
    recorder->setWordRunning(false);
    expectFailure([] { Application::GetObject(); }, messages::CannotCreateObject());
}

TEST_F(AutomationTest, TheFactoryReachesTheEngineSetLast)
{
    class RefusingEngine : public BuiltInEngine {
    public:
        std::shared_ptr<WordInstance> createApplication() override { throw AutomationError("refused"); }
    };
    EngineSeam::install(std::make_shared<RefusingEngine>());
    expectFailure([] { Application::CreateObject(); }, "refused");
    EngineSeam::install(nullptr);
    Application app = Application::CreateObject();
    app.Quit();
}

TEST_F(AutomationTest, CopyAsPictureNeedsTheWholeDocumentsRange)
{
    Application app = Application::CreateObject();
    Document document = app.Documents().Add();
    expectFailure([&] { document.ActiveWindow().Selection().Range().CopyAsPicture(); }, messages::EmptyRange());
    app.Quit();
}

}  // namespace
