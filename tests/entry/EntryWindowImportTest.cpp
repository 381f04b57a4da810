#include "entry/EntryWindow.h"

#include "ScriptedPlatform.h"
#include "calendar/CalendarFile.h"
#include "calendar/ImportSummary.h"
#include "calendar/Occurrences.h"
#include "calendar/WeekLayout.h"
#include "entry/DayTabs.h"
#include "entry/ImportWeekDialog.h"

#include <QApplication>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cstdlib>
#include <ctime>
#include <functional>

using entry::EntryWindow;
using entry::ImportWeekDialog;

namespace {

const QString Google = QStringLiteral(CALENDAR_DATA "/google.ics");

// Acts on the "Import Week" dialog once it is up (it runs its own event loop).
void whenWeekDialogShows(std::function<void(ImportWeekDialog*)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<ImportWeekDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("the Import Week dialog is not up");
        act(dialog);
    });
}

void pressReturn(ImportWeekDialog* dialog) { QTest::keyClick(dialog->dateEdit, Qt::Key_Return); }

// Sends a drag of `files` and its drop to `target`; true when the drag was taken.
bool drop(QWidget* target, const QStringList& files)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files)
        urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    data.setText(files.join('\n'));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    return dropped.isAccepted();
}

}  // namespace

class EntryWindowImportTest : public QObject {
    Q_OBJECT

private:
    ScriptedMessageBoxes* m_boxes = nullptr;
    ScriptedFileDialogs* m_dialogs = nullptr;
    EntryWindow* m_form = nullptr;

private slots:
    void initTestCase()
    {
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void init()
    {
        m_boxes = new ScriptedMessageBoxes;
        m_dialogs = new ScriptedFileDialogs;
        m_form = new EntryWindow;
        m_form->today = [] { return QDate(2026, 12, 9); };
        m_form->saveDayPage();  // as the load step leaves it
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
    }

    void cleanup()
    {
        delete m_form;
        delete m_dialogs;
        delete m_boxes;
    }

    void ctrlOOpensTheCalendarDialogAndFillsTheWeek()
    {
        m_form->dayTabs->setCurrentIndex(3);
        m_dialogs->choose(Google);
        QDate offered;
        whenWeekDialogShows([&](ImportWeekDialog* dialog) {
            offered = dialog->dateEdit->date();
            QCOMPARE(dialog->windowTitle(), QString("Import Week"));
            QVERIFY(dialog->buttons->button(QDialogButtonBox::Ok)->isDefault());
            pressReturn(dialog);
        });
        QTest::keyClick(m_form->nameBoxes[4], Qt::Key_O, Qt::ControlModifier);  // typing in a box

        QCOMPARE(m_dialogs->openRequests.size(), 1);
        QCOMPARE(m_dialogs->openRequests[0].title, QString("Import Calendar"));
        QCOMPARE(platform::qtNameFilters(m_dialogs->openRequests[0].filter),
                 QString("Calendar files (*.ics *.ical *.ifb);;All files (*)"));
        QCOMPARE(offered, QDate(2026, 12, 9));  // this week has appointments
        QCOMPARE(m_form->weekTitle(), QString("December 7, 2026"));
        QCOMPARE(m_form->shownPage(), 0);
        QCOMPARE(m_form->nameBoxes[1]->text(), QString("Team stand-up"));
        QCOMPARE(m_form->dayStore(1)->entryLine(4), QString("12,1, 2,Lunch with Ana; Call the bank"));
        QCOMPARE(m_form->dayStore(5)->entryLine(2), QString("10,1,Sat Farmers market"));
        QCOMPARE(m_form->dayStore(5)->entryLine(3), QString("11,,"));
        QCOMPARE(m_boxes->texts().size(), 1);
        QVERIFY(m_boxes->texts()[0].startsWith("Imported 6 appointments.\n\nNot placed:\n12/12/26  Mia's birthday: all day"));
    }

    // The window holds exactly the week calendar::weekOf makes of the
    // calendar, the one the command line hands to the generator: every
    // page's store, hour texts included, and the title.
    void theWindowHoldsTheWeekTheCommandLineMakes()
    {
        m_form->dayTabs->setCurrentIndex(2);
        m_form->nameBoxes[0]->setText("Typed before");
        m_boxes->answer(platform::Answer::Yes);
        whenWeekDialogShows(pressReturn);
        m_form->importCalendarFile(Google);

        const QDate monday(2026, 12, 7);
        const calendar::CalendarFile file = calendar::CalendarFile::read(Google);
        const week::Week expected = calendar::weekOf(
            calendar::layOutWeek(monday, calendar::appointmentsBetween(file, QDateTime(monday, QTime(0, 0)),
                                                                       QDateTime(monday.addDays(7), QTime(0, 0)))),
            calendar::weekTitle(monday, QLocale()));
        QCOMPARE(m_form->week().weekTitle(), expected.weekTitle());
        for (int page = 0; page < week::DayPageCount; ++page) {
            QVERIFY2(m_form->week().dayStore(page), qPrintable(QString("page %1 has no store").arg(page)));
            QCOMPARE(m_form->week().dayStore(page)->entryLines(), expected.dayStore(page)->entryLines());
        }
        for (int row = 0; row < week::RowCount; ++row)
            QCOMPARE(m_form->week().timeText(row), expected.timeText(row));
    }

    void aDroppedFileIsImportedNotTypedIntoTheBox()
    {
        QVERIFY(!drop(m_form, {Google, Google}));  // one file at a time
        QVERIFY(drop(m_form->nameBoxes[0], {Google}));
        QVERIFY(m_form->nameBoxes[0]->text().isEmpty());
        QDate monday;
        whenWeekDialogShows([&](ImportWeekDialog* dialog) {
            dialog->dateEdit->setDate(QDate(2026, 12, 20));  // a Sunday: its week began on the 14th
            monday = dialog->monday();
            pressReturn(dialog);
        });
        QTRY_COMPARE(m_boxes->texts().size(), 1);
        QCOMPARE(monday, QDate(2026, 12, 14));
        QCOMPARE(m_form->weekTitle(), QString("December 14, 2026"));
        QCOMPARE(m_form->dayStore(0)->entryLine(1), QString("9,1,Team stand-up"));
        QVERIFY(m_dialogs->openRequests.isEmpty());
    }

    void typedEntriesAreReplacedOnlyAfterYes()
    {
        QTest::keyClicks(m_form->nameBoxes[2], "Mine");
        m_form->titleEdit->setText("My week");
        m_boxes->answer(platform::Answer::No);
        whenWeekDialogShows(pressReturn);
        m_form->importCalendarFile(Google);
        QCOMPARE(m_boxes->texts(), QStringList({"The week already holds appointments. Replace them with those of the calendar?"}));
        QCOMPARE(m_boxes->shown[0].buttons, platform::Buttons::YesNo);
        QCOMPARE(m_form->weekTitle(), QString("My week"));
        QCOMPARE(m_form->dayStore(0)->name(2), QString("Mine"));

        m_boxes->answer(platform::Answer::Yes);
        whenWeekDialogShows(pressReturn);
        m_form->importCalendarFile(Google);
        QCOMPARE(m_boxes->texts().size(), 3);
        QCOMPARE(m_form->dayStore(0)->name(2), QString());
        QCOMPARE(m_form->weekTitle(), QString("December 7, 2026"));
    }

    void cancelInTheWeekDialogChangesNothing()
    {
        m_form->titleEdit->setText("My week");
        whenWeekDialogShows([](ImportWeekDialog* dialog) { dialog->buttons->button(QDialogButtonBox::Cancel)->click(); });
        m_form->importCalendarFile(Google);
        QVERIFY(m_boxes->shown.isEmpty());
        QCOMPARE(m_form->weekTitle(), QString("My week"));
        QCOMPARE(m_form->dayStore(0)->name(1), QString());
    }

    void aFileThatIsNoCalendarIsRefusedAndChangesNothing()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("notes.ics");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Shopping list\nmilk\n");
        file.close();
        m_form->titleEdit->setText("My week");
        m_form->importCalendarFile(path);
        QCOMPARE(m_boxes->texts(), QStringList({"The calendar \"notes.ics\" cannot be imported.\n\n"
                                                "The file is not an iCalendar file: it does not begin with BEGIN:VCALENDAR."}));
        QCOMPARE(m_form->weekTitle(), QString("My week"));
        QVERIFY(!m_form->busy());
    }
};

QTEST_MAIN(EntryWindowImportTest)
#include "EntryWindowImportTest.moc"
