// The picture step leaves the user's clipboard alone, and two generations
// running at the same time each show their own planner.
#include "PlannerScene.h"

#include "app/ErrorReport.h"
#include "planner/ProgramWiring.h"
#include "platform/PictureBox.h"
#include "preview/Form2.h"
#include "word/package/PackageReader.h"
#include "word/render/DocumentRenderer.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QtTest>

namespace {

// Both pictures record the same drawing commands.
bool samePicture(const QPicture& a, const QPicture& b)
{
    return a.boundingRect() == b.boundingRect() && a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size()) == 0;
}

// Runs `meanwhile` once, inside the picture step of the generation that
// reaches it first, after that step has written its picture file and before
// the generator loads it back (step 466).
class InterleavingEngine final : public word::RecordingEngine {
public:
    void invoke(const word::Call& call, const std::function<void()>& work) override
    {
        if (meanwhile && call.member == QLatin1String("Document.Close") && app::Guard::currentLine() == 464) {
            auto run = std::move(meanwhile);
            meanwhile = nullptr;
            run();
        }
        RecordingEngine::invoke(call, work);
    }
    std::function<void()> meanwhile;
};

}  // namespace

class PictureStepTest : public QObject {
    Q_OBJECT

private slots:
    void theUsersClipboardIsLeftAsItWas()
    {
        PlannerScene scene;
        platform::setClipboard(nullptr);  // the program's own clipboard, as in the program
        QGuiApplication::clipboard()->setText(QStringLiteral("a line to paste later"));
        scene.start();
        QVERIFY(scene.boxes.errorReports().isEmpty());
        QVERIFY(preview::Form2::instance().isVisible());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a line to paste later"));
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasImage());
        scene.back();
    }

    // A second instance sharing the temporary folder generates while the
    // first one is between writing its picture and loading it back.
    void twoGenerationsAtOnceEachShowTheirOwnPlanner()
    {
        PlannerScene scene;
        auto engine = std::make_shared<InterleavingEngine>();
        word::setEngine(engine);
        Form1 otherForm;
        Tessaly other(otherForm);
        wireProgram(otherForm, other);
        otherForm.Form_Load();
        wireProgram(scene.form, scene.tessaly);
        QString otherDocument;
        engine->meanwhile = [&] {
            otherForm.txtWeekInfo->setText(QStringLiteral("Beta"));
            otherForm.PushButton1_Click();
            otherDocument = preview::Form2::instance().mWordFile;
        };
        scene.start(QStringLiteral("Alpha"));
        QVERIFY(scene.boxes.errorReports().isEmpty());
        QVERIFY(!otherDocument.isEmpty());

        const preview::Form2& preview = preview::Form2::instance();
        QVERIFY(preview.mWordFile != otherDocument);
        const word::model::DocumentModel mine = scene.document();
        QCOMPARE(std::get<word::model::Paragraph>(mine.body.front()).text(), QStringLiteral("Week of Alpha"));
        QVERIFY(samePicture(preview.Zoom_Ori()->picture(), word::pictureOfDocument(mine)));
        QVERIFY(!samePicture(preview.Zoom_Ori()->picture(), word::pictureOfDocument(word::package::readPackage(otherDocument))));
        // Neither picture file is left behind.
        QCOMPARE(scene.temporaryFiles().filter(QStringLiteral(".pic")), QStringList());
        QFile::remove(otherDocument);
        scene.back();
    }
};

QTEST_MAIN(PictureStepTest)
#include "PictureStepTest.moc"
