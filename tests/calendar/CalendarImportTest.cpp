#include "calendar/CalendarFile.h"
#include "calendar/CalendarText.h"
#include "errors/UserError.h"
#include "calendar/ImportLimits.h"
#include "calendar/ImportSummary.h"
#include "calendar/LocalTime.h"
#include "calendar/Occurrences.h"
#include "calendar/WeekLayout.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

using namespace calendar;

namespace {

QDateTime at(int y, int m, int d, int h = 0, int min = 0) { return QDateTime(QDate(y, m, d), QTime(h, min)); }

WeekLayout importWeek(const CalendarFile& file, const QDate& monday)
{
    return layOutWeek(monday, appointmentsBetween(file, QDateTime(monday, QTime(0, 0)), QDateTime(monday.addDays(7), QTime(0, 0))));
}

// Every filled row as "Page hour: number | name"; rows left blank are not listed.
QStringList filledRows(const WeekLayout& week)
{
    QStringList rows;
    for (int page = 0; page < week::DayPageCount; ++page) {
        for (int row = 0; row < week::RowCount; ++row) {
            if (!week.pages[page].numbers[row].isEmpty() || !week.pages[page].names[row].isEmpty())
                rows << QStringLiteral("%1 %2: %3 | %4")
                            .arg(week::dayTabCaption(page), week::defaultHourText(row), week.pages[page].numbers[row],
                                 week.pages[page].names[row]);
        }
    }
    return rows;
}

QStringList notPlacedNames(const WeekLayout& week)
{
    QStringList names;
    for (const NotPlaced& entry : week.notPlaced)
        names << entry.appointment.name;
    return names;
}

WeekLayout importExample(const char* name, const QDate& monday)
{
    return importWeek(CalendarFile::read(QStringLiteral(CALENDAR_DATA "/") + QLatin1String(name)), monday);
}

QByteArray calendarOf(const QByteArray& events)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Dorvane tests//EN\r\n" + events + "END:VCALENDAR\r\n";
}

QByteArray event(const QByteArray& start, const QByteArray& summary, const QByteArray& more = {})
{
    return "BEGIN:VEVENT\r\nUID:" + start + summary + "\r\nDTSTART:" + start + "\r\nSUMMARY:" + summary + "\r\n" + more
         + "END:VEVENT\r\n";
}

QString refusal(const QByteArray& bytes)
{
    try {
        CalendarFile file = CalendarFile::fromData(bytes);
        importWeek(file, QDate(2026, 12, 7));
    } catch (const errors::UserError& error) {
        return error.message();
    }
    return {};
}

class CalendarImport : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Berlin's time: ctest starts the suite in it, a run by hand gets it
        // here. Where the local time is Berlin's already it is left alone:
        // the Windows build takes it from the system, and the Windows C
        // library would read a zone name in TZ as UTC.
        const auto offset = [](int month) {
            return QDateTime(QDate(2026, month, 15), QTime(12, 0), Qt::UTC).toLocalTime().offsetFromUtc();
        };
        if (offset(1) != 3600 || offset(7) != 7200) {
            qputenv("TZ", "Europe/Berlin");
            tzset();
        }
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
};

}  // namespace

TEST_F(CalendarImport, GoogleExportWithMovedExcludedAndCancelledOccurrences)
{
    const WeekLayout week = importExample("google.ics", QDate(2026, 12, 7));
    EXPECT_EQ(filledRows(week), QStringList({
                                    "Monday 9: 1 | Team stand-up",
                                    "Tuesday 12: 1, 2 | Lunch with Ana; Call the bank",
                                    "Tuesday 2: 3 | Dentist",
                                    "Friday 2: 1 | Team stand-up (moved)",
                                    "Sat/Sun 10: 1 | Sat Farmers market",
                                }));
    EXPECT_EQ(week.placed, 6);
    EXPECT_EQ(notPlacedNames(week), QStringList({"Mia's birthday", "Early run"}));
    EXPECT_EQ(week.notPlaced[0].reason, NotPlacedReason::AllDay);
    EXPECT_EQ(week.notPlaced[1].reason, NotPlacedReason::BeforeRows);
}

TEST_F(CalendarImport, ThunderbirdExportAcrossAChangeOfDaylightSavingTime)
{
    // New York leaves daylight saving time on Sunday 1 November, a week after
    // Berlin: its 10 o'clock is 15 o'clock here until Saturday, then 16 o'clock.
    const WeekLayout week = importExample("thunderbird.ics", QDate(2026, 10, 26));
    EXPECT_EQ(filledRows(week), QStringList({
                                    "Monday 3: 1 | New York sync",
                                    "Tuesday 3: 1 | New York sync",
                                    "Wednesday 11: 1 | Yoga",
                                    "Wednesday 3: 2 | New York sync",
                                    "Thursday 3: 1 | New York sync",
                                    "Friday 9: 1 | Book club",
                                    "Friday 3: 2 | New York sync",
                                    "Sat/Sun 3: 1 | Sat New York sync",
                                    "Sat/Sun 4: 2 | Sun New York sync",
                                }));
    EXPECT_TRUE(week.notPlaced.empty());
}

