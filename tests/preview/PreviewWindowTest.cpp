#include "preview/PreviewWindow.h"

#include "ScriptedPlatform.h"
#include "SmallFileSystem.h"
#include "TestFiles.h"
#include "desktop/PictureBox.h"
#include "platform/ProgramEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPicture>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

using preview::PreviewWindow;
using Shape = desktop::WindowPointer::Shape;

namespace {

using testfiles::readFile;
using testfiles::writeFile;

// A picture of one colour, `width` x `height` pixels.
QPicture filledPicture(int width, int height, const QColor& colour)
{
    QPicture picture;
    QPainter painter(&picture);
    painter.fillRect(0, 0, width, height, colour);
    painter.end();
    picture.setBoundingRect(QRect(0, 0, width, height));
    return picture;
}

// Left half red, right half blue, so a scaled drawing can be checked by colour.
QPicture twoColourPicture(int width, int height)
{
    QPicture picture;
    QPainter painter(&picture);
    painter.fillRect(0, 0, width / 2, height, Qt::red);
    painter.fillRect(width / 2, 0, width - width / 2, height, QColor(0, 0, 255));
    painter.end();
    picture.setBoundingRect(QRect(0, 0, width, height));
    return picture;
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void hover(QWidget* widget) { sendMouse(widget, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::NoButton); }

// A window with a planner-sized picture and a temporary document, shown and activated.
struct ShownPreview {
    explicit ShownPreview(const QString& document, QPicture picture = twoColourPicture(640, 700))
    {
        form.setPicture(picture);
        form.temporaryDocument = document;
        form.show();
        activated = QTest::qWaitForWindowActive(&form);
    }
    PreviewWindow form;
    bool activated = false;
};

}  // namespace

class PreviewWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        platform::setApplicationTitle(QStringLiteral("Dorvane"));
        // No hand cursor unless a test puts one there.
        platform::setProgramFolder(m_programFolder.path());
    }

    // A desktop may show the window without ever activating it (no window
    // manager, focus kept elsewhere): the viewport is set up all the same.
    void shownWithoutActivationIsSetUp()
    {
        PreviewWindow form;
        form.setAttribute(Qt::WA_ShowWithoutActivating);
        form.setPicture(filledPicture(640, 700, Qt::white));
        form.show();
        QVERIFY(!form.isActiveWindow());
        QVERIFY(!form.firstActivatePending());
        QCOMPARE(form.shownPicture()->geometry(), QRect(0, 0, 640, 700));
    }

    void init() { m_dir.reset(new QTemporaryDir); m_document = m_dir->filePath("dv1234.tmp"); QVERIFY(writeFile(m_document, "planner one")); }

    // The window's own texts; where each control stands is the designer's table, not behaviour.
    void captionsAndTitle()
    {
        ScriptedMessageBoxes boxes;
        PreviewWindow form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Dorvane"));
        QCOMPARE(form.buttonFrame()->title(), QStringLiteral("Zoom:"));
        QCOMPARE(form.zoomInButton()->text(), QStringLiteral("Zoom In"));
        QCOMPARE(form.zoomOutButton()->text(), QStringLiteral("Zoom Out"));
        QCOMPARE(form.backButton()->text(), QStringLiteral("< Back"));
        QCOMPARE(form.saveButton()->text(), QStringLiteral("Save Results To Word File"));
        QVERIFY(boxes.shown.isEmpty());
        QVERIFY(form.firstActivatePending());
    }

    // Tab stops only where something can be done, the buttons as they stand
    // left to right: Back before Save, and no stop on the "Zoom:" caption.
    // (The original picture shows, and takes its turn, only while zoomed.)
    void tabRunsThroughTheControlsAsTheyStand()
    {
        ScriptedMessageBoxes boxes;
        PreviewWindow form;
        form.setPicture(filledPicture(640, 700, Qt::white));
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QWidget* first = form.zoomInButton();
        first->setFocus();
        QStringList stops;
        for (QWidget* at = first; stops.size() < 20;) {
            stops << at->objectName();
            QTest::keyClick(at, Qt::Key_Tab);
            at = QApplication::focusWidget();
            if (!at || at == first)
                break;
        }
        QCOMPARE(stops.join(' '), QStringList({"zoomInButton", "zoomOutButton", "backButton", "saveButton", "horizontalBar",
                                     "verticalBar", "view", "shownPicture"}).join(' '));
    }

    void handCursorIsLoadedWhenPresentAndReportedWhenBroken()
    {
        ScriptedMessageBoxes boxes;
        {
            PreviewWindow form;  // no file: the hand state shows the arrow, nothing reported
            QVERIFY(!form.pointer().hasCustomCursor());
        }
        QVERIFY(boxes.shown.isEmpty());

        const QString cursor = m_programFolder.filePath("HAND-M.CUR");
        QVERIFY(writeFile(cursor, "not a cursor"));
        {
            PreviewWindow form;
            QVERIFY(!form.pointer().hasCustomCursor());
            QCOMPARE(form.windowTitle(), QStringLiteral("Dorvane"));  // the load went on
        }
        QCOMPARE(boxes.errorReports().size(), 1);
        QVERIFY(boxes.errorReports()[0].contains("\r\nin Dorvane2021/08/31.Form2.Form_Load at line 110\r\r"));

        // The program's own hand cursor.
        QFile::remove(cursor);
        QVERIFY(QFile::copy(DORVANE_HAND_CURSOR, cursor));
        {
            PreviewWindow form;
            QVERIFY(form.pointer().hasCustomCursor());
        }
        QCOMPARE(boxes.errorReports().size(), 1);
        QFile::remove(cursor);
    }

    void firstActivationShowsThePictureAtFullSize()
    {
        ScriptedMessageBoxes boxes;
        ShownPreview shown(m_document);
        PreviewWindow& form = shown.form;
        QVERIFY(shown.activated);
        QVERIFY(!form.firstActivatePending());
        QCOMPARE(form.viewport().zoom(), 1.0f);
        QVERIFY(form.originalPicture()->isHidden());
        QCOMPARE(desktop::PictureBox::pictureSize(form.originalPicture()->picture()), QSize(640, 700));
        QCOMPARE(form.shownPicture()->geometry(), QRect(0, 0, 640, 700));  // 9598 x 10498 twips
        QCOMPARE(form.horizontalBar()->maximum(), 27);
        QCOMPARE(form.verticalBar()->maximum(), 307);
        QVERIFY(form.horizontalBar()->isEnabled());
        const QImage drawn = form.shownPicture()->image();
        QCOMPARE(drawn.pixel(10, 10), qRgb(255, 0, 0));
        QCOMPARE(drawn.pixel(600, 10), qRgb(0, 0, 255));

        // Later activations leave the viewport alone.
        QTest::mouseClick(form.zoomInButton(), Qt::LeftButton);
        form.activate();
        QCOMPARE(form.viewport().zoom(), 1.25f);
        QVERIFY(boxes.shown.isEmpty());
    }

    void zoomButtonsRedrawAndTheBarsFollow()
    {
        ScriptedMessageBoxes boxes;
        ShownPreview shown(m_document);
        PreviewWindow& form = shown.form;
        QTest::mouseClick(form.zoomInButton(), Qt::LeftButton);
        QTest::mouseClick(form.zoomInButton(), Qt::LeftButton);
        QCOMPARE(form.viewport().zoom(), 1.5f);
        QCOMPARE(form.shownPicture()->size(), QSize(960, 1050));  // 14397 x 15747 twips
        const QImage drawn = form.shownPicture()->image();
        QCOMPARE(drawn.size(), QSize(958, 1048));
        QCOMPARE(drawn.pixel(470, 500), qRgb(255, 0, 0));  // source x 313
        QCOMPARE(drawn.pixel(490, 500), qRgb(0, 0, 255));  // source x 327
        QCOMPARE(form.horizontalBar()->maximum(), 507);  // (14397 - 9330) / 10
        QCOMPARE(form.verticalBar()->maximum(), 832);

        // The user's scroll moves the picture, 10 twips a unit.
        form.horizontalBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        form.horizontalBar()->setValue(30);
        QCOMPARE(form.viewport().horizontalBar().value(), 30);
        QCOMPARE(form.shownPicture()->x(), -20);
        form.verticalBar()->setValue(form.verticalBar()->maximum());
        QCOMPARE(form.shownPicture()->y(), -555);  // 8320 twips

        QTest::mouseClick(form.zoomOutButton(), Qt::LeftButton);
        QCOMPARE(form.viewport().zoom(), 1.25f);
        QCOMPARE(form.horizontalBar()->value(), 0);
        QCOMPARE(form.shownPicture()->pos(), QPoint(0, 0));
        QCOMPARE(form.horizontalBar()->maximum(), 267);
        QVERIFY(boxes.shown.isEmpty());
    }

    void draggingPansAndReleaseSetsTheBars()
    {
        ScriptedMessageBoxes boxes;
        ShownPreview shown(m_document);
        PreviewWindow& form = shown.form;
        QWidget* picture = form.shownPicture();
        sendMouse(picture, QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton, Qt::LeftButton);
        sendMouse(picture, QEvent::MouseMove, QPoint(91, 100), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(form.viewport().shownPicture().left, -135.0f);
        QCOMPARE(picture->x(), -9);
        QCOMPARE(form.horizontalBar()->value(), 0);  // not during the drag
        // The pointer stays where it was inside the picture; moving on adds up.
        sendMouse(picture, QEvent::MouseMove, QPoint(95, 96), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(form.viewport().shownPicture().left, -135.0f - 75.0f);
        QCOMPARE(form.viewport().shownPicture().top, -60.0f);
        sendMouse(picture, QEvent::MouseMove, QPoint(105, 100), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(form.viewport().shownPicture().left, -135.0f);
        sendMouse(picture, QEvent::MouseButtonRelease, QPoint(105, 100), Qt::LeftButton, Qt::NoButton);
        // 135 / 268 = 50 %, half of 27 is 13.5: 14, and the picture settles on -140.
        QCOMPARE(form.horizontalBar()->value(), 14);
        QCOMPARE(form.viewport().shownPicture().left, -140.0f);

        QVERIFY(boxes.shown.isEmpty());
    }

    void theRightButtonNeverMovesThePicture()
    {
        // It opens the context menu; a drag with it held moves nothing.
        ScriptedMessageBoxes boxes;
        ShownPreview shown(m_document);
        PreviewWindow& form = shown.form;
        QWidget* picture = form.shownPicture();
        sendMouse(picture, QEvent::MouseButtonPress, QPoint(100, 100), Qt::RightButton, Qt::RightButton);
        sendMouse(picture, QEvent::MouseMove, QPoint(40, 60), Qt::NoButton, Qt::RightButton);
        sendMouse(picture, QEvent::MouseButtonRelease, QPoint(40, 60), Qt::RightButton, Qt::NoButton);
        QCOMPARE(form.viewport().shownPicture().left, 0.0f);
        QCOMPARE(form.viewport().shownPicture().top, 0.0f);
        QCOMPARE(picture->pos(), QPoint(0, 0));
        QCOMPARE(form.horizontalBar()->value(), 0);
        QCOMPARE(form.verticalBar()->value(), 0);
        QVERIFY(boxes.shown.isEmpty());
    }

    void pointerFollowsTheHoverRules()
    {
        ScriptedMessageBoxes boxes;
        ShownPreview shown(m_document);
        PreviewWindow& form = shown.form;
        hover(form.saveButton());
        QCOMPARE(form.pointer().shape(), Shape::Custom);
        hover(form.view());  // picture areas and bars keep the shape
        hover(form.horizontalBar());
        QCOMPARE(form.pointer().shape(), Shape::Custom);
        hover(form.buttonFrame());
        QCOMPARE(form.pointer().shape(), Shape::Arrow);
        hover(form.zoomInButton());
        hover(&form);
        QCOMPARE(form.pointer().shape(), Shape::Arrow);

        form.pointer().setShape(Shape::Hourglass);
        hover(form.backButton());
        hover(form.buttonFrame());
        QCOMPARE(form.pointer().shape(), Shape::Hourglass);

        form.pointer().setShape(Shape::Custom);
        form.zoomInClicked();  // every redraw shows the arrow
        QCOMPARE(form.pointer().shape(), Shape::Arrow);
    }

    // The wheel and the keys go through the scroll bars and the zoom
    // buttons' handlers, so bars, picture and zoom limits stay as they are.
    void wheelAndKeysDriveTheBarsAndTheZoom()
    {
        ScriptedMessageBoxes boxes;
        ScriptedFileDialogs dialogs;
        ShownPreview shown(m_document);
        PreviewWindow& form = shown.form;
        QVERIFY(shown.activated);
        auto wheel = [&](QPoint angle, Qt::KeyboardModifiers modifiers, QPoint pixels = QPoint()) {
            QWheelEvent event(QPointF(50, 50), form.shownPicture()->mapToGlobal(QPointF(50, 50)), pixels, angle,
                              Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(form.shownPicture(), &event);
        };
        auto inStep = [&] {
            QCOMPARE(form.verticalBar()->value(), int(form.viewport().verticalBar().value()));
            QCOMPARE(form.horizontalBar()->value(), int(form.viewport().horizontalBar().value()));
            QCOMPARE(form.shownPicture()->y(), qRound(-form.viewport().verticalStep() * form.verticalBar()->value() / 15.0));
        };

        // A notch down: three lines of 20 pixels, 900 twips, 90 units of 10 twips.
        wheel(QPoint(0, -120), Qt::NoModifier);
        QCOMPARE(form.verticalBar()->value(), 90);
        inStep();
        wheel(QPoint(0, 120), Qt::NoModifier);
        QCOMPARE(form.verticalBar()->value(), 0);
        wheel(QPoint(0, -120), Qt::ShiftModifier);  // sideways, as far as the bar goes
        QCOMPARE(form.horizontalBar()->value(), form.horizontalBar()->maximum());
        QCOMPARE(form.verticalBar()->value(), 0);
        // A touchpad's pixels: 2 pixels are 3 units; the rest of a unit is kept.
        wheel(QPoint(0, -8), Qt::NoModifier, QPoint(0, -2));
        wheel(QPoint(0, -8), Qt::NoModifier, QPoint(0, -1));
        QCOMPARE(form.verticalBar()->value(), 4);
        inStep();

        QTest::keyClick(&form, Qt::Key_Down);
        QCOMPARE(form.verticalBar()->value(), 34);
        QTest::keyClick(&form, Qt::Key_PageDown);  // a page is 473 pixels, more than is left
        QCOMPARE(form.verticalBar()->value(), form.verticalBar()->maximum());
        QTest::keyClick(&form, Qt::Key_Up);
        QCOMPARE(form.verticalBar()->value(), form.verticalBar()->maximum() - 30);
        QTest::keyClick(&form, Qt::Key_PageUp);
        QCOMPARE(form.verticalBar()->value(), 0);
        QTest::keyClick(&form, Qt::Key_Left);
        QCOMPARE(form.horizontalBar()->value(), 0);  // 30 units to the left of 27
        inStep();

        // Ctrl+wheel: a step a notch, refused past 4.0 like the button.
        wheel(QPoint(0, 120), Qt::ControlModifier);
        QCOMPARE(form.viewport().zoom(), 1.25f);
        wheel(QPoint(0, 60), Qt::ControlModifier);
        QCOMPARE(form.viewport().zoom(), 1.25f);  // half a notch is not yet a step
        wheel(QPoint(0, 60), Qt::ControlModifier);
        QCOMPARE(form.viewport().zoom(), 1.5f);
        wheel(QPoint(0, 120 * 12), Qt::ControlModifier);
        QCOMPARE(form.viewport().zoom(), 4.0f);
        QTest::keyClick(&form, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(form.viewport().zoom(), 3.75f);
        QTest::keyClick(&form, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(form.viewport().zoom(), 4.0f);
        QTest::keyClick(&form, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(form.viewport().zoom(), 4.0f);
        QCOMPARE(form.horizontalBar()->value(), 0);  // a redraw starts at the corner
        wheel(QPoint(0, -120 * 20), Qt::ControlModifier);
        QCOMPARE(form.viewport().zoom(), 0.25f);

        // Ctrl+S is the Save button.
        QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs.requests.size(), 1);
        QCOMPARE(boxes.texts(), QStringList{"Done."});  // cancelled, as the button says
    }

    void saveToANewName()
    {
        ScriptedMessageBoxes boxes;
        ScriptedFileDialogs dialogs;
        ShownPreview shown(m_document);
        const QString target = m_dir->filePath("week.doc");
        dialogs.choose(target);
        QTest::mouseClick(shown.form.saveButton(), Qt::LeftButton);

        QCOMPARE(dialogs.requests.size(), 1);
        QCOMPARE(dialogs.requests[0].fileName, QString());
        QCOMPARE(dialogs.requests[0].title, QStringLiteral("Save File"));
        QCOMPARE(dialogs.requests[0].filter, QStringLiteral("Word Files (*.doc)|*.doc"));
        QCOMPARE(readFile(target), QByteArray("planner one"));
        QCOMPARE(boxes.texts(), QStringList{"Done."});
        QCOMPARE(boxes.shown[0].title, QStringLiteral("Dorvane"));
        QCOMPARE(boxes.shown[0].buttons, platform::Buttons::Ok);
        QCOMPARE(boxes.shown[0].icon, platform::Icon::None);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);  // no stray temporary file
    }

    void overwriteAsksAndReplacesOnlyOnYes()
    {
        ScriptedMessageBoxes boxes;
        ScriptedFileDialogs dialogs;
        ShownPreview shown(m_document);
        const QString target = m_dir->filePath("week.doc");
        QVERIFY(writeFile(target, "an older week"));
        const QString question = "Are you sure you wish to overwrite " + target + " ?";

        dialogs.choose(target);
        boxes.answer(platform::Answer::No);
        shown.form.saveClicked();
        QCOMPARE(readFile(target), QByteArray("an older week"));
        QCOMPARE(boxes.texts(), (QStringList{question, "Done."}));
        QCOMPARE(boxes.shown[0].buttons, platform::Buttons::YesNo);
        QCOMPARE(boxes.shown[0].icon, platform::Icon::None);
        QCOMPARE(boxes.shown[0].title, QStringLiteral("Dorvane"));

        boxes.shown.clear();
        dialogs.choose(target);
        boxes.answer(platform::Answer::Yes);
        shown.form.saveClicked();
        QCOMPARE(readFile(target), QByteArray("planner one"));
        QCOMPARE(boxes.texts(), (QStringList{question, "Done."}));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
    }

    void cancelWritesAndAsksNothing()
    {
        ScriptedMessageBoxes boxes;
        ScriptedFileDialogs dialogs;
        ShownPreview shown(m_document);
        shown.form.saveClicked();  // no name scripted: cancelled
        QCOMPARE(dialogs.requests.size(), 1);
        QCOMPARE(boxes.texts(), QStringList{"Done."});
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"dv1234.tmp"});
    }

    // As Export adds ".pdf": the filter's extension, and only where the name has none.
    void aNameWithoutExtensionGetsTheFiltersExtension()
    {
        ScriptedMessageBoxes boxes;
        ScriptedFileDialogs dialogs;
        ShownPreview shown(m_document);
        QVERIFY(writeFile(m_dir->filePath("planner.doc"), "an older week"));
        dialogs.choose(m_dir->filePath("planner"));
        boxes.answer(platform::Answer::No);  // the name with its extension is the one asked about
        shown.form.saveClicked();
        QCOMPARE(boxes.texts(),
                 (QStringList{"Are you sure you wish to overwrite " + m_dir->filePath("planner.doc") + " ?", "Done."}));
        QCOMPARE(readFile(m_dir->filePath("planner.doc")), QByteArray("an older week"));
        QVERIFY(!QFile::exists(m_dir->filePath("planner")));

        boxes.shown.clear();
        dialogs.choose(m_dir->filePath("week.docx"));
        shown.form.saveClicked();
        QCOMPARE(readFile(m_dir->filePath("week.docx")), QByteArray("planner one"));
        QVERIFY(!QFile::exists(m_dir->filePath("week.docx.doc")));
        QCOMPARE(boxes.texts(), QStringList{"Done."});
    }

    void aFailedCopyIsReportedAndNotCalledDone()
    {
        ScriptedMessageBoxes boxes;
        ScriptedFileDialogs dialogs;
        ShownPreview shown(m_document);
        const QString target = m_dir->filePath("week.doc");
        QVERIFY(writeFile(target, "an older week"));

        // The temporary document is gone: the existing file must survive.
        QFile::remove(m_document);
        dialogs.choose(target);
        boxes.answer(platform::Answer::Yes);
        shown.form.saveClicked();
        QCOMPARE(readFile(target), QByteArray("an older week"));
        QCOMPARE(boxes.errorReports().size(), 1);
        QVERIFY(boxes.errorReports()[0].startsWith("Cannot read the planner document " + m_document));
        QVERIFY(boxes.errorReports()[0].contains("\r\nin Dorvane2021/08/31.Form2.PushButton6_Click at line 124\r\r"));
        QVERIFY(!boxes.texts().contains("Done."));

        // A folder that does not exist.
        boxes.shown.clear();
        QVERIFY(writeFile(m_document, "planner one"));
        dialogs.choose(m_dir->filePath("no/such/folder/week.doc"));
        shown.form.saveClicked();
        QCOMPARE(boxes.errorReports().size(), 1);
        QVERIFY(boxes.errorReports()[0].contains("PushButton6_Click at line 124"));
        QCOMPARE(boxes.shown.size(), 1);
    }

    // Saving over an existing planner on a real file system that is full or
    // nearly full, through the button: either the old file stays byte for
    // byte and the report names the reason, or the whole new one is there
    // and "Done." is said; never a cut-off file, never a temporary left.
    void saveOnAFullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<qint64>("freeBytes");
        for (qint64 free : {0, 4096, 8192, 12288, 16384})
            QTest::addRow("%lld bytes free", free) << free;
    }

    void saveOnAFullDiskKeepsTheOldFile()
    {
        const QString disk = SmallFileSystem::folder();
        if (disk.isEmpty()) {
            QString whyNot;
            const auto run = SmallFileSystem::runInside(
                {QString::fromLatin1(QTest::currentTestFunction()) + ':' + QString::fromLatin1(QTest::currentDataTag())},
                256 * 1024, &whyNot);
            if (!run)
                QSKIP(qPrintable(whyNot));
            QVERIFY2(run->exitCode == 0, qPrintable(run->output));
            QVERIFY2(run->output.contains("Totals: 3 passed, 0 failed"), qPrintable(run->output));
            return;
        }
        QFETCH(qint64, freeBytes);
        ScriptedMessageBoxes boxes;
        ScriptedFileDialogs dialogs;
        const QDir folder(disk);
        QByteArray old(20000, Qt::Uninitialized);
        for (qsizetype i = 0; i < old.size(); ++i)
            old[i] = char(i * 7);
        // Small enough that the emptiest disks refuse it and the fullest take it.
        const QByteArray planner(10000, 'n');
        QVERIFY(writeFile(folder.filePath("week.doc"), old));
        QVERIFY(writeFile(folder.filePath("kelvas12345678.doc"), planner));
        QVERIFY(SmallFileSystem::fill(disk, freeBytes));

        ShownPreview shown(folder.filePath("kelvas12345678.doc"));
        const auto saveAs = [&](const QString& name, const QByteArray& before) {
            boxes.shown.clear();
            dialogs.choose(folder.filePath(name));
            boxes.answer(platform::Answer::Yes);
            shown.form.saveClicked();
            const QByteArray after = readFile(folder.filePath(name));
            if (boxes.texts().contains("Done.")) {
                QCOMPARE(after, planner);
                QVERIFY(boxes.errorReports().isEmpty());
            } else {
                QCOMPARE(after, before);
                QCOMPARE(boxes.errorReports().size(), 1);
                QVERIFY2(boxes.errorReports()[0].contains("No space left on device"), qPrintable(boxes.errorReports()[0]));
            }
        };
        saveAs("week.doc", old);
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 (QStringList{"filler", "kelvas12345678.doc", "week.doc"}));
        // A new name: the whole file or none at all, rather than a cut-off one.
        saveAs("new.doc", QByteArray());
        const QStringList left = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        QVERIFY2(left == (QStringList{"filler", "kelvas12345678.doc", "week.doc"}) ||
                     left == (QStringList{"filler", "kelvas12345678.doc", "new.doc", "week.doc"}),
                 qPrintable(left.join(' ')));
        QVERIFY(QFile::remove(folder.filePath("filler")));
    }

    void savingOverTheDocumentItselfKeepsIt()
    {
        ScriptedMessageBoxes boxes;
        ScriptedFileDialogs dialogs;
        ShownPreview shown(m_document);
        dialogs.choose(m_document);
        boxes.answer(platform::Answer::Yes);
        shown.form.saveClicked();
        QCOMPARE(readFile(m_document), QByteArray("planner one"));
        QCOMPARE(boxes.texts().last(), QStringLiteral("Done."));
        QVERIFY(boxes.errorReports().isEmpty());
    }

    void backHidesAndANewResultStartsOver()
    {
        ScriptedMessageBoxes boxes;
        QWidget entry;
        PreviewWindow form;
        form.setEntryWindow(&entry);
        form.setPicture(twoColourPicture(640, 700));
        form.temporaryDocument = m_document;
        form.show();
        entry.hide();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.zoomInClicked();
        form.zoomInClicked();
        form.horizontalBar()->setValue(40);

        QTest::mouseClick(form.backButton(), Qt::LeftButton);
        QVERIFY(!QFile::exists(m_document));
        QVERIFY(entry.isVisible());
        QVERIFY(form.isHidden());
        QCOMPARE(form.viewport().zoom(), 1.5f);  // kept while hidden

        // The next result: a smaller, all-green picture and a new document.
        const QPicture green = filledPicture(300, 200, Qt::green);
        const QString second = m_dir->filePath("dv5678.tmp");
        QVERIFY(writeFile(second, "planner two"));
        form.setPicture(green);
        form.temporaryDocument = second;
        form.show();
        entry.hide();
        QCOMPARE(form.viewport().zoom(), 1.0f);
        QCOMPARE(desktop::PictureBox::pictureSize(form.originalPicture()->picture()), QSize(300, 200));
        QCOMPARE(form.shownPicture()->geometry(), QRect(0, 0, 300, 200));
        QVERIFY(!form.horizontalBar()->isEnabled());
        QCOMPARE(form.horizontalBar()->value(), 0);
        form.zoomInClicked();
        QCOMPARE(form.shownPicture()->size(), QSize(375, 250));
        QCOMPARE(form.shownPicture()->image().pixel(300, 200), qRgb(0, 255, 0));
        QVERIFY(boxes.shown.isEmpty());
    }

    void backWithoutAnEntryWindowKeepsThisOne()
    {
        ScriptedMessageBoxes boxes;
        ShownPreview shown(m_document);
        shown.form.backClicked();
        QVERIFY(!QFile::exists(m_document));
        QVERIFY(shown.form.isVisible());
        QCOMPARE(boxes.errorReports().size(), 1);
        QVERIFY(boxes.errorReports()[0].contains("Form2.PushButton8_Click at line 104"));
    }

    void closingDeletesTheDocumentAndEndsTheProgram_data()
    {
        QTest::addColumn<bool>("byCtrlQ");
        QTest::newRow("close") << false;
        QTest::newRow("Ctrl+Q") << true;
    }

    void closingDeletesTheDocumentAndEndsTheProgram()
    {
        QFETCH(bool, byCtrlQ);
        // Notes whether the document was already gone when the end came.
        struct CheckingExit final : platform::ProgramExit {
            QString document;
            int endRequests = 0;
            bool documentGoneFirst = false;
            void endNow() override
            {
                ++endRequests;
                documentGoneFirst = !QFile::exists(document);
            }
        } exit;
        exit.document = m_document;
        seam::Seam<platform::ProgramExit>::install(&exit);

        ScriptedMessageBoxes boxes;
        QWidget entry;  // hidden, as while the preview shows
        ShownPreview shown(m_document);
        shown.form.setEntryWindow(&entry);
        if (byCtrlQ) {
            QVERIFY(QTest::qWaitForWindowActive(&shown.form));
            QTest::keyClick(&shown.form, Qt::Key_Q, Qt::ControlModifier);
        } else {
            QVERIFY(shown.form.close());
        }
        seam::Seam<platform::ProgramExit>::install(nullptr);
        QCOMPARE(exit.endRequests, 1);
        QVERIFY(exit.documentGoneFirst);
        QVERIFY(boxes.shown.isEmpty());
    }

    void aWindowWithoutAPictureOpensNormally()
    {
        // The generator could not load its picture on the first run.
        ScriptedMessageBoxes boxes;
        PreviewWindow form;
        form.temporaryDocument = m_document;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QVERIFY(!form.firstActivatePending());
        QCOMPARE(form.viewport().zoom(), 1.0f);
        QCOMPARE(form.shownPicture()->image().pixel(5, 5), qRgb(255, 255, 255));
        form.zoomInClicked();
        QCOMPARE(form.viewport().zoom(), 1.25f);
        QVERIFY(boxes.shown.isEmpty());
    }

private:
    QTemporaryDir m_programFolder;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_document;
};

QTEST_MAIN(PreviewWindowTest)
#include "PreviewWindowTest.moc"
