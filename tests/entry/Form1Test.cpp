#include "entry/Form1.h"

#include "ScriptedPlatform.h"
#include "TestFiles.h"
#include "app/ErrorReport.h"
#include "entry/DayTabs.h"
#include "platform/PictureBox.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <stdexcept>

namespace {

using testfiles::writeFile;

const char* const LoadLocation = "in Dorvane2021/08/31.Form1.Form_Load ";
using Shape = platform::WindowPointer::Shape;

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

class Form1Test : public QObject {
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
        Form1 form;
        QCOMPARE(form.size(), QSize(544, 487));  // 8160 x 7305 twips
        QCOMPARE(form.minimumSize(), form.maximumSize());
        const QList<QWidget*> onWindow = {form.PushButton1, form.PushButton2, form.PushButton3, form.Frame1, form.SSTab1};
        for (qsizetype i = 0; i < onWindow.size(); ++i) {
            for (qsizetype j = i + 1; j < onWindow.size(); ++j)
                QVERIFY2(!onWindow[i]->geometry().intersects(onWindow[j]->geometry()), qPrintable(onWindow[j]->objectName()));
        }
        QList<QWidget*> all = onWindow + QList<QWidget*>{form.Picture1, form.txtWeekInfo, form.Label1[1], form.Label1[2], form.Label1[3]};
        QCOMPARE(form.txtWeekInfo->parentWidget(), form.Frame1);
        for (int row = 0; row < 10; ++row) {
            QWidget* time = form.txtTime[row];
            QWidget* number = form.txtNumber[row];
            QWidget* name = form.txtName[row];
            all << time << number << name;
            QCOMPARE(time->parentWidget(), form.Picture1);
            QCOMPARE(number->y(), time->y());
            QCOMPARE(name->y(), time->y());
            QVERIFY(time->geometry().right() < number->x());
            QVERIFY(number->geometry().right() < name->x());
            if (row > 0)
                QVERIFY(time->y() > form.txtTime[row - 1]->geometry().bottom());
            for (int column = 1; column <= 3; ++column) {
                const QRect heading = form.Label1[column]->geometry();
                const QRect box = (column == 1 ? time : column == 2 ? number : name)->geometry();
                QVERIFY(heading.bottom() < box.top());
                QVERIFY(heading.left() < box.right() && box.left() < heading.right());
            }
            QVERIFY(form.txtTime[row]->isReadOnly());
            QCOMPARE(form.txtTime[row]->alignment(), Qt::AlignCenter);
            QVERIFY(!form.txtNumber[row]->isReadOnly());
        }
        for (QWidget* widget : all)
            QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), qPrintable(widget->objectName()));
        for (QPushButton* button : {form.PushButton1, form.PushButton2, form.PushButton3})
            QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width());
        for (int column = 1; column <= 3; ++column)
            QVERIFY(form.Label1[column]->fontMetrics().horizontalAdvance(form.Label1[column]->text()) <= form.Label1[column]->width());

        QCOMPARE(form.PushButton1->text(), QString("Start Creating Template"));
        QCOMPARE(form.PushButton2->text(), QString("Help"));
        QCOMPARE(form.PushButton3->text(), QString("Load Sample/Example Data"));
        QCOMPARE(form.Frame1->title(), QString("Title For This Week"));
        QCOMPARE(form.Label1[1]->text(), QString("Time"));
        QCOMPARE(form.Label1[2]->text(), QString("Number"));
        QCOMPARE(form.Label1[3]->text(), QString("Name"));
        QVERIFY(form.txtWeekInfo->text().isEmpty());

        // Six tabs in one row; the row panel lies over the page area, above the tab control.
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QTabBar* bar = form.SSTab1->tabBar();
        QCOMPARE(bar->count(), 6);
        const QStringList captions = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Sat/Sun"};
        for (int page = 0; page < 6; ++page) {
            QCOMPARE(bar->tabText(page), captions[page]);
            QCOMPARE(bar->tabRect(page).top(), bar->tabRect(0).top());
            QVERIFY(bar->fontMetrics().horizontalAdvance(captions[page]) < bar->tabRect(page).width());
        }
        QCOMPARE(bar->tabRect(5).right(), bar->width() - 1);
        QCOMPARE(form.SSTab1->geometry().top() + bar->height(), form.Picture1->geometry().top());
        QCOMPARE(form.childAt(form.Picture1->geometry().topLeft() + QPoint(300, 5)), static_cast<QWidget*>(form.Picture1));
    }

    void tabOrderRunsThroughRowsThenTimesThenButtons()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.txtNumber[0]));
        QList<QWidget*> expected;
        for (int row = 0; row < 10; ++row)
            expected << form.txtNumber[row] << form.txtName[row];
        for (int row = 0; row < 10; ++row)
            expected << form.txtTime[row];
        expected << form.SSTab1->tabBar() << form.PushButton1 << form.txtWeekInfo << form.PushButton2
                 << form.PushButton3 << form.txtNumber[0];
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(QApplication::focusWidget() == expected[i], qPrintable(QString("step %1: %2").arg(i).arg(QApplication::focusWidget()->metaObject()->className())));
        }
    }

    void everyTextBoxSelectsItsWholeTextOnFocus()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.txtName[0]->setText("Lunch");
        form.txtWeekInfo->setText("Week of fun");
        form.txtNumber[1]->setText("42");
        // Tab key into the boxes.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(form.txtName[0]->selectedText(), QString("Lunch"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(form.txtNumber[1]->selectedText(), QString("42"));
        // Focus given without the keyboard selects all the same, Time boxes included.
        form.txtWeekInfo->setFocus(Qt::OtherFocusReason);
        QCOMPARE(form.txtWeekInfo->selectedText(), QString("Week of fun"));
        form.txtTime[4]->setFocus(Qt::OtherFocusReason);
        QCOMPARE(form.txtTime[4]->selectedText(), QString("12"));
    }

    void startUpOrderWithoutOptionalFiles()
    {
        Form1 form;
        bool storeBeforeCheck = false;
        QString captionBeforeCheck;
        int checks = 0;
        form.checkWordPresence = [&] {
            ++checks;
            storeBeforeCheck = form.dayStore(0) != nullptr;
            captionBeforeCheck = form.windowTitle();
        };
        form.Form_Load();
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
        QCOMPARE(form.Frame1->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(form.Picture1->palette().color(QPalette::Window), QColor(Qt::white));

        // No hand cursor file: the hand state shows the arrow.
        QVERIFY(!form.pointer().hasCustomCursor());
        moveOver(form.PushButton1);
        QCOMPARE(form.pointer().shape(), Shape::Custom);
        QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);
    }

    void handCursorFileBecomesTheButtonPointer()
    {
        QVERIFY(QFile::copy(DORVANE_HAND_CURSOR, m_folder->filePath("HAND-M.CUR")));
        Form1 form;
        form.Form_Load();
        QVERIFY(m_boxes->shown.isEmpty());
        QVERIFY(form.pointer().hasCustomCursor());
        moveOver(form.PushButton3);
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
        Form1 form;
        int checks = 0;
        form.checkWordPresence = [&] { ++checks; };
        form.Form_Load();
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
        Form1 form;
        form.Form_Load();

        const QStringList reports = m_boxes->errorReports();
        QCOMPARE(reports.size(), 2);
        // The skin's failure belongs to the load step's line that called it.
        QVERIFY(reports[0].endsWith(app::errorReportText("", LoadLocation, 100)));
        QVERIFY(reports[0].contains("o.cjs"));
        QVERIFY(reports[1].endsWith(app::errorReportText("", LoadLocation, 108)));
        QCOMPARE(m_boxes->shown[0].title, QString("Application Error"));
        QCOMPARE(m_boxes->shown[0].icon, platform::Icon::Exclamation);

        // The window still comes up: button-face colours, no skin, the rest of the load done.
        const QColor face = QApplication::palette().color(QPalette::Button);
        QCOMPARE(form.palette().color(QPalette::Window), face);
        QCOMPARE(form.Frame1->palette().color(QPalette::Window), face);
        QCOMPARE(form.Picture1->palette().color(QPalette::Window), face);
        QCOMPARE(form.Label1[1]->palette().color(QPalette::Window), face);
        QVERIFY(form.styleSheet().isEmpty());
        QCOMPARE(form.windowTitle(), QString("Dorvane"));
        QVERIFY(form.dayStore(0) != nullptr);
    }

    void skinFileRestylesTheWindow()
    {
        const QByteArray sheet = "QPushButton { color: #123456; }";
        QVERIFY(writeFile(m_folder->filePath("x/o.cjs"), sheet));
        Form1 form;
        form.Form_Load();
        QVERIFY(m_boxes->shown.isEmpty());
        QCOMPARE(form.styleSheet(), QString::fromUtf8(sheet));
        QCOMPARE(form.Frame1->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
        form.PushButton1->ensurePolished();
        QCOMPARE(form.PushButton1->palette().color(QPalette::ButtonText), QColor(0x12, 0x34, 0x56));
    }

    void typingOneCharacterStoresAllTenRows()
    {
        Form1 form;
        form.Form_Load();
        form.SSTab1->setCurrentIndex(2);
        const auto before = form.dayStore(2);
        QTest::keyClicks(form.txtName[0], "x");
        QVERIFY(form.dayStore(2) != nullptr);
        QVERIFY(form.dayStore(2) != before);
        // A reader holding the earlier store keeps it as it was.
        const auto held = form.dayStore(2);
        QTest::keyClicks(form.txtName[1], "y");
        QCOMPARE(held->entryLine(1), QString("9,,"));
        QCOMPARE(form.dayStore(2)->entryLine(1), QString("9,,y"));
        form.txtName[1]->clear();
        QStringList expected = blankLines();
        expected[0] = "8,,x";
        QCOMPARE(form.dayStore(2)->entryLines(), expected);
        QTest::keyClicks(form.txtNumber[9], "7");
        expected[9] = "5,7,";
        QCOMPARE(form.dayStore(2)->entryLines(), expected);
    }

    void switchingPagesKeepsEachPagesRows()
    {
        Form1 form;
        form.Form_Load();
        type(form.txtNumber[3], "3");
        type(form.txtName[3], "Gym");
        form.SSTab1->setCurrentIndex(1);  // never shown before: the hour texts, nothing typed
        QVERIFY(form.txtNumber[3]->text().isEmpty());
        QVERIFY(form.txtName[3]->text().isEmpty());
        QCOMPARE(form.txtTime[3]->text(), QString("11"));
        type(form.txtName[5], "Trip");
        form.SSTab1->setCurrentIndex(0);
        QCOMPARE(form.txtNumber[3]->text(), QString("3"));
        QCOMPARE(form.txtName[3]->text(), QString("Gym"));
        QVERIFY(form.txtName[5]->text().isEmpty());
        form.SSTab1->setCurrentIndex(1);
        QCOMPARE(form.txtName[5]->text(), QString("Trip"));
        QVERIFY(form.txtName[3]->text().isEmpty());

        QCOMPARE(form.dayStore(0)->entryLine(3), QString("11,3,Gym"));
        QCOMPARE(form.dayStore(0)->entryLine(5), QString("1,,"));
        QCOMPARE(form.dayStore(1)->entryLine(5), QString("1,,Trip"));
        QCOMPARE(form.dayStore(1)->entryLine(3), QString("11,,"));
        QCOMPARE(form.timeText(3), QString("11"));
    }

    void commasInNumbersAndNamesSurviveARoundTrip()
    {
        Form1 form;
        form.Form_Load();
        type(form.txtNumber[4], "1,5");
        type(form.txtName[4], "Lunch, then gym,");
        type(form.txtName[6], "Plain");
        form.SSTab1->setCurrentIndex(4);
        QVERIFY(form.txtName[4]->text().isEmpty());
        form.SSTab1->setCurrentIndex(0);
        QCOMPARE(form.txtNumber[4]->text(), QString("1,5"));
        QCOMPARE(form.txtName[4]->text(), QString("Lunch, then gym,"));
        const auto store = form.dayStore(0);
        QCOMPARE(store->time(4), QString("12"));
        QCOMPARE(store->number(4), QString("1,5"));
        QCOMPARE(store->name(4), QString("Lunch, then gym,"));
        QCOMPARE(store->entryLine(6), QString("2,,Plain"));  // rows without commas keep the classic line
    }

    void editingTheTitleNeverTouchesTheStores()
    {
        Form1 form;
        form.Form_Load();
        const auto before = form.dayStore(0);
        type(form.txtWeekInfo, "Week, of June");
        QCOMPARE(form.dayStore(0), before);
        for (int page = 1; page < 6; ++page)
            QVERIFY(form.dayStore(page) == nullptr);
        QCOMPARE(form.weekTitle(), QString("Week, of June"));
    }

    void aTabChangeWhileAPageLoadsLeavesTheLaterPageIntact()
    {
        Form1 form;
        form.Form_Load();
        form.SSTab1->setCurrentIndex(1);
        for (int row = 0; row < 10; ++row)
            form.txtName[row]->setText(QString("one %1").arg(row));
        form.SSTab1->setCurrentIndex(2);
        for (int row = 0; row < 10; ++row)
            form.txtName[row]->setText(QString("two %1").arg(row));
        form.SSTab1->setCurrentIndex(0);
        const QStringList one = form.dayStore(1)->entryLines();
        const QStringList two = form.dayStore(2)->entryLines();

        // The user picks page 2 (and types) while page 1 is being filled.
        QTimer::singleShot(0, &form, [&] { form.SSTab1->setCurrentIndex(2); });
        form.SSTab1->setCurrentIndex(1);
        QCOMPARE(form.shownPage(), 1);
        for (int row = 0; row < 10; ++row)
            QCOMPARE(form.txtName[row]->text(), QString("one %1").arg(row));
        QCoreApplication::processEvents();
        QCOMPARE(form.shownPage(), 2);
        for (int row = 0; row < 10; ++row)
            QCOMPARE(form.txtName[row]->text(), QString("two %1").arg(row));
        QCOMPARE(form.dayStore(1)->entryLines(), one);
        QCOMPARE(form.dayStore(2)->entryLines(), two);
    }

    void hoverGivesTheHandOverButtonsAndTheArrowElsewhere()
    {
        QVERIFY(QFile::copy(DORVANE_HAND_CURSOR, m_folder->filePath("HAND-M.CUR")));
        Form1 form;
        form.Form_Load();
        QCOMPARE(form.pointer().shape(), Shape::Arrow);
        moveOver(form.PushButton2);
        QCOMPARE(form.pointer().shape(), Shape::Custom);
        moveOver(&form, QPoint(540, 484));  // bare window surface
        QCOMPARE(form.pointer().shape(), Shape::Arrow);
        QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);
        moveOver(form.PushButton1);
        QCOMPARE(form.pointer().shape(), Shape::Custom);
        moveOver(form.Frame1, QPoint(4, 50));
        QCOMPARE(form.pointer().shape(), Shape::Arrow);
        // Nothing else changes the pointer: the row panel and the boxes leave it.
        moveOver(form.PushButton1);
        moveOver(form.Picture1, QPoint(300, 5));
        moveOver(form.txtName[2]);
        QCOMPARE(form.pointer().shape(), Shape::Custom);

        form.pointer().setShape(Shape::Hourglass);
        moveOver(form.PushButton3);
        moveOver(&form, QPoint(540, 484));
        moveOver(form.Frame1, QPoint(4, 50));
        QCOMPARE(form.pointer().shape(), Shape::Hourglass);
        QCOMPARE(form.cursor().shape(), Qt::WaitCursor);
    }

    void startRefusesABlankTitle()
    {
        Form1 form;
        form.Form_Load();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        int generations = 0;
        form.generateTessaly = [&] { ++generations; };
        form.txtWeekInfo->setText("   ");
        QTest::mouseClick(form.PushButton1, Qt::LeftButton);
        QCOMPARE(generations, 0);
        QCOMPARE(m_boxes->shown.size(), 1);
        QCOMPARE(m_boxes->shown[0].text, QString("You forgot to input week information."));
        QCOMPARE(m_boxes->shown[0].title, platform::applicationTitle());
        QCOMPARE(m_boxes->shown[0].title, QString("Dorvane"));
        QCOMPARE(m_boxes->shown[0].icon, platform::Icon::None);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.txtWeekInfo));
        QVERIFY(!form.busy());
        QCOMPARE(form.txtWeekInfo->text(), QString("   "));
    }

    void startRunsTheGeneratorUnderTheHourglassOnce()
    {
        Form1 form;
        form.Form_Load();
        form.txtWeekInfo->setText(" June 1 ");
        int generations = 0;
        Shape shapeDuring = Shape::Arrow;
        QString titleSeen;
        form.generateTessaly = [&] {
            ++generations;
            shapeDuring = form.pointer().shape();
            titleSeen = form.weekTitle();
            QVERIFY(form.busy());
            form.PushButton1_Click();  // a click let through while generating
        };
        form.PushButton1_Click();
        QCOMPARE(generations, 1);
        QCOMPARE(shapeDuring, Shape::Hourglass);
        QCOMPARE(titleSeen, QString(" June 1 "));
        QCOMPARE(form.pointer().shape(), Shape::Arrow);
        QVERIFY(!form.busy());
        QVERIFY(m_boxes->shown.isEmpty());
        form.PushButton1_Click();
        QCOMPARE(generations, 2);
    }

    void aFailingGeneratorIsReportedAndTheWindowStaysUsable()
    {
        Form1 form;
        form.Form_Load();
        form.txtWeekInfo->setText("Week 9");
        form.generateTessaly = [] { throw std::runtime_error("Word went away"); };
        form.PushButton1_Click();
        QCOMPARE(m_boxes->errorReports(),
                 QStringList{app::errorReportText("Word went away", "in Dorvane2021/08/31.Form1.PushButton1_Click ", 110)});
        QCOMPARE(form.pointer().shape(), Shape::Arrow);
        QVERIFY(!form.busy());
    }

    void helpNamesTheContactPage()
    {
        Form1 form;
        form.Form_Load();
        QTest::mouseClick(form.PushButton2, Qt::LeftButton);
        QCOMPARE(m_boxes->shown.size(), 1);
        QCOMPARE(m_boxes->shown[0].text, "Questions? Please contact Team Quenlis at " + Form1::ContactPage);
        QVERIFY(Form1::ContactPage.startsWith("https://"));
        QCOMPARE(m_boxes->shown[0].title, QString("Dorvane"));
        QCOMPARE(m_boxes->shown[0].buttons, platform::Buttons::Ok);
    }

    void sampleDataFillsTheWeekExactly()
    {
        Form1 form;
        form.Form_Load();
        form.today = [] { return QDate(2026, 2, 12); };
        type(form.txtWeekInfo, "My own title");
        type(form.txtName[0], "Keep me");           // Monday row 0: outside the range
        form.SSTab1->setCurrentIndex(1);
        type(form.txtName[9], "Late call");          // Tuesday row 9: outside the range
        type(form.txtName[4], "Overwritten");        // Tuesday row 4: inside
        form.SSTab1->setCurrentIndex(0);

        QTest::mouseClick(form.PushButton3, Qt::LeftButton);
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
        QCOMPARE(form.txtTime[4]->text(), QString("12"));
        QCOMPARE(form.txtName[8]->text(), QString("Meeting with friends"));
        QCOMPARE(form.txtTime[8]->text(), QString("4"));

        // Twice in a row gives the same week.
        QList<QStringList> first;
        for (int page = 0; page < 6; ++page)
            first << form.dayStore(page)->entryLines();
        form.PushButton3_Click();
        for (int page = 0; page < 6; ++page)
            QCOMPARE(form.dayStore(page)->entryLines(), first[page]);
    }

    void aFailingClockIsReportedAndThePagesStillFill()
    {
        Form1 form;
        form.Form_Load();
        form.today = [] { return QDate(); };
        form.PushButton3_Click();
        const QStringList reports = m_boxes->errorReports();
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports[0].endsWith(app::errorReportText("", "in Dorvane2021/08/31.Form1.PushButton3_Click ", 100)));
        for (int page = 0; page < 6; ++page)
            QVERIFY(form.dayStore(page) != nullptr);
        QCOMPARE(form.dayStore(2)->entryLine(3), QString("11,1,Go shopping"));
    }

    void closingReleasesTheStoresAndEndsTheProgram()
    {
        Form1 form;
        form.Form_Load();
        form.PushButton3_Click();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.close());
        QCOMPARE(m_exit->endRequests, 1);
        for (int page = 0; page < 6; ++page)
            QVERIFY(form.dayStore(page) == nullptr);
        QVERIFY(m_boxes->shown.isEmpty());
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