TEST_F(CalendarImport, EvolutionExportWithFoldedLinesEveryOtherWeekAndAnExtraDate)
{
    const WeekLayout week = importExample("evolution.ics", QDate(2026, 12, 7));
    const QString review = QStringLiteral("Project review with the design team and the people from accounting");
    EXPECT_EQ(filledRows(week), QStringList({
                                    "Monday 8: 1 | Gym",
                                    "Tuesday 10: 1 | " + review,
                                    "Friday 4: 1 | " + review,
                                }));
    // The week after has no review: the rule runs every other week.
    EXPECT_EQ(importExample("evolution.ics", QDate(2026, 12, 14)).placed, 0);
}

TEST_F(CalendarImport, OutlookExportWithWindowsZoneNameAndCountedRule)
{
    // The tenth and last occurrence of the weekly rule is the moved one on Thursday;
    // the left-out 30 November still counts towards the ten.
    const WeekLayout week = importExample("outlook.ics", QDate(2026, 12, 7));
    EXPECT_EQ(filledRows(week), QStringList({
                                    "Tuesday 8: 1 | Invoices",
                                    "Thursday 4: 1 | Weekly planning",
                                }));
    EXPECT_EQ(importExample("outlook.ics", QDate(2026, 12, 14)).placed, 0);
}

TEST_F(CalendarImport, GnomeCalendarExportWithFloatingUtcAndUntitledEvents)
{
    const WeekLayout week = importExample("gnome-calendar.ics", QDate(2026, 12, 7));
    EXPECT_EQ(filledRows(week), QStringList({
                                    "Wednesday 9: 1 | Parents' evening bring the forms",
                                    "Wednesday 12: 2 | Caf\u00e9 Central",
                                    "Wednesday 4: 3 | Busy",
                                }));
    ASSERT_EQ(week.notPlaced.size(), 1u);
    EXPECT_EQ(week.notPlaced[0].reason, NotPlacedReason::AfterRows);
}

TEST_F(CalendarImport, ExampleCalendarFillsEveryPageOfAnyWeek)
{
    const CalendarFile file = CalendarFile::read(QStringLiteral(EXAMPLE_CALENDAR));
    const WeekLayout week = importWeek(file, mondayOf(QDate::currentDate()));
    for (int page = 0; page < week::DayPageCount; ++page)
        EXPECT_FALSE(week.pages[page].names[1].isEmpty() && week.pages[page].names[4].isEmpty() && week.pages[page].names[7].isEmpty()) << page;
    EXPECT_EQ(notPlacedNames(week), QStringList({"Morning run"}));
}

