// The picture step leaves the user's clipboard alone, two generations
// running at the same time each show their own planner, and the weeks of
// one import are one document and one picture.
#include "PlannerScene.h"

#include "app/Program.h"
#include "desktop/PictureBox.h"
#include "entry/ImportWeekDialog.h"
#include "preview/PreviewWindow.h"
#include "word/package/PackageReader.h"
#include "word/render/DocumentRenderer.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QSpinBox>
#include <QTimer>
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

    // Three weeks imported in the window: the saved document holds a table
    // for each, and the preview shows that document whole.
    void weeksImportedTogetherAreOneDocumentShownWhole()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        PlannerScene scene;
        scene.form().today = [] { return QDate(2026, 12, 9); };
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<entry::ImportWeekDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                qFatal("the Import Week dialog is not up");
            dialog->weeksBox->setValue(3);
            QTest::keyClick(dialog->dateEdit, Qt::Key_Return);
        });
        scene.form().importCalendarFile(QStringLiteral(CALENDAR_DATA "/google.ics"));
        QCOMPARE(scene.form().followingWeeks().size(), 2u);
        scene.start(QStringLiteral("December 7, 2026"));
        QCOMPARE(scene.boxes.errorReports(), QStringList());

        const word::model::DocumentModel document = scene.document();
        QStringList headings;
        for (const word::model::Block& block : document.body) {
            if (const auto* paragraph = std::get_if<word::model::Paragraph>(&block); paragraph && !paragraph->text().isEmpty())
                headings << paragraph->text();
        }
        QCOMPARE(headings, (QStringList{"Week of December 7, 2026", "Week of December 14, 2026", "Week of December 21, 2026"}));
        QVERIFY(document.table(2) && !document.table(3));
        const QPicture& shown = scene.preview().originalPicture()->picture();
        QVERIFY(samePicture(shown, word::pictureOfDocument(document)));
        // Three weeks of rows, not the first page alone.
        QVERIFY2(shown.boundingRect().height() > 2 * shown.boundingRect().width(),
                 qPrintable(QStringLiteral("%1 x %2").arg(shown.boundingRect().width()).arg(shown.boundingRect().height())));
    }
};

QTEST_MAIN(PictureStepTest)
#include "PictureStepTest.moc"
