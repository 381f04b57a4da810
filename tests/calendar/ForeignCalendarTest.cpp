// The import against calendars written by others (foreign/, see its README),
// and small calendars made from them for the cases they lack. Where it can,
// what a week must hold is worked out by python3-icalendar and
// python3-recurring-ical-events (foreign/week_of.py), not by this program;
// the rest is fixed by hand from RFC 5545, as each test says.
#include "calendar/CalendarFile.h"
#include "calendar/ImportSummary.h"
#include "calendar/Occurrences.h"
#include "calendar/WeekLayout.h"
#include "week/HourRange.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

using namespace calendar;

// Lists of texts as gtest shows them on failure.
void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace {

QByteArray foreignFile(const char* name)
{
    QFile file(QStringLiteral(FOREIGN_DATA "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The Google export with a daily sync on weekdays at 14:00 in Zurich.
QByteArray dailySync() { return foreignFile("google-x-location.ics"); }

// `calendar` with `from` replaced by `to`, which must be there.
QByteArray edited(QByteArray calendar, const QByteArray& from, const QByteArray& to)
{
    EXPECT_TRUE(calendar.contains(from)) << from.toStdString();
    return calendar.replace(from, to);
}

// The daily sync starting at `start` (Zurich time) instead, without an end.
QByteArray dailySyncFrom(const QByteArray& start)
{
    return edited(edited(dailySync(), "DTEND;TZID=Europe/Zurich:20161028T143000\n", ""), "20161028T140000", start);
}

// `calendar` with `events` added after its last event.
QByteArray withEvents(const QByteArray& calendar, const QByteArray& events)
{
    return edited(calendar, "END:VCALENDAR", events + "END:VCALENDAR");
}

// The week from `monday` as the import finds it: "start<TAB>name" for each
// occurrence, then "name: problem" for each event left out.
QStringList ourWeek(const QByteArray& calendar, const QDate& monday)
{
    QStringList lines;
    const CalendarFile file = CalendarFile::fromData(calendar);
    for (const Appointment& a : appointmentsBetween(file, QDateTime(monday, QTime(0, 0)), QDateTime(monday.addDays(7), QTime(0, 0))))
        lines << (a.problem.isEmpty() ? QDateTime(a.date, a.time).toString(Qt::ISODate) + '\t' + a.name : a.name + ": " + a.problem);
    return lines;
}

// The same week as python3-recurring-ical-events works it out.
QStringList theirWeek(const QByteArray& calendar, const QDate& monday)
{
    QTemporaryDir folder;
    QFile file(folder.filePath("calendar.ics"));
    if (!file.open(QIODevice::WriteOnly) || file.write(calendar) != calendar.size())
        return {"cannot write the calendar"};
    file.close();
    QProcess python;
    python.start("/usr/bin/python3", {QStringLiteral(FOREIGN_DATA "/week_of.py"), file.fileName(), monday.toString(Qt::ISODate)});
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        return {"week_of.py failed: " + QString::fromUtf8(python.readAllStandardError())};
    return QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

class ForeignCalendar : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
};

const QDate Monday(2026, 12, 7);

}  // namespace

TEST_F(ForeignCalendar, NameBeforeTheRuleOrAfterTheExtraDatesLosesNothingAndRepeatsNothing)
{
    const QStringList sync = theirWeek(dailySync(), Monday);
    ASSERT_EQ(sync.size(), 5) << sync.join('\n').toStdString();
    EXPECT_EQ(ourWeek(dailySync(), Monday), sync);

    // The location above the rule: reading it must not walk the rule again.
    const QByteArray location = "LOCATION:Roadstar 16\\n12764 Happyville\\nDenmark\n";
    const QByteArray locationFirst = edited(edited(dailySync(), location, ""), "RRULE:FREQ=WEEKLY", location + "RRULE:FREQ=WEEKLY");
    EXPECT_EQ(ourWeek(locationFirst, Monday), sync);

    // Three extra dates and no summary: the location, read for the name after
    // the first of them, must not end the walk over them.
    const QByteArray fromMonday = edited(edited(dailySyncFrom("20261207T140000"), "SUMMARY:Daily Sync\n", ""),
                                         "RRULE:FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR\n",
                                         "RDATE;TZID=Europe/Zurich:20261208T090000\nRDATE;TZID=Europe/Zurich:20261209T100000\n"
                                         "RDATE;TZID=Europe/Zurich:20261210T110000\n");
    const QStringList four = theirWeek(fromMonday, Monday);
    ASSERT_EQ(four.size(), 4) << four.join('\n').toStdString();
    EXPECT_EQ(ourWeek(fromMonday, Monday), four);
}

TEST_F(ForeignCalendar, OnlyTheNewestVersionOfAnEventIsPlaced)
{
    // By hand (RFC 5545, 3.8.7.4): the higher SEQUENCE wins wherever it is in
    // the file; at the same SEQUENCE, the later DTSTAMP.
    const QByteArray older = "BEGIN:VEVENT\nUID:BFE33ADD-5553-48B5-B5A5-F9DA5CA4C393\nSEQUENCE:0\n";
    const QByteArray newer = edited(dailySyncFrom("20161028T160000"), "SEQUENCE:0", "SEQUENCE:1");
    const QByteArray calendar = withEvents(newer, older + "DTSTART;TZID=Europe/Zurich:20161028T140000\n"
                                                          "RRULE:FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR\nSUMMARY:Daily Sync\nEND:VEVENT\n");
    QStringList expected;
    for (int day = 7; day <= 11; ++day)
        expected << QStringLiteral("2026-12-%1T16:00:00\tDaily Sync").arg(day, 2, 10, QChar('0'));
    EXPECT_EQ(ourWeek(calendar, Monday), expected);

    // Two versions of Wednesday's occurrence moved: the one stamped later counts.
    const QByteArray moved = "BEGIN:VEVENT\nUID:BFE33ADD-5553-48B5-B5A5-F9DA5CA4C393\nSEQUENCE:1\n"
                             "RECURRENCE-ID;TZID=Europe/Zurich:20261209T160000\nSUMMARY:Daily Sync\n";
    const QByteArray twoMoves = withEvents(calendar, moved + "DTSTAMP:20261205T100000Z\nDTSTART;TZID=Europe/Zurich:20261209T110000\nEND:VEVENT\n"
                                                     + moved + "DTSTAMP:20261204T100000Z\nDTSTART;TZID=Europe/Zurich:20261209T120000\nEND:VEVENT\n");
    expected[2] = "2026-12-09T11:00:00\tDaily Sync";
    EXPECT_EQ(ourWeek(twoMoves, Monday), expected);
}

TEST_F(ForeignCalendar, WallTimesSkippedByDaylightSavingTimeAreNeitherPlacedNorCounted)
{
    // By hand (RFC 5545, 3.3.10): on 28 March 2027 Zurich skips from 2:00 to
    // 3:00, so five hours from midnight are 0, 1, 3, 4 and 5 o'clock.
    const QByteArray hourly = edited(dailySyncFrom("20270328T000000"),
                                     "RRULE:FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR", "RRULE:FREQ=HOURLY;COUNT=5");
    EXPECT_EQ(ourWeek(hourly, QDate(2027, 3, 22)), QStringList({"2027-03-28T00:00:00\tDaily Sync", "2027-03-28T01:00:00\tDaily Sync",
                                                                 "2027-03-28T03:00:00\tDaily Sync", "2027-03-28T04:00:00\tDaily Sync",
                                                                 "2027-03-28T05:00:00\tDaily Sync"}));
}

TEST_F(ForeignCalendar, UnreadableEventIsListedAndTheRestImported)
{
    const QByteArray calendar = withEvents(dailySync(), "BEGIN:VEVENT\nUID:bad-rule\nDTSTART:20261208T100000\n"
                                                        "RRULE:FREQ=SOMETIMES\nSUMMARY:Bad rule\nEND:VEVENT\n"
                                                        "BEGIN:VEVENT\nUID:far\nDTSTART:23001208T100000\nSUMMARY:Far away\nEND:VEVENT\n");
    const QStringList sync = theirWeek(dailySync(), Monday);
    EXPECT_EQ(ourWeek(calendar, Monday), sync + QStringList({"Bad rule: has a malformed RRULE that cannot be read",
                                                             "Far away: has a malformed date in DTSTART (dates from 1900 to 2200 are read)"}));
    const CalendarFile file = CalendarFile::fromData(calendar);
    const WeekLayout week = layOutWeek(Monday, appointmentsBetween(file, QDateTime(Monday, QTime(0, 0)), QDateTime(Monday.addDays(7), QTime(0, 0))));
    const QString summary = importSummary(week, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(summary.startsWith("Imported 5 appointments.\n\nNot placed:\n")) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QRegularExpression("\n12/8/26 10:00\\s*AM  Bad rule: has a malformed RRULE that cannot be read\n")))
        << summary.toStdString();
    EXPECT_TRUE(summary.endsWith("\nFar away: has a malformed date in DTSTART (dates from 1900 to 2200 are read)")) << summary.toStdString();
}

TEST_F(ForeignCalendar, RulesFinerThanAnHourAreWorkedOutWithinTheBudget)
{
    // Without its SEQUENCE, with which python3-recurring-ical-events 2.0.1
    // keeps a single occurrence of a rule finer than a day.
    const QByteArray minutely = edited(edited(dailySyncFrom("20261208T090000"), "SEQUENCE:0\n", ""),
                                       "RRULE:FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR", "RRULE:FREQ=MINUTELY;INTERVAL=20;COUNT=6");
    const QStringList six = theirWeek(minutely, Monday);
    ASSERT_EQ(six.size(), 6) << six.join('\n').toStdString();
    EXPECT_EQ(ourWeek(minutely, Monday), six);

    // Every second of the week is more rule work than one question may take:
    // that event alone is left out.
    const QByteArray secondly = withEvents(minutely, "BEGIN:VEVENT\nUID:tick\nDTSTART:20261201T000000\nRRULE:FREQ=SECONDLY\n"
                                                     "SUMMARY:Tick\nEND:VEVENT\n");
    EXPECT_EQ(ourWeek(secondly, Monday), six + QStringList({"Tick: repeats too often, or too finely, to work out"}));
}

TEST_F(ForeignCalendar, EveryMinuteIsPlacedAsFarAsThePlannerHoursHoldIt)
{
    // 10,080 starts a week. Of 23 hours a day the pages have rows for 9,660,
    // within the limit of 10,000 appointments; of all 24 for every one.
    // A weekday's row holds its 60 names; the weekend's row, 1,000
    // characters, holds 62 of "Sat Daily Sync" and "Sun Daily Sync" joined by "; ".
    const QByteArray everyMinute = edited(dailySyncFrom("20261201T000000"), "RRULE:FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR",
                                          "RRULE:FREQ=MINUTELY");
    const CalendarFile file = CalendarFile::fromData(everyMinute);
    const QDateTime from(Monday, QTime(0, 0)), to(Monday.addDays(7), QTime(0, 0));
    const week::HourRange classic = week::ClassicHours, allButMidnight{1, 23}, wholeDay{0, 23};

    const std::vector<Appointment> all = appointmentsBetween(file, from, to, classic);
    ASSERT_EQ(all.size(), 10080u);
    const WeekLayout week = layOutWeek(Monday, all, classic);
    EXPECT_EQ(week.placed, 5 * 10 * 60 + 10 * 62);
    EXPECT_EQ(week.notPlaced.size(), size_t(10080 - 3620));
    const QString summary = importSummary(week, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(summary.startsWith("Imported 3620 appointments.\n\nNot placed:\n12/7/26 12:00")) << summary.toStdString();
    EXPECT_TRUE(summary.endsWith("\nand 6450 more")) << summary.toStdString();

    EXPECT_EQ(layOutWeek(Monday, appointmentsBetween(file, from, to, allButMidnight), allButMidnight).placed,
              5 * 23 * 60 + 23 * 62);
    const std::vector<Appointment> tooMany = appointmentsBetween(file, from, to, wholeDay);
    ASSERT_EQ(tooMany.size(), 1u);
    EXPECT_EQ(tooMany[0].problem, "repeats more than 10000 times in the week, more than Dorvane imports");
    // Weeks imported together count the same way.
    const auto weeks = appointmentsOfWeeks(file, Monday, 2, allButMidnight);
    ASSERT_EQ(weeks.size(), 2u);
    EXPECT_EQ(weeks[1].size(), 10080u);
}

TEST_F(ForeignCalendar, TimesTheImportGuessesAtArePlacedAndSaid)
{
    // By hand: a zone nobody knows is read as local time (Berlin, as Zurich
    // here); an end before the start places the event by its start.
    const QByteArray unknownZone = edited(dailySyncFrom("20261207T140000"), "DTSTART;TZID=Europe/Zurich:20261207T140000",
                                          "DTSTART;TZID=Mars/Olympus Mons:20261207T140000");
    const QByteArray endsBefore =
        withEvents(unknownZone, "BEGIN:VEVENT\nUID:backwards\nDTSTART:20261208T100000\nDTEND:20261208T090000\n"
                                "SUMMARY:Backwards\nEND:VEVENT\n"
                                "BEGIN:VEVENT\nUID:negative\nDTSTART:20261209T100000\nDURATION:-PT1H\n"
                                "SUMMARY:Negative\nEND:VEVENT\n"
                                "BEGIN:VEVENT\nUID:instant\nDTSTART:20261210T100000\nDTEND:20261210T100000\n"
                                "SUMMARY:Instant\nEND:VEVENT\n");
    const QStringList five = theirWeek(unknownZone, Monday);
    ASSERT_EQ(five.size(), 5) << five.join('\n').toStdString();
    EXPECT_EQ(ourWeek(unknownZone, Monday), five);
    // python3-recurring-ical-events refuses an end before the start outright.
    EXPECT_EQ(ourWeek(endsBefore, Monday).filter(QRegularExpression("T10:00:00\t")),
              QStringList({"2026-12-08T10:00:00\tBackwards", "2026-12-09T10:00:00\tNegative", "2026-12-10T10:00:00\tInstant"}));
    const CalendarFile file = CalendarFile::fromData(endsBefore);
    const WeekLayout week = layOutWeek(Monday, appointmentsBetween(file, QDateTime(Monday, QTime(0, 0)),
                                                                   QDateTime(Monday.addDays(7), QTime(0, 0))));
    EXPECT_EQ(week.placed, 8);
    const QString summary = importSummary(week, QLocale(QLocale::English, QLocale::UnitedStates));
    const QRegularExpression said(
        "^Imported 8 appointments\\.\n\nPlease check:\n"
        "12/7/26 2:00\\sPM  Daily Sync: its time zone \"Mars/Olympus Mons\" is unknown, so its time is read as local time\n"
        "12/8/26 10:00\\sAM  Backwards: ends before it starts, so only its start is used\n"
        "12/9/26 10:00\\sAM  Negative: ends before it starts, so only its start is used$");
    EXPECT_TRUE(said.match(summary).hasMatch()) << summary.toStdString();
}