TEST_F(CalendarImport, SummaryListsTenNotPlacedThenCountsTheRest)
{
    QByteArray events = event("20261207T090000", "Placed");
    for (int i = 0; i < 11; ++i)
        events += event("20261208T0" + QByteArray::number(i % 8) + "0000", "Early " + QByteArray::number(i));
    WeekLayout week = importWeek(CalendarFile::fromData(calendarOf(events)), QDate(2026, 12, 7));
    const QString text = importSummary(week, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(text.startsWith("Imported 1 appointment.\n\nNot placed:\n12/8/26 12:00\u202fAM  Early 0: starts before 8 o'clock\n")
                || text.startsWith("Imported 1 appointment.\n\nNot placed:\n12/8/26 12:00 AM  Early 0: starts before 8 o'clock\n"))
        << text.toStdString();
    EXPECT_EQ(text.count('\n'), 3 + MaxListedNotPlaced);
    EXPECT_TRUE(text.endsWith("\nand 1 more")) << text.toStdString();

    week.notPlaced.pop_back();
    EXPECT_FALSE(importSummary(week, QLocale::c()).contains("more"));
    week.notPlaced.clear();
    week.placed = 14;
    EXPECT_EQ(importSummary(week, QLocale::c()), "Imported 14 appointments.");
}

TEST_F(CalendarImport, WeekTitleIsTheLongDateWithoutWeekday)
{
    EXPECT_EQ(weekTitle(QDate(2026, 12, 7), QLocale(QLocale::English, QLocale::UnitedStates)), "December 7, 2026");
    EXPECT_EQ(weekTitle(QDate(2026, 12, 7), QLocale(QLocale::German, QLocale::Germany)), "7. Dezember 2026");
}

TEST_F(CalendarImport, RowHoldsNamesUpToItsLimit)
{
    // Four names of MaxNameLength, one filling the row to exactly MaxRowLength
    // with the "; " between them, and one more that no longer fits.
    QByteArray events;
    for (int i = 0; i < 4; ++i)
        events += event("20261207T09" + QByteArray::number(10 + i) + "00", QByteArray(MaxNameLength, char('a' + i)));
    const int rest = MaxRowLength - 4 * MaxNameLength - 4 * 2;
    events += event("20261207T095000", QByteArray(rest, 'e'));
    events += event("20261207T095900", "f");
    const WeekLayout week = importWeek(CalendarFile::fromData(calendarOf(events)), QDate(2026, 12, 7));
    EXPECT_EQ(week.pages[0].names[1].size(), MaxRowLength);
    EXPECT_EQ(week.pages[0].numbers[1], "1, 2, 3, 4, 5");
    ASSERT_EQ(notPlacedNames(week), QStringList({"f"}));
    EXPECT_EQ(week.notPlaced[0].reason, NotPlacedReason::RowFull);
}

// A name one past the limit is cut to the limit with "…", and counted; a cut that would
// split a grapheme cluster (क्ष is three characters) takes the cluster whole.
TEST_F(CalendarImport, LongNamesAreCutBetweenGraphemes)
{
    const QString conjunct = QString::fromUtf8("\u0915\u094D\u0937");  // क्ष
    const QString exact(MaxNameLength, QLatin1Char('a'));
    const QString onePast = QString(MaxNameLength - 2, QLatin1Char('b')) + conjunct;
    const QByteArray events = event("20261207T091000", exact.toUtf8()) + event("20261207T101000", onePast.toUtf8());
    const WeekLayout week = importWeek(CalendarFile::fromData(calendarOf(events)), QDate(2026, 12, 7));
    EXPECT_EQ(week.pages[0].names[1], exact);
    EXPECT_EQ(week.pages[0].names[2], QString(MaxNameLength - 2, QLatin1Char('b')) + QChar(0x2026));
    // Only the name one past the limit is counted as shortened, and said.
    EXPECT_EQ(week.shortened, 1);
    EXPECT_TRUE(importSummary(week, QLocale::c()).contains("1 name longer than 200 characters was shortened."))
        << importSummary(week, QLocale::c()).toStdString();
}

TEST_F(CalendarImport, AnHourTakesAtMostItsLimitOfAppointments)
{
    QByteArray events;
    for (int i = 0; i < MaxHourAppointments; ++i)
        events += event("20261207T09" + QByteArray::number(10 + i % 50) + "00", "Spam " + QByteArray::number(i));
    const WeekLayout week = importWeek(CalendarFile::fromData(calendarOf(events)), QDate(2026, 12, 7));
    EXPECT_EQ(week.placed + int(week.notPlaced.size()), MaxHourAppointments);
    EXPECT_LE(week.pages[0].names[1].size(), MaxRowLength);

    events += event("20261207T095959", "One too many");
    EXPECT_TRUE(refusal(calendarOf(events)).contains("More than 200 appointments start in the hour from 12/7/26"))
        << refusal(calendarOf(events)).toStdString();
}

TEST_F(CalendarImport, RuleThatNeverEndsIsWorkedOutForTheWeekAlone)
{
    const CalendarFile file = CalendarFile::fromData(calendarOf(event("19000101T090000", "Every day", "RRULE:FREQ=DAILY\r\n")));
    EXPECT_EQ(importWeek(file, QDate(2026, 12, 7)).placed, 7);
    EXPECT_EQ(suggestedDay(file, at(2026, 12, 9, 12)), QDate(2026, 12, 9));
}

TEST_F(CalendarImport, CountedRuleGivesTheSameWeeksWhereverItsWalkBegins)
{
    // A week far from a counted rule's start is reached by counting whole
    // periods; a range from before the start walks every occurrence. Both must agree.
    const QByteArray events =
        event("20250106T090000", "Weekly", "RRULE:FREQ=WEEKLY;COUNT=37;BYDAY=MO,TH\r\n")
        + event("20250108T100000", "Starts off its days", "RRULE:FREQ=WEEKLY;COUNT=25;BYDAY=MO,FR\r\n")
        + event("20250105T110000", "Weeks from Sunday", "RRULE:FREQ=WEEKLY;COUNT=30;INTERVAL=2;WKST=SU;BYDAY=SU,TU,SA\r\n")
        + event("20250103T120000", "Every third day", "RRULE:FREQ=DAILY;COUNT=90;INTERVAL=3\r\n")
        // 2:30 does not exist on 30 March 2025, and that day is not counted.
        + event("20250101T023000", "Half past two", "RRULE:FREQ=DAILY;COUNT=400\r\n")
        + event("20250105T023000", "Sundays at half past two", "RRULE:FREQ=WEEKLY;COUNT=55;BYDAY=SU\r\n")
        + "BEGIN:VEVENT\r\nUID:ny\r\nDTSTART;TZID=America/New_York:20250101T080000\r\nSUMMARY:New York\r\n"
          "RRULE:FREQ=WEEKLY;COUNT=40;BYDAY=WE\r\nEXDATE;TZID=America/New_York:20250409T080000\r\nEND:VEVENT\r\n";
    const CalendarFile file = CalendarFile::fromData(calendarOf(events));
    auto starts = [](const std::vector<Appointment>& appointments) {
        QStringList list;
        for (const Appointment& a : appointments)
            list << QDateTime(a.date, a.time).toString(Qt::ISODate) + ' ' + a.name;
        return list;
    };
    const QStringList whole = starts(appointmentsBetween(file, at(2024, 12, 30), at(2026, 3, 2)));
    QStringList weekByWeek;
    for (QDate monday(2024, 12, 30); monday < QDate(2026, 3, 2); monday = monday.addDays(7))
        weekByWeek += starts(appointmentsBetween(file, QDateTime(monday, QTime(0, 0)), QDateTime(monday.addDays(7), QTime(0, 0))));
    EXPECT_EQ(weekByWeek, whole);
    EXPECT_EQ(whole.filter(" Weekly").size(), 37);
    EXPECT_EQ(whole.filter(" New York").size(), 39);
    EXPECT_EQ(whole.filter(" Half past two").size(), 400);
    EXPECT_EQ(whole.filter("2025-03-30T02:30:00 Half past two").size() + whole.filter("2025-03-30T03:30:00 Half past two").size(), 0);
    EXPECT_EQ(whole.filter(" Sundays at half past two").size(), 55);
}

TEST_F(CalendarImport, DailyAndWeeklyRulesGiveTheDaysLibicalGives)
{
    // Past their first period, daily and weekly rules are worked out by date
    // arithmetic, not walked by libical; rules every few weeks are walked.
    // Either way the days are libical's, across both changes of daylight
    // saving time (2:30 is skipped on 30 March), whatever day weeks start on.
    const QByteArray start = "20250108T023000";  // a Wednesday
    for (const char* rule : {"FREQ=WEEKLY;BYDAY=SU,TU,SA;WKST=SA", "FREQ=WEEKLY", "FREQ=DAILY;INTERVAL=3",
                             "FREQ=WEEKLY;INTERVAL=2;BYDAY=SU", "FREQ=WEEKLY;INTERVAL=3;BYDAY=MO;WKST=SA"}) {
        const CalendarFile file = CalendarFile::fromData(calendarOf(event(start, rule, "RRULE:" + QByteArray(rule) + "\r\n")));
        auto text = [](const QDate& date, const QTime& time) {
            return date.toString(Qt::ISODate) + 'T' + time.toString(Qt::ISODate);
        };
        QStringList ours;
        for (const Appointment& a : appointmentsBetween(file, at(2025, 1, 6), at(2025, 12, 1)))
            ours << text(a.date, a.time);
        const QString first = text(QDate(2025, 1, 8), QTime(2, 30));
        QStringList libicals{first};
        icalrecur_iterator* walk = icalrecur_iterator_new(icalrecurrencetype_from_string(rule), icaltime_from_string(start));
        ASSERT_NE(walk, nullptr) << rule;
        for (icaltimetype t = icalrecur_iterator_next(walk); !icaltime_is_null_time(t); t = icalrecur_iterator_next(walk)) {
            const QDate date(t.year, t.month, t.day);
            if (date >= QDate(2025, 12, 1))
                break;
            const QString wall = text(date, QTime(t.hour, t.minute));
            if (wall != first && date != QDate(2025, 3, 30))
                libicals << wall;
        }
        icalrecur_iterator_free(walk);
        EXPECT_GT(ours.size(), 10) << rule;
        EXPECT_EQ(ours, libicals) << rule;
    }
}

TEST_F(CalendarImport, CountedRulesStartedBeforeTheRangeGiveTheDaysLibicalGives)
{
    // A counted rule's occurrences before the range are counted, not walked,
    // where its periods are regular; libical's own walk from the start is
    // what counts, rules every few weeks with their irregular weeks included.
    const QByteArray start = "20250108T093000";  // a Wednesday
    for (const char* rule : {"FREQ=WEEKLY;BYDAY=SU,TU,SA;WKST=SA;COUNT=80", "FREQ=DAILY;INTERVAL=3;COUNT=70",
                             "FREQ=WEEKLY;INTERVAL=2;BYDAY=SU;COUNT=16", "FREQ=WEEKLY;INTERVAL=3;BYDAY=MO;WKST=SA;COUNT=12",
                             "FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,FR;WKST=TU;COUNT=30"}) {
        const CalendarFile file = CalendarFile::fromData(calendarOf(event(start, rule, "RRULE:" + QByteArray(rule) + "\r\n")));
        auto text = [](const QDate& date, const QTime& time) {
            return date.toString(Qt::ISODate) + 'T' + time.toString(Qt::ISODate);
        };
        const QDate from(2025, 5, 5);
        const QDate to(2025, 12, 1);
        QStringList ours;
        for (const Appointment& a : appointmentsBetween(file, at(from.year(), from.month(), from.day()), at(2025, 12, 1)))
            ours << text(a.date, a.time);
        QStringList libicals;
        icalrecur_iterator* walk = icalrecur_iterator_new(icalrecurrencetype_from_string(rule), icaltime_from_string(start));
        ASSERT_NE(walk, nullptr) << rule;
        for (icaltimetype t = icalrecur_iterator_next(walk); !icaltime_is_null_time(t); t = icalrecur_iterator_next(walk)) {
            const QDate date(t.year, t.month, t.day);
            if (date >= to)
                break;
            if (date >= from)
                libicals << text(date, QTime(t.hour, t.minute));
        }
        icalrecur_iterator_free(walk);
        EXPECT_GT(ours.size(), 2) << rule;
        EXPECT_EQ(ours, libicals) << rule;
    }
}

TEST_F(CalendarImport, RarelyMatchingRulesFromLongAgoAreListedNotWalked)
{
    // libical walks a rule hour by hour until it matches: 30 February never
    // does, and a counted rule must be walked from its start.
    const QByteArray never = "RRULE:FREQ=HOURLY;BYMONTH=2;BYMONTHDAY=30;COUNT=3\r\n";
    const WeekLayout week = importWeek(CalendarFile::fromData(calendarOf(event("19000101T090000", "Never", never)
                                                                         + event("20261207T090000", "Placed"))),
                                       QDate(2026, 12, 7));
    EXPECT_EQ(week.placed, 1);
    ASSERT_EQ(notPlacedNames(week), QStringList({"Never"}));
    EXPECT_EQ(week.notPlaced[0].appointment.problem, "repeats too often, or too finely, to work out");
}

TEST_F(CalendarImport, BadFilesAreRefusedWithAReason)
{
    EXPECT_EQ(refusal(""), "The file is empty.");
    EXPECT_EQ(refusal(" \r\n\r\n"), "The file is empty.");
    EXPECT_TRUE(refusal("Subject: hello\r\n\r\nBEGIN:VCALENDAR\r\n").contains("does not begin with BEGIN:VCALENDAR"));
    EXPECT_TRUE(refusal(QByteArray("BEGIN:VCALENDAR\r\n\0\x01\x02", 20)).contains("binary data"));
    const QByteArray whole = calendarOf(event("20261207T090000", "Cut"));
    EXPECT_TRUE(refusal(whole.left(whole.size() - 20)).contains("cut short"));
    EXPECT_TRUE(refusal(calendarOf(event("20261307T090000", "Bad month"))).contains("\"Bad month\" has a malformed date in DTSTART"));
    EXPECT_TRUE(refusal(calendarOf(event("20260230T090000", "30 February"))).contains("malformed date"));
    EXPECT_TRUE(refusal(calendarOf(event("20261207T090000", "Bad rule", "RRULE:FREQ=SOMETIMES\r\n"))).contains("\"Bad rule\" has a malformed RRULE"));
    const QByteArray hourlyZone = "BEGIN:VTIMEZONE\r\nTZID:Hourly\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
                                  "RRULE:FREQ=HOURLY\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
    EXPECT_TRUE(refusal(calendarOf(hourlyZone)).contains("\"Hourly\" changes by a rule other than once a year"));
    QByteArray deep = "BEGIN:VCALENDAR\r\n";
    for (int i = 0; i < MaxNesting; ++i)
        deep += "BEGIN:X\r\n";
    EXPECT_TRUE(refusal(deep).contains("nests entries"));
}

TEST_F(CalendarImport, ParametersAreLimitedOnlyOnLinesThatAreRead)
{
    QByteArray parameters;
    for (int i = 0; i <= MaxParameters; ++i)
        parameters += ";X-P" + QByteArray::number(i) + "=\"a;b:c\"";
    const QByteArray unread = "ATTENDEE" + parameters + ":mailto:ana@example.com\r\n";
    const QByteArray todo = "BEGIN:VTODO\r\nUID:todo\r\n" + unread + "END:VTODO\r\n";
    EXPECT_EQ(importWeek(CalendarFile::fromData(calendarOf(event("20261207T090000", "Read", unread) + todo)), QDate(2026, 12, 7)).placed, 1);
    EXPECT_TRUE(refusal(calendarOf(event("20261207T090000", "Crafted", "LOCATION" + parameters + ":x\r\n")))
                    .contains("a line with more than 8 parameters"));
}

TEST_F(CalendarImport, FileOfTwentyMegabytesIsReadOneByteMoreIsNot)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("big.ics");
    const QByteArray head = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" + event("20261207T090000", "Big");
    const QByteArray tail = "END:VCALENDAR\r\n";
    const QByteArray line = "X-PADDING:" + QByteArray(1000 - 12, 'p') + "\r\n";
    QByteArray bytes = head;
    bytes.reserve(MaxFileBytes);
    while (bytes.size() + line.size() + tail.size() <= MaxFileBytes)
        bytes += line;
    bytes += "X-PADDING:" + QByteArray(MaxFileBytes - bytes.size() - tail.size() - 12, 'p') + "\r\n" + tail;
    ASSERT_EQ(bytes.size(), MaxFileBytes);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    EXPECT_EQ(importWeek(CalendarFile::read(path), QDate(2026, 12, 7)).placed, 1);

    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(" ");
    file.close();
    try {
        CalendarFile::read(path);
        FAIL() << "a file over the limit was read";
    } catch (const errors::UserError& error) {
        EXPECT_TRUE(error.message().contains("larger than 20 MB"));
    }
}

