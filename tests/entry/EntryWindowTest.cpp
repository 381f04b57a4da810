#include "entry/EntryWindow.h"

#include "ScriptedPlatform.h"
#include "TestFiles.h"
#include "common/ErrorReport.h"
#include "entry/DayTabs.h"
#include "desktop/PictureBox.h"
#include "planner/PlannerSettings.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <stdexcept>

using entry::EntryWindow;

namespace {

using testfiles::writeFile;

const char* const LoadLocation = "in Dorvane2021/08/31.Form1.Form_Load ";
using Shape = desktop::WindowPointer::Shape;

QStringList blankLines()
{
    return {"8,,", "9,,", "10,,", "11,,", "12,,", "1,,", "2,,", "3,,", "4,,", "5,,"};
}

void moveOver(QWidget* widget, QPoint pos = QPoint(2, 2))
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// Types into a box the way the keyboard does: one change per character.
void type(QLineEdit* box, const QString& text)
{
    box->setFocus();
    QTest::keyClicks(box, text);
}

}  // namespace

class EntryWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir* m_folder = nullptr;
    ScriptedMessageBoxes* m_boxes = nullptr;
    RecordingProgramExit* m_exit = nullptr;

private slots:
    void init()
    {
        m_folder = new QTemporaryDir;
        platform::setProgramFolder(m_folder->path());
        m_boxes = new ScriptedMessageBoxes;
        m_exit = new RecordingProgramExit;
    }

    void cleanup()
    {
        delete m_exit;
        delete m_boxes;
        platform::setProgramFolder({});
        delete m_folder;
    }

    // What the user sees of the layout: a window of the designed size in which
    // every control lies whole inside its container, apart from its siblings,
    // and the ten rows stand one below the other under their column headings.
    void layoutShowsEveryControlWhole()
    {
        EntryWindow form;
        QCOMPARE(form.size(), QSize(544, 487));  // 8160 x 7305 twips
        QCOMPARE(form.minimumSize(), form.maximumSize());
        const QList<QWidget*> onWindow = {form.startButton, form.helpButton, form.sampleButton, form.titleFrame, form.dayTabs};
        for (qsizetype i = 0; i < onWindow.size(); ++i) {
            for (qsizetype j = i + 1; j < onWindow.size(); ++j)
                QVERIFY2(!onWindow[i]->geometry().intersects(onWindow[j]->geometry()), qPrintable(onWindow[j]->objectName()));
        }
        QList<QWidget*> all = onWindow + QList<QWidget*>{form.rowsPanel, form.titleEdit, form.headingLabels[1], form.headingLabels[2], form.headingLabels[3]};
        QCOMPARE(form.titleEdit->parentWidget(), form.titleFrame);
        for (int row = 0; row < 10; ++row) {
            QWidget* time = form.timeBoxes[row];
            QWidget* number = form.numberBoxes[row];
            QWidget* name = form.nameBoxes[row];
            all << time << number << name;
            QCOMPARE(time->parentWidget(), form.rowsPanel);
            QCOMPARE(number->y(), time->y());
            QCOMPARE(name->y(), time->y());
            QVERIFY(time->geometry().right() < number->x());
            QVERIFY(number->geometry().right() < name->x());
            if (row > 0)
                QVERIFY(time->y() > form.timeBoxes[row - 1]->geometry().bottom());
            for (int column = 1; column <= 3; ++column) {
                const QRect heading = form.headingLabels[column]->geometry();
                const QRect box = (column == 1 ? time : column == 2 ? number : name)->geometry();
                QVERIFY(heading.bottom() < box.top());
                QVERIFY(heading.left() < box.right() && box.left() < heading.right());
            }
            QVERIFY(form.timeBoxes[row]->isReadOnly());
            QCOMPARE(form.timeBoxes[row]->alignment(), Qt::AlignCenter);
            QVERIFY(!form.numberBoxes[row]->isReadOnly());
        }
        for (QWidget* widget : all)
            QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), qPrintable(widget->objectName()));
        for (QPushButton* button : {form.startButton, form.helpButton, form.sampleButton})
            QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width());
        for (int column = 1; column <= 3; ++column)
            QVERIFY(form.headingLabels[column]->fontMetrics().horizontalAdvance(form.headingLabels[column]->text()) <= form.headingLabels[column]->width());

        QCOMPARE(form.startButton->text(), QString("Start Creating Template"));
        QCOMPARE(form.helpButton->text(), QString("Help"));
        QCOMPARE(form.sampleButton->text(), QString("Load Sample/Example Data"));
        QCOMPARE(form.titleFrame->title(), QString("Title For This Week"));
        QCOMPARE(form.headingLabels[1]->text(), QString("Time"));
        QCOMPARE(form.headingLabels[2]->text(), QString("Number"));
        QCOMPARE(form.headingLabels[3]->text(), QString("Name"));
        QVERIFY(form.titleEdit->text().isEmpty());

        // Six tabs in one row; the row panel lies over the page area, above the tab control.
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QTabBar* bar = form.dayTabs->tabBar();
        QCOMPARE(bar->count(), 6);
        const QStringList captions = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Sat/Sun"};
        for (int page = 0; page < 6; ++page) {
            QCOMPARE(bar->tabText(page), captions[page]);
            QCOMPARE(bar->tabRect(page).top(), bar->tabRect(0).top());
            QVERIFY(bar->fontMetrics().horizontalAdvance(captions[page]) < bar->tabRect(page).width());
        }
        QCOMPARE(bar->tabRect(5).right(), bar->width() - 1);
        QCOMPARE(form.dayTabs->geometry().top() + bar->height(), form.rowsPanel->geometry().top());
        QCOMPARE(form.childAt(form.rowsPanel->geometry().topLeft() + QPoint(300, 5)), static_cast<QWidget*>(form.rowsPanel));
    }

    void tabOrderRunsThroughRowsThenTimesThenButtons()
    {
        EntryWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.numberBoxes[0]));
        QList<QWidget*> expected;
        for (int row = 0; row < 10; ++row)
            expected << form.numberBoxes[row] << form.nameBoxes[row];
        for (int row = 0; row < 10; ++row)
            expected << form.timeBoxes[row];
        expected << form.dayTabs->tabBar() << form.startButton << form.titleEdit << form.helpButton
                 << form.sampleButton << form.numberBoxes[0];
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(QApplication::focusWidget() == expected[i], qPrintable(QString("step %1: %2").arg(i).arg(QApplication::focusWidget()->metaObject()->className())));
        }
    }

    void everyTextBoxSelectsItsWholeTextOnFocus()
    {
        EntryWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.nameBoxes[0]->setText("Lunch");
        form.titleEdit->setText("Week of fun");
        form.numberBoxes[1]->setText("42");
        // Tab key into the boxes.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(form.nameBoxes[0]->selectedText(), QString("Lunch"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(form.numberBoxes[1]->selectedText(), QString("42"));
        // Focus given without the keyboard selects all the same, Time boxes included.
        form.titleEdit->setFocus(Qt::OtherFocusReason);
        QCOMPARE(form.titleEdit->selectedText(), QString("Week of fun"));
        form.timeBoxes[4]->setFocus(Qt::OtherFocusReason);
        QCOMPARE(form.timeBoxes[4]->selectedText(), QString("12"));
    }

    void startUpOrderWithoutOptionalFiles()
    {
        EntryWindow form;
        bool storeBeforeCheck = false;
        QString captionBeforeCheck;
        int checks = 0;
        form.checkWordPresence = [&] {
            ++checks;
            storeBeforeCheck = form.dayStore(0) != nullptr;
            captionBeforeCheck = form.windowTitle();
        };
        form.load();
        QVERIFY(m_boxes->shown.isEmpty());
        QCOMPARE(checks, 1);
        QVERIFY(storeBeforeCheck);
        QCOMPARE(captionBeforeCheck, QString("Dorvane"));
        QVERIFY(!form.windowIcon().isNull());
        QCOMPARE(platform::applicationTitle(), QString("Dorvane"));
        QCOMPARE(form.dayStore(0)->entryLines(), blankLines());
        for (int page = 1; page < 6; ++page)
            QVERIFY(form.dayStore(page) == nullptr);
        QVERIFY(form.styleSheet().isEmpty());
        QCOMPARE(form.titleFrame->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(form.rowsPanel->palette().color(QPalette::Window), QColor(Qt::white));

        // No hand cursor file: the hand state shows the arrow.
        QVERIFY(!form.pointer().hasCustomCursor());
        moveOver(form.startButton);
        QCOMPARE(form.pointer().shape(), Shape::Custom);
        QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);
    }

    void handCursorFileBecomesTheButtonPointer()
    {
        QVERIFY(QFile::copy(DORVANE_HAND_CURSOR, m_folder->filePath("HAND-M.CUR")));
        EntryWindow form;
        form.load();
        QVERIFY(m_boxes->shown.isEmpty());
        QVERIFY(form.pointer().hasCustomCursor());
        moveOver(form.sampleButton);
        QCOMPARE(form.pointer().shape(), Shape::Custom);
        QCOMPARE(form.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(form.cursor().pixmap().size(), QSize(32, 32));
        QCOMPARE(form.cursor().hotSpot(), QPoint(13, 4));  // the fingertip
        // The fingertip pixel is drawn, the corner is transparent.
        const QImage image = form.cursor().pixmap().toImage();
        QCOMPARE(qAlpha(image.pixel(13, 4)), 255);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }

    void unreadableCursorIsReportedAndTheLoadGoesOn()
    {
        QVERIFY(writeFile(m_folder->filePath("HAND-M.CUR"), "not a cursor at all"));
        EntryWindow form;
        int checks = 0;
        form.checkWordPresence = [&] { ++checks; };
        form.load();
        const QStringList reports = m_boxes->errorReports();
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports[0].contains("\r\nin Dorvane2021/08/31.Form1.Form_Load at line 108\r\r"));
        QVERIFY(!form.pointer().hasCustomCursor());
        QVERIFY(form.dayStore(0) != nullptr);
        QCOMPARE(checks, 1);
    }

    void twoFailuresInOneLoadGiveTwoReports()
    {
        QVERIFY(writeFile(m_folder->filePath("x/o.cjs"), "QWidget { color: red; "));
        QVERIFY(writeFile(m_folder->filePath("HAND-M.CUR"), "not a cursor at all"));
        EntryWindow form;
        form.load();

        const QStringList reports = m_boxes->errorReports();
        QCOMPARE(reports.size(), 2);
        // The skin's failure belongs to the load step's line that called it.
        QVERIFY(reports[0].endsWith(common::errorReportText("", LoadLocation, 100)));
        QVERIFY(reports[0].contains("o.cjs"));
        QVERIFY(reports[1].endsWith(common::errorReportText("", LoadLocation, 108)));
        QCOMPARE(m_boxes->shown[0].title, QString("Application Error"));
        QCOMPARE(m_boxes->shown[0].icon, platform::Icon::Exclamation);

        // The window still comes up: button-face colours, no skin, the rest of the load done.
        const QColor face = QApplication::palette().color(QPalette::Button);
        QCOMPARE(form.palette().color(QPalette::Window), face);
        QCOMPARE(form.titleFrame->palette().color(QPalette::Window), face);
        QCOMPARE(form.rowsPanel->palette().color(QPalette::Window), face);
        QCOMPARE(form.headingLabels[1]->palette().color(QPalette::Window), face);
        QVERIFY(form.styleSheet().isEmpty());
        QCOMPARE(form.windowTitle(), QString("Dorvane"));
        QVERIFY(form.dayStore(0) != nullptr);
    }

    void skinFileRestylesTheWindow()
    {
        const QByteArray sheet = "QPushButton { color: #123456; }";
        QVERIFY(writeFile(m_folder->filePath("x/o.cjs"), sheet));
        EntryWindow form;
        form.load();
        QVERIFY(m_boxes->shown.isEmpty());
        QCOMPARE(form.styleSheet(), QString::fromUtf8(sheet));
        QCOMPARE(form.titleFrame->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
        form.startButton->ensurePolished();
        QCOMPARE(form.startButton->palette().color(QPalette::ButtonText), QColor(0x12, 0x34, 0x56));
    }

    void typingOneCharacterStoresAllTenRows()
    {
        EntryWindow form;
        form.load();
        form.dayTabs->setCurrentIndex(2);
        const auto before = form.dayStore(2);
        QTest::keyClicks(form.nameBoxes[0], "x");
        QVERIFY(form.dayStore(2) != nullptr);
        QVERIFY(form.dayStore(2) != before);
        // A reader holding the earlier store keeps it as it was.
        const auto held = form.dayStore(2);
        QTest::keyClicks(form.nameBoxes[1], "y");
        QCOMPARE(held->entryLine(1), QString("9,,"));
        QCOMPARE(form.dayStore(2)->entryLine(1), QString("9,,y"));
        form.nameBoxes[1]->clear();
        QStringList expected = blankLines();
        expected[0] = "8,,x";
        QCOMPARE(form.dayStore(2)->entryLines(), expected);
        QTest::keyClicks(form.numberBoxes[9], "7");
        expected[9] = "5,7,";
        QCOMPARE(form.dayStore(2)->entryLines(), expected);
    }

    void switchingPagesKeepsEachPagesRows()
    {
        EntryWindow form;
        form.load();
        type(form.numberBoxes[3], "3");
        type(form.nameBoxes[3], "Gym");
        form.dayTabs->setCurrentIndex(1);  // never shown before: the hour texts, nothing typed
        QVERIFY(form.numberBoxes[3]->text().isEmpty());
        QVERIFY(form.nameBoxes[3]->text().isEmpty());
        QCOMPARE(form.timeBoxes[3]->text(), QString("11"));
        type(form.nameBoxes[5], "Trip");
        form.dayTabs->setCurrentIndex(0);
        QCOMPARE(form.numberBoxes[3]->text(), QString("3"));
        QCOMPARE(form.nameBoxes[3]->text(), QString("Gym"));
        QVERIFY(form.nameBoxes[5]->text().isEmpty());
        form.dayTabs->setCurrentIndex(1);
        QCOMPARE(form.nameBoxes[5]->text(), QString("Trip"));
        QVERIFY(form.nameBoxes[3]->text().isEmpty());

        QCOMPARE(form.dayStore(0)->entryLine(3), QString("11,3,Gym"));
        QCOMPARE(form.dayStore(0)->entryLine(5), QString("1,,"));
        QCOMPARE(form.dayStore(1)->entryLine(5), QString("1,,Trip"));
        QCOMPARE(form.dayStore(1)->entryLine(3), QString("11,,"));
        QCOMPARE(form.timeText(3), QString("11"));
    }

    void commasInNumbersAndNamesSurviveARoundTrip()
    {
        EntryWindow form;
        form.load();
        type(form.numberBoxes[4], "1,5");
        type(form.nameBoxes[4], "Lunch, then gym,");
        type(form.nameBoxes[6], "Plain");
        form.dayTabs->setCurrentIndex(4);
        QVERIFY(form.nameBoxes[4]->text().isEmpty());
        form.dayTabs->setCurrentIndex(0);
        QCOMPARE(form.numberBoxes[4]->text(), QString("1,5"));
        QCOMPARE(form.nameBoxes[4]->text(), QString("Lunch, then gym,"));
        const auto store = form.dayStore(0);
        QCOMPARE(store->time(4), QString("12"));
        QCOMPARE(store->number(4), QString("1,5"));
        QCOMPARE(store->name(4), QString("Lunch, then gym,"));
        QCOMPARE(store->entryLine(6), QString("2,,Plain"));  // rows without commas keep the classic line
    }

    void editingTheTitleNeverTouchesTheStores()
    {
        EntryWindow form;
        form.load();
        const auto before = form.dayStore(0);
        type(form.titleEdit, "Week, of June");
        QCOMPARE(form.dayStore(0), before);
        for (int page = 1; page < 6; ++page)
            QVERIFY(form.dayStore(page) == nullptr);
        QCOMPARE(form.weekTitle(), QString("Week, of June"));
    }

    void aTabChangeWhileAPageLoadsLeavesTheLaterPageIntact()
    {
        EntryWindow form;
        form.load();
        form.dayTabs->setCurrentIndex(1);
        for (int row = 0; row < 10; ++row)
            form.nameBoxes[row]->setText(QString("one %1").arg(row));
        form.dayTabs->setCurrentIndex(2);
        for (int row = 0; row < 10; ++row)
            form.nameBoxes[row]->setText(QString("two %1").arg(row));
        form.dayTabs->setCurrentIndex(0);
        const QStringList one = form.dayStore(1)->entryLines();
        const QStringList two = form.dayStore(2)->entryLines();

        // The user picks page 2 (and types) while page 1 is being filled.
        QTimer::singleShot(0, &form, [&] { form.dayTabs->setCurrentIndex(2); });
        form.dayTabs->setCurrentIndex(1);
        QCOMPARE(form.shownPage(), 1);
        for (int row = 0; row < 10; ++row)
            QCOMPARE(form.nameBoxes[row]->text(), QString("one %1").arg(row));
        QCoreApplication::processEvents();
        QCOMPARE(form.shownPage(), 2);
        for (int row = 0; row < 10; ++row)
            QCOMPARE(form.nameBoxes[row]->text(), QString("two %1").arg(row));
        QCOMPARE(form.dayStore(1)->entryLines(), one);
        QCOMPARE(form.dayStore(2)->entryLines(), two);
    }

    void hoverGivesTheHandOverButtonsAndTheArrowElsewhere()
    {
        QVERIFY(QFile::copy(DORVANE_HAND_CURSOR, m_folder->filePath("HAND-M.CUR")));
        EntryWindow form;
        form.load();
        QCOMPARE(form.pointer().shape(), Shape::Arrow);
        moveOver(form.helpButton);
        QCOMPARE(form.pointer().shape(), Shape::Custom);
        moveOver(&form, QPoint(540, 484));  // bare window surface
        QCOMPARE(form.pointer().shape(), Shape::Arrow);
        QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);
        moveOver(form.startButton);
        QCOMPARE(form.pointer().shape(), Shape::Custom);
        moveOver(form.titleFrame, QPoint(4, 50));
        QCOMPARE(form.pointer().shape(), Shape::Arrow);
        // Nothing else changes the pointer: the row panel and the boxes leave it.
        moveOver(form.startButton);
        moveOver(form.rowsPanel, QPoint(300, 5));
        moveOver(form.nameBoxes[2]);
        QCOMPARE(form.pointer().shape(), Shape::Custom);

        form.pointer().setShape(Shape::Hourglass);
        moveOver(form.sampleButton);
        moveOver(&form, QPoint(540, 484));
        moveOver(form.titleFrame, QPoint(4, 50));
        QCOMPARE(form.pointer().shape(), Shape::Hourglass);
        QCOMPARE(form.cursor().shape(), Qt::WaitCursor);
    }

    void startRefusesABlankTitle()
    {
        EntryWindow form;
        form.load();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        int generations = 0;
        form.generatePlanner = [&] { ++generations; };
        form.titleEdit->setText("   ");
        QTest::mouseClick(form.startButton, Qt::LeftButton);
        QCOMPARE(generations, 0);
        QCOMPARE(m_boxes->shown.size(), 1);
        QCOMPARE(m_boxes->shown[0].text, QString("You forgot to input week information."));
        QCOMPARE(m_boxes->shown[0].title, platform::applicationTitle());
        QCOMPARE(m_boxes->shown[0].title, QString("Dorvane"));
        QCOMPARE(m_boxes->shown[0].icon, platform::Icon::None);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.titleEdit));
        QVERIFY(!form.busy());
        QCOMPARE(form.titleEdit->text(), QString("   "));
    }

    void startRunsTheGeneratorUnderTheHourglassOnce()
    {
        EntryWindow form;
        form.load();
        form.titleEdit->setText(" June 1 ");
        int generations = 0;
        Shape shapeDuring = Shape::Arrow;
        QString titleSeen;
        form.generatePlanner = [&] {
            ++generations;
            shapeDuring = form.pointer().shape();
            titleSeen = form.weekTitle();
            QVERIFY(form.busy());
            form.startClicked();  // a click let through while generating
        };
        form.startClicked();
        QCOMPARE(generations, 1);
        QCOMPARE(shapeDuring, Shape::Hourglass);
        QCOMPARE(titleSeen, QString(" June 1 "));
        QCOMPARE(form.pointer().shape(), Shape::Arrow);
        QVERIFY(!form.busy());
        QVERIFY(m_boxes->shown.isEmpty());
        form.startClicked();
        QCOMPARE(generations, 2);
    }

    void aFailingGeneratorIsReportedAndTheWindowStaysUsable()
    {
        EntryWindow form;
        form.load();
        form.titleEdit->setText("Week 9");
        form.generatePlanner = [] { throw std::runtime_error("Word went away"); };
        form.startClicked();
        QCOMPARE(m_boxes->errorReports(),
                 QStringList{common::errorReportText("Word went away", "in Dorvane2021/08/31.Form1.PushButton1_Click ", 110)});
        QCOMPARE(form.pointer().shape(), Shape::Arrow);
        QVERIFY(!form.busy());
    }

    void helpNamesTheContactPage()
    {
        EntryWindow form;
        form.load();
        QTest::mouseClick(form.helpButton, Qt::LeftButton);
        QCOMPARE(m_boxes->shown.size(), 1);
        QCOMPARE(m_boxes->shown[0].text, "Questions? Please contact Team Quenlis at " + EntryWindow::ContactPage);
        QVERIFY(EntryWindow::ContactPage.startsWith("https://"));
        QCOMPARE(m_boxes->shown[0].title, QString("Dorvane"));
        QCOMPARE(m_boxes->shown[0].buttons, platform::Buttons::Ok);
    }

    void sampleDataFillsTheWeekExactly()
    {
        EntryWindow form;
        form.load();
        form.today = [] { return QDate(2026, 2, 12); };
        type(form.titleEdit, "My own title");
        type(form.nameBoxes[0], "Keep me");           // Monday row 0: outside the range
        form.dayTabs->setCurrentIndex(1);
        type(form.nameBoxes[9], "Late call");          // Tuesday row 9: outside the range
        type(form.nameBoxes[4], "Overwritten");        // Tuesday row 4: inside
        form.dayTabs->setCurrentIndex(0);

        QTest::mouseClick(form.sampleButton, Qt::LeftButton);
        QVERIFY(m_boxes->shown.isEmpty());
        QCOMPARE(form.weekTitle(), QString("Week #7"));
        QCOMPARE(form.shownPage(), 5);

        // Rows inside a page's example range are replaced, rows outside keep what was typed.
        for (int page = 0; page < 6; ++page)
            QVERIFY2(form.dayStore(page), qPrintable(QString("page %1 has no store").arg(page)));
        QCOMPARE(form.dayStore(0)->entryLine(0), QString("8,,Keep me"));
        QCOMPARE(form.dayStore(0)->entryLine(1), QString("9,1,Trip"));
        QCOMPARE(form.dayStore(0)->entryLine(5), blankLines()[5]);
        QCOMPARE(form.dayStore(1)->entryLine(2), blankLines()[2]);
        QCOMPARE(form.dayStore(1)->entryLine(4), QString("12,2,Lunch"));
        QCOMPARE(form.dayStore(1)->entryLine(6), QString("2,4,Meeting with friends"));
        QCOMPARE(form.dayStore(1)->entryLine(7), blankLines()[7]);
        QCOMPARE(form.dayStore(1)->entryLine(9), QString("5,,Late call"));
        QCOMPARE(form.dayStore(5)->entryLine(3), blankLines()[3]);
        QCOMPARE(form.dayStore(5)->entryLine(4), QString("12,1,Lunch"));
        QCOMPARE(form.dayStore(5)->entryLine(8), QString("4,5,Meeting with friends"));
        QCOMPARE(form.dayStore(5)->entryLine(9), blankLines()[9]);
        // The rows show Sat/Sun: five example rows from "12" to "4".
        QCOMPARE(form.timeBoxes[4]->text(), QString("12"));
        QCOMPARE(form.nameBoxes[8]->text(), QString("Meeting with friends"));
        QCOMPARE(form.timeBoxes[8]->text(), QString("4"));

        // Twice in a row gives the same week.
        QList<QStringList> first;
        for (int page = 0; page < 6; ++page)
            first << form.dayStore(page)->entryLines();
        form.sampleClicked();
        for (int page = 0; page < 6; ++page)
            QCOMPARE(form.dayStore(page)->entryLines(), first[page]);
    }

    void aFailingClockIsReportedAndThePagesStillFill()
    {
        EntryWindow form;
        form.load();
        form.today = [] { return QDate(); };
        form.sampleClicked();
        const QStringList reports = m_boxes->errorReports();
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports[0].endsWith(common::errorReportText("", "in Dorvane2021/08/31.Form1.PushButton3_Click ", 100)));
        for (int page = 0; page < 6; ++page)
            QVERIFY(form.dayStore(page) != nullptr);
        QCOMPARE(form.dayStore(2)->entryLine(3), QString("11,1,Go shopping"));
    }

    void closingReleasesTheStoresAndEndsTheProgram_data()
    {
        QTest::addColumn<bool>("byCtrlQ");
        QTest::newRow("close") << false;
        QTest::newRow("Ctrl+Q") << true;
    }

    void closingReleasesTheStoresAndEndsTheProgram()
    {
        QFETCH(bool, byCtrlQ);
        EntryWindow form;
        form.load();
        form.sampleClicked();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        if (byCtrlQ) {
            QVERIFY(QTest::qWaitForWindowActive(&form));
            QTest::keyClick(&form, Qt::Key_Q, Qt::ControlModifier);
        } else {
            QVERIFY(form.close());
        }
        QCOMPARE(m_exit->endRequests, 1);
        for (int page = 0; page < 6; ++page)
            QVERIFY(form.dayStore(page) == nullptr);
        QVERIFY(m_boxes->shown.isEmpty());
    }

    // All 24 hours: the keyboard reaches every row, each scrolled into sight
    // as it gets the focus, and each box is named after its hour as the
    // Time column shows it, on either clock.
    void aWholeDayIsReachedRowByRowAndNamedByItsHour()
    {
        EntryWindow form;
        planner::PlannerSettings settings = form.plannerSettings();
        settings.hours = {0, 23};
        settings.clock = week::Clock::TwentyFourHour;
        form.setPlannerSettings(settings);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(int(form.numberBoxes.size()), 24);
        QVERIFY(form.rowsScrollBar->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.numberBoxes[0]));
        const QRect panel = form.rowsPanel->rect();
        for (int row = 0; row < 24; ++row) {
            for (QLineEdit* box : {form.numberBoxes[row], form.nameBoxes[row]}) {
                if (row > 0 || box != form.numberBoxes[0])
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(box));
                QVERIFY2(panel.contains(box->geometry()), qPrintable(QString("row %1 out of sight").arg(row)));
            }
            QCOMPARE(form.timeBoxes[row]->text(), QString::number(row));
            QCOMPARE(form.numberBoxes[row]->accessibleName(), QString("Monday, %1 o'clock, Number").arg(row));
        }
        // Back up by the keyboard to the top, which scrolls back.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        for (int i = 0; i < 46; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.numberBoxes[0]));
        QVERIFY(panel.contains(form.numberBoxes[0]->geometry()));

        settings.clock = week::Clock::TwelveHour;
        form.setPlannerSettings(settings);
        const QStringList hours{"12 am", "1 am", "11 am", "12 pm", "1 pm", "11 pm"};
        const int rows[] = {0, 1, 11, 12, 13, 23};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(form.timeBoxes[rows[i]]->text(), hours[i]);
            QCOMPARE(form.nameBoxes[rows[i]]->accessibleName(), "Monday, " + hours[i] + ", Name");
        }
    }

    // A range that leaves typed hours out keeps them aside, and gives them
    // back when it holds them again; the pages between show what is in range.
    void hoursLeftOutComeBackWithTheirTexts()
    {
        EntryWindow form;
        form.load();
        type(form.numberBoxes[0], "1");  // 8 o'clock
        type(form.nameBoxes[9], "Late");  // 5 o'clock
        planner::PlannerSettings settings = form.plannerSettings();
        settings.hours = {9, 9};
        form.setPlannerSettings(settings);
        QCOMPARE(int(form.numberBoxes.size()), 1);
        QVERIFY(!form.rowsScrollBar->isVisibleTo(&form));
        QCOMPARE(form.dayStore(0)->entryLines(), QStringList{"9 am,,"});  // no noon: the half of the day is said
        QCOMPARE(form.keptEntry(0, 8)->number, QString("1"));
        QCOMPARE(form.keptEntry(0, 17)->name, QString("Late"));
        type(form.nameBoxes[0], "Call");
        settings.hours = {7, 17};
        form.setPlannerSettings(settings);
        QCOMPARE(form.dayStore(0)->entryLines(),
                 QStringList({"7,,", "8,1,", "9,,Call", "10,,", "11,,", "12,,", "1,,", "2,,", "3,,", "4,,", "5,,Late"}));
        QVERIFY(!form.keptEntry(0, 8));
        QVERIFY(form.rowsScrollBar->isVisibleTo(&form));
    }
};

QTEST_MAIN(EntryWindowTest)
#include "EntryWindowTest.moc"
