// The picture step leaves the user's clipboard alone, and two generations
// running at the same time each show their own planner.
#include "PlannerScene.h"

#include "app/Program.h"
#include "desktop/PictureBox.h"
#include "preview/PreviewWindow.h"
#include "word/package/PackageReader.h"
#include "word/render/DocumentRenderer.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QtTest>

using app::Program;

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
        // The first call after the copy: the picture file has just been written.
        if (meanwhile && m_copied) {
            auto run = std::move(meanwhile);
            meanwhile = nullptr;
            run();
        }
        m_copied = call.member == QLatin1String("Range.CopyAsPicture");
        RecordingEngine::invoke(call, work);
    }
    std::function<void()> meanwhile;

private:
    bool m_copied = false;
};

}  // namespace

class PictureStepTest : public QObject {
    Q_OBJECT

private slots:
    void theUsersClipboardIsLeftAsItWas()
    {
        PlannerScene scene;
        seam::Seam<platform::Clipboard>::install(nullptr);  // the program's own clipboard, as in the program
        QGuiApplication::clipboard()->setText(QStringLiteral("a line to paste later"));
        scene.start();
        QVERIFY(scene.boxes.errorReports().isEmpty());
        QVERIFY(scene.preview().isVisible());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a line to paste later"));
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasImage());
    }

    // A second program sharing the temporary folder generates while the
    // first one is between writing its picture and loading it back.
    void twoGenerationsAtOnceEachShowTheirOwnPlanner()
    {
        PlannerScene scene;
        auto engine = std::make_shared<InterleavingEngine>();
        word::EngineSeam::install(engine);
        Program other;
        other.entryWindow().load();
        engine->meanwhile = [&] {
            other.entryWindow().titleEdit->setText(QStringLiteral("Beta"));
            other.entryWindow().startClicked();
        };
        scene.start(QStringLiteral("Alpha"));
        QVERIFY(scene.boxes.errorReports().isEmpty());
        QVERIFY(other.previewWindow());

        const word::model::DocumentModel mine = scene.document();
        const word::model::DocumentModel theirs = word::package::readPackage(other.previewWindow()->temporaryDocument);
        QCOMPARE(std::get<word::model::Paragraph>(mine.body.front()).text(), QStringLiteral("Week of Alpha"));
        QCOMPARE(std::get<word::model::Paragraph>(theirs.body.front()).text(), QStringLiteral("Week of Beta"));
        QVERIFY(samePicture(scene.preview().originalPicture()->picture(), word::pictureOfDocument(mine)));
        QVERIFY(samePicture(other.previewWindow()->originalPicture()->picture(), word::pictureOfDocument(theirs)));
        // Neither picture file is left behind.
        QCOMPARE(scene.temporaryFiles().filter(QStringLiteral(".pic")), QStringList());
        word::EngineSeam::install(scene.engine);
    }
};

QTEST_MAIN(PictureStepTest)
#include "PictureStepTest.moc"