TEST_F(CalendarImport, ComponentsUpToTheirLimitAreRead)
{
    QByteArray events = event("20261207T090000", "Counted");
    for (int i = 2; i < MaxComponents; ++i)  // with the calendar and the event, MaxComponents in all
        events += "BEGIN:X-NOTE\r\nEND:X-NOTE\r\n";
    EXPECT_EQ(importWeek(CalendarFile::fromData(calendarOf(events)), QDate(2026, 12, 7)).placed, 1);
    events += "BEGIN:X-NOTE\r\nEND:X-NOTE\r\n";
    EXPECT_TRUE(refusal(calendarOf(events)).contains("more than 250000 entries"));
}

TEST_F(CalendarImport, SuggestedWeekIsThisOneElseTheNextElseTheLast)
{
    const CalendarFile file = CalendarFile::fromData(
        calendarOf(event("20261118T090000", "Past") + event("20261215T090000", "Coming")));
    EXPECT_EQ(suggestedDay(file, at(2026, 11, 20, 12)), QDate(2026, 11, 20));  // the week of "Past"
    EXPECT_EQ(suggestedDay(file, at(2026, 11, 25, 12)), QDate(2026, 12, 15));
    EXPECT_EQ(suggestedDay(file, at(2027, 3, 1, 12)), QDate(2026, 12, 15));
    EXPECT_EQ(suggestedDay(CalendarFile::fromData(calendarOf({})), at(2026, 11, 25)), std::nullopt);
}

TEST(LocalTime, AgreesWithTheCLibraryAroundEveryChangeAndReadsSkippedAndRepeatedTimesAsICalendarDoes)
{
    // Around each change of offset: half-hour changes (Lord Howe), changes at
    // midnight (Santiago), a whole day skipped (Apia, December 2011). A wall
    // time that occurs twice means the first; one skipped is read with the
    // offset before the change.
    const struct {
        const char* zone;
        QDate from;
        QDate to;
    } zones[] = {{"Europe/Berlin", {2026, 1, 1}, {2027, 1, 1}},
                 {"Australia/Lord_Howe", {2026, 1, 1}, {2027, 1, 1}},
                 {"America/Santiago", {2026, 1, 1}, {2027, 1, 1}},
                 {"Pacific/Apia", {2011, 12, 1}, {2012, 1, 1}}};
    constexpr qint64 Quarter = 15 * 60;
    int changes = 0;
    for (const auto& z : zones) {
        qputenv("TZ", z.zone);
        tzset();
        const QTimeZone zone(z.zone);
        for (const QTimeZone::OffsetData& change :
             zone.transitions(QDateTime(z.from, QTime(0, 0), Qt::UTC), QDateTime(z.to, QTime(0, 0), Qt::UTC))) {
            ++changes;
            const qint64 at = change.atUtc.toSecsSinceEpoch();
            const qint64 before = zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(at - 1, Qt::UTC));
            const qint64 after = change.offsetFromUtc;
            for (qint64 m = at - 26 * 3600; m <= at + 26 * 3600; m += Quarter) {
                const QDateTime theirs = QDateTime::fromSecsSinceEpoch(m);
                const LocalWallTime ours = localWallTimeAt(m);
                ASSERT_EQ(QDateTime(ours.date, ours.time, Qt::UTC), QDateTime(theirs.date(), theirs.time(), Qt::UTC))
                    << z.zone << " at " << m;
            }
            const QDateTime wallAt = QDateTime::fromSecsSinceEpoch(at + before, Qt::UTC);
            for (qint64 w = -26 * 3600; w <= 26 * 3600; w += Quarter) {
                const QDateTime wall = wallAt.addSecs(w);
                const qint64 seconds = wall.toSecsSinceEpoch();  // the wall clock read as UTC
                std::vector<qint64> moments;
                for (qint64 offset : {before, after}) {
                    const QDateTime back = QDateTime::fromSecsSinceEpoch(seconds - offset);
                    if (QDateTime(back.date(), back.time(), Qt::UTC) == wall
                        && std::find(moments.begin(), moments.end(), seconds - offset) == moments.end())
                        moments.push_back(seconds - offset);
                }
                const qint64 expected = moments.empty() ? seconds - before : *std::min_element(moments.begin(), moments.end());
                ASSERT_EQ(localMomentOf(wall.date(), wall.time()), expected)
                    << z.zone << " " << wall.toString(Qt::ISODate).toStdString();
            }
        }
    }
    qputenv("TZ", "Europe/Berlin");
    tzset();
    EXPECT_EQ(changes, 2 + 2 + 2 + 1);
    // The hour lost on 29 March 2026 and the one repeated on 25 October.
    EXPECT_EQ(localMomentOf({2026, 3, 29}, {2, 30}), QDateTime({2026, 3, 29}, {1, 30}, Qt::UTC).toSecsSinceEpoch());
    EXPECT_EQ(localMomentOf({2026, 10, 25}, {2, 30}), QDateTime({2026, 10, 25}, {0, 30}, Qt::UTC).toSecsSinceEpoch());
}

TEST_F(CalendarImport, WeeksImportedTogetherAreTheWeeksImportedOneByOne)
{
    // Ten weeks over the change to daylight saving time: rules counted and
    // ending on a date, floating and all-day ones, a moved and a left-out
    // occurrence, an event crowding one hour of one week, one repeating too
    // finely for any week, one that cannot be read.
    const QByteArray events =
        event("20260302T090000", "Weekly", "RRULE:FREQ=WEEKLY;COUNT=12;BYDAY=MO,TH\r\nEXDATE:20260319T090000\r\n")
        + "BEGIN:VEVENT\r\nUID:20260302T090000Weekly\r\nRECURRENCE-ID:20260326T090000\r\nDTSTART:20260327T150000\r\n"
          "SUMMARY:Weekly moved\r\nEND:VEVENT\r\n"
        + "BEGIN:VEVENT\r\nUID:ny\r\nDTSTART;TZID=America/New_York:20260101T080000\r\nSUMMARY:New York\r\n"
          "RRULE:FREQ=WEEKLY;UNTIL=20260501T000000Z;BYDAY=WE\r\nEND:VEVENT\r\n"
        + event("20260310T023000", "Half past two", "RRULE:FREQ=DAILY;UNTIL=20260410T000000\r\n")
        + "BEGIN:VEVENT\r\nUID:all-day\r\nDTSTART;VALUE=DATE:20260317\r\nSUMMARY:All day\r\nRRULE:FREQ=WEEKLY\r\nEND:VEVENT\r\n"
        + event("20260401T100000", "Crowds an hour", "RRULE:FREQ=SECONDLY;INTERVAL=10;UNTIL=20260401T110000\r\n")
        + event("20260401T120000", "Every second", "RRULE:FREQ=SECONDLY\r\n")
        + event("20260318T110000", "Single")
        + event("20261318T110000", "Unreadable");
    const CalendarFile file = CalendarFile::fromData(calendarOf(events));
    auto lines = [](const std::vector<Appointment>& appointments) {
        QStringList list;
        for (const Appointment& a : appointments)
            list << QStringLiteral("%1 %2 %3 %4").arg(a.moment).arg(QDateTime(a.date, a.time).toString(Qt::ISODate), a.name, a.problem);
        return list;
    };
    const QDate first(2026, 3, 9);
    const std::vector<std::vector<Appointment>> together = appointmentsOfWeeks(file, first, 10);
    ASSERT_EQ(together.size(), 10u);
    int appointments = 0;
    for (int week = 0; week < 10; ++week) {
        const QDate monday = first.addDays(7 * week);
        const std::vector<Appointment> alone =
            appointmentsBetween(file, QDateTime(monday, QTime(0, 0)), QDateTime(monday.addDays(7), QTime(0, 0)));
        EXPECT_EQ(lines(together[size_t(week)]).join('\n').toStdString(), lines(alone).join('\n').toStdString())
            << monday.toString(Qt::ISODate).toStdString();
        appointments += int(alone.size());
    }
    EXPECT_GT(appointments, 60);
    const QStringList fourth = lines(together[3]);
    EXPECT_EQ(fourth.filter("Crowds an hour repeats more than 200 times in one hour").size(), 1) << fourth.join('\n').toStdString();
    EXPECT_EQ(lines(together[2]).filter("Crowds an hour").size(), 0);
    // Begun halfway through the fourth week, the rule is walked there and
    // found too frequent; a whole week of it is more work than a week may take.
    EXPECT_EQ(fourth.filter("Every second repeats more than 10000 times in the week").size(), 1);
    EXPECT_EQ(lines(together[4]).filter("Every second repeats too often, or too finely").size(), 1);

    // The first week with too many appointments in an hour refuses the whole span, as it refuses itself.
    QByteArray crowded = events;
    for (int i = 0; i <= MaxHourAppointments; ++i)
        crowded += event("20260408T09" + QByteArray::number(10 + i % 50) + "00", "Spam " + QByteArray::number(i));
    const CalendarFile crowdedFile = CalendarFile::fromData(calendarOf(crowded));
    QString theirs, ours;
    try {
        appointmentsBetween(crowdedFile, at(2026, 4, 6), at(2026, 4, 13));
    } catch (const errors::UserError& error) {
        theirs = error.message();
    }
    try {
        appointmentsOfWeeks(crowdedFile, first, 10);
    } catch (const errors::UserError& error) {
        ours = error.message();
    }
    EXPECT_TRUE(theirs.startsWith("More than 200 appointments start in the hour from 4/8/26")) << theirs.toStdString();
    EXPECT_EQ(ours, theirs);
}

TEST_F(CalendarImport, EventsPlainlyOutsideTheWeeksAreLeftUnreadAndChangeNothing)
{
    // Next to the exports of other programs, the edges of what is seen at a
    // glance: a rule ending (UNTIL) three days before the weeks and one
    // ending two days before, an override moving an occurrence out of them,
    // a newer version of an event that moved it out, one far after them,
    // and one that cannot be read.
    const QByteArray edges =
        event("20260105T090000", "Ended three days before", "RRULE:FREQ=WEEKLY;UNTIL=20261204T235959Z\r\n")
        + event("20260106T090000", "Ended two days before", "RRULE:FREQ=WEEKLY;UNTIL=20261205T000000Z\r\n")
        + event("20261102T100000", "Weekly", "RRULE:FREQ=WEEKLY\r\n")
        + "BEGIN:VEVENT\r\nUID:20261102T100000Weekly\r\nRECURRENCE-ID:20261207T100000\r\nDTSTART:20270105T100000\r\n"
          "SUMMARY:Weekly moved away\r\nEND:VEVENT\r\n"
        + "BEGIN:VEVENT\r\nUID:moved\r\nSEQUENCE:0\r\nDTSTART:20261208T110000\r\nSUMMARY:Old version\r\nEND:VEVENT\r\n"
          "BEGIN:VEVENT\r\nUID:moved\r\nSEQUENCE:1\r\nDTSTART:20270308T110000\r\nSUMMARY:New version\r\nEND:VEVENT\r\n"
        + event("20270301T120000", "Far after", "RRULE:FREQ=DAILY\r\n") + event("21901208T130000", "Unreadable")
        + event("20261209T140000", "In the week");
    const QDate monday(2026, 12, 7);
    const calendar::Days days{monday, monday.addDays(13)};
    EXPECT_EQ(calendar::siftedText(calendarOf(edges), days).eventsLeftUnread, 3);

    auto lines = [](const std::vector<Appointment>& appointments) {
        QStringList list;
        for (const Appointment& a : appointments)
            list << QDateTime(a.date, a.time).toString(Qt::ISODate) + ' ' + a.name + ' ' + a.problem;
        return list;
    };
    QStringList files{calendarOf(edges)};
    for (const char* name : {"evolution.ics", "gnome-calendar.ics", "google.ics", "outlook.ics", "thunderbird.ics"}) {
        QFile file(QStringLiteral(CALENDAR_DATA "/") + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        files << QString::fromUtf8(file.readAll());
    }
    for (const QString& text : files) {
        const QByteArray bytes = text.toUtf8();
        const std::vector<std::vector<Appointment>> all = appointmentsOfWeeks(CalendarFile::fromData(bytes), monday, 2);
        const std::vector<std::vector<Appointment>> some = appointmentsOfWeeks(CalendarFile::fromData(bytes, days), monday, 2);
        for (size_t week = 0; week < 2; ++week) {
            QStringList whole = lines(all[week]);
            // An event left unread is not listed as unreadable either.
            whole.removeIf([](const QString& line) { return line.contains(" Unreadable "); });
            EXPECT_EQ(lines(some[week]).join('\n').toStdString(), whole.join('\n').toStdString()) << text.left(120).toStdString();
        }
    }
    const QStringList first = lines(appointmentsOfWeeks(CalendarFile::fromData(calendarOf(edges), days), monday, 1)[0]);
    EXPECT_EQ(first, QStringList({"2026-12-09T14:00:00 In the week "})) << first.join('\n').toStdString();
}

TEST_F(CalendarImport, AYearOfWeeksIsSummedUpAsShortlyAsOneWeek)
{
    // Every week: one appointment placed, one all day; the unreadable event
    // comes with every week, and is told once.
    const QByteArray events = event("20260105T090000", "Stand-up", "RRULE:FREQ=WEEKLY\r\n")
                              + "BEGIN:VEVENT\r\nUID:gym\r\nDTSTART;VALUE=DATE:20260106\r\nSUMMARY:Gym day\r\n"
                                "RRULE:FREQ=WEEKLY\r\nEND:VEVENT\r\n"
                              + event("23000101T090000", "Broken");
    const CalendarFile file = CalendarFile::fromData(calendarOf(events));
    const QDate first(2026, 12, 7);
    std::vector<WeekLayout> weeks;
    int week = 0;
    for (const std::vector<Appointment>& appointments : appointmentsOfWeeks(file, first, MaxWeeks))
        weeks.push_back(layOutWeek(first.addDays(7 * week++), appointments));
    ASSERT_EQ(weeks.size(), size_t(MaxWeeks));
    const QString summary = importSummary(weeks, QLocale(QLocale::English, QLocale::UnitedStates));
    const QStringList lines = summary.split('\n');
    EXPECT_EQ(lines.size(), 3 + MaxListedNotPlaced + 1) << summary.toStdString();
    EXPECT_EQ(lines.front(), "Imported 53 appointments.");
    EXPECT_EQ(lines[3], "12/8/26  Gym day: all day, no hour to place it at");
    EXPECT_EQ(lines.last(), "and 44 more");  // 53 all-day ones and the broken one, less the ten listed
    EXPECT_EQ(importSummary(std::vector<WeekLayout>{weeks.front()}, QLocale(QLocale::English, QLocale::UnitedStates)),
              importSummary(weeks.front(), QLocale(QLocale::English, QLocale::UnitedStates)));
}
