// dorvane from the command line: the real executable, started with no
// display server at all, and what it leaves behind read by programs nobody
// here wrote.
#include "PdfTools.h"
#include "LibreOffice.h"
#include "PrivateCups.h"
#include "RunProgram.h"
#include "SmallFileSystem.h"
#include "TestFiles.h"
#include "calendar/CalendarFile.h"
#include "calendar/ImportSummary.h"
#include "calendar/Occurrences.h"
#include "calendar/WeekLayout.h"
#include "week/DayStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const QString Example = QStringLiteral(DORVANE_EXAMPLE_WEEK);
// Three weeks the example calendar fills, the first a Monday.
const QDate FirstMonday(2026, 12, 7);
const QStringList ThreeWeeks{"--import", Example, "--week", "2026-12-09", "--weeks", "3"};

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the program as a scheduled job would: no DISPLAY, no WAYLAND_DISPLAY,
// no QT_QPA_PLATFORM, in the C locale unless `locale` names the variables
// to set. `prefix` runs it through another program (setpriv).
Outcome dorvane(const QStringList& arguments, const QStringList& prefix = {},
                const QStringList& locale = {"LC_ALL=C.UTF-8"})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QString::fromLatin1(name));
    for (const QString& variable : locale)
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    QProcess process;
    process.setProcessEnvironment(environment);
    const QStringList command = prefix + QStringList{QStringLiteral(DORVANE_EXECUTABLE)} + arguments;
    process.start(command.first(), command.mid(1));
    Outcome run;
    if (!process.waitForFinished(5 * 60 * 1000)) {
        process.kill();
        process.waitForFinished();
        run.err = QStringLiteral("did not finish");
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

std::string shown(const Outcome& run)
{
    return QStringLiteral("exit %1\nstdout:\n%2\nstderr:\n%3").arg(run.exitCode).arg(run.out, run.err).toStdString();
}

// The three weeks as the import lays them out, and their headings.
std::vector<calendar::WeekLayout> exampleWeeks()
{
    const calendar::CalendarFile file = calendar::CalendarFile::read(Example);
    std::vector<calendar::WeekLayout> weeks;
    for (int i = 0; i < 3; ++i) {
        const QDate monday = FirstMonday.addDays(7 * i);
        weeks.push_back(calendar::layOutWeek(
            monday, calendar::appointmentsBetween(file, QDateTime(monday, QTime(0, 0)), QDateTime(monday.addDays(7), QTime(0, 0)))));
    }
    return weeks;
}

QString heading(const calendar::WeekLayout& week) { return "Week of " + calendar::weekTitle(week.monday, QLocale::c()); }

QStringList folderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

TEST(CommandLine, BadArgumentsAreRefusedWithTheirReasonAndTheUsage)
{
    const struct {
        QStringList arguments;
        QString reason;
    } cases[] = {
        {{"--import", Example, "--week", "2026-02-30", "--pdf", "x.pdf"}, "--week \"2026-02-30\" is not a date"},
        {{"--import", Example, "--weeks", "0", "--pdf", "x.pdf"}, "--weeks \"0\" is not a number of weeks from 1 to 53"},
        {{"--import", Example, "--weeks", "54", "--pdf", "x.pdf"}, "--weeks \"54\" is not a number of weeks from 1 to 53"},
        {{"--import", Example, "--frobnicate", "--pdf", "x.pdf"}, "Unknown option 'frobnicate'"},
        {{"--import", Example}, "Nothing to make"},
    };
    for (const auto& c : cases) {
        const Outcome run = dorvane(c.arguments);
        EXPECT_EQ(run.exitCode, 1) << shown(run);
        EXPECT_TRUE(run.err.startsWith("dorvane: " + c.reason)) << shown(run);
        EXPECT_TRUE(run.err.contains("\nUsage: dorvane --import SOURCE [--week DATE]")) << shown(run);
        EXPECT_TRUE(run.out.isEmpty()) << shown(run);
    }
    EXPECT_FALSE(QFile::exists("x.pdf"));
}

TEST(CommandLine, HelpAndVersionNeedNoDisplay)
{
    const Outcome help = dorvane({"--help"});
    EXPECT_EQ(help.exitCode, 0) << shown(help);
    for (const char* option : {"--import", "--week", "--weeks", "--title", "--save", "--pdf", "--print", "--printer",
                               "--force", "--quiet", "Exit status"})
        EXPECT_TRUE(help.out.contains(QLatin1String(option))) << option << shown(help);
    const Outcome version = dorvane({"--version"});
    EXPECT_EQ(version.exitCode, 0) << shown(version);
    EXPECT_TRUE(version.out.startsWith("dorvane ")) << shown(version);
}

TEST(CommandLine, AnUnreadableCalendarEndsWithStatusTwoAndWritesNothing)
{
    QTemporaryDir folder;
    const QString notCalendar = folder.filePath("notes.ics");
    ASSERT_TRUE(testfiles::writeFile(notCalendar, "Shopping: milk, bread\n"));
    const QString pdf = folder.filePath("out.pdf");

    const Outcome missing = dorvane({"--import", folder.filePath("missing.ics"), "--pdf", pdf});
    EXPECT_EQ(missing.exitCode, 2) << shown(missing);
    EXPECT_TRUE(missing.err.startsWith("dorvane: The calendar \"missing.ics\" cannot be imported.")) << shown(missing);

    const Outcome wrong = dorvane({"--import", notCalendar, "--pdf", pdf});
    EXPECT_EQ(wrong.exitCode, 2) << shown(wrong);
    EXPECT_TRUE(wrong.err.startsWith("dorvane: The calendar \"notes.ics\" cannot be imported.")) << shown(wrong);
    EXPECT_EQ(folderEntries(folder.path()), QStringList{"notes.ics"});
}

TEST(CommandLine, AnExistingFileIsReplacedOnlyWithForce)
{
    QTemporaryDir folder;
    const QString document = folder.filePath("weeks.docx");
    ASSERT_TRUE(testfiles::writeFile(document, "last year's planner"));

    const Outcome refused = dorvane(ThreeWeeks + QStringList{"--save", document});
    EXPECT_EQ(refused.exitCode, 3) << shown(refused);
    EXPECT_TRUE(refused.err.startsWith("dorvane: " + document + " exists already; --force replaces it.")) << shown(refused);
    EXPECT_EQ(testfiles::readFile(document), "last year's planner");

    const Outcome forced = dorvane(ThreeWeeks + QStringList{"--save", document, "--force", "--quiet"});
    EXPECT_EQ(forced.exitCode, 0) << shown(forced);
    EXPECT_TRUE(forced.out.isEmpty()) << shown(forced);
    EXPECT_TRUE(testfiles::readFile(document).startsWith("PK")) << "not replaced by a package";
    EXPECT_EQ(folderEntries(folder.path()), QStringList{"weeks.docx"});
}

TEST(CommandLine, AReadOnlyFolderEndsWithStatusThreeAndLeavesItEmpty)
{
    QTemporaryDir folder;
    const QString readOnly = folder.filePath("read-only");
    ASSERT_TRUE(QDir().mkdir(readOnly));
    // Open to the unprivileged user the program runs as when the test runs as root.
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7755)));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::Permissions(0x5555)));
    QStringList asUser;
    if (geteuid() == 0)  // root writes into any folder
        asUser = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"};

    for (const QString option : {"--save", "--pdf"}) {
        const Outcome run = dorvane(ThreeWeeks + QStringList{option, readOnly + "/weeks.out"}, asUser);
        EXPECT_EQ(run.exitCode, 3) << shown(run);
        EXPECT_TRUE(run.err.startsWith("dorvane: ")) << shown(run);
        EXPECT_TRUE(run.err.contains("weeks.out")) << shown(run);
        EXPECT_TRUE(run.err.contains("ermission denied")) << shown(run);
        EXPECT_EQ(folderEntries(readOnly), QStringList()) << option.toStdString();
    }
}

// On a real file system with no room left, neither file is written, not even
// in part, and the reason is named.
TEST(CommandLine, AFullDiskEndsWithStatusThreeAndLeavesNoFile)
{
    const QString disk = SmallFileSystem::folder();
    if (disk.isEmpty()) {
        QString whyNot;
        const auto run = SmallFileSystem::runInside(
            {"--gtest_filter=CommandLine.AFullDiskEndsWithStatusThreeAndLeavesNoFile"}, 256 * 1024, &whyNot);
        if (!run)
            GTEST_SKIP() << whyNot.toStdString();
        EXPECT_EQ(run->exitCode, 0) << run->output.toStdString();
        EXPECT_TRUE(run->output.contains("[  PASSED  ] 1 test")) << run->output.toStdString();
        return;
    }
    ASSERT_TRUE(SmallFileSystem::fill(disk, 4096));
    for (const QString option : {"--save", "--pdf"}) {
        const Outcome run = dorvane(ThreeWeeks + QStringList{option, disk + "/weeks.out"});
        EXPECT_EQ(run.exitCode, 3) << shown(run);
        EXPECT_TRUE(run.err.startsWith("dorvane: ")) << shown(run);
        EXPECT_TRUE(run.err.contains("No space left on device")) << shown(run);
        EXPECT_EQ(folderEntries(disk), QStringList{"filler"}) << option.toStdString();
    }
}

// Three weeks in one Word document: python-docx finds a table per week with
// the rows the import placed; LibreOffice puts each week on a page of its own.
TEST(CommandLine, ThreeWeeksMakeOneDocumentWithATablePerWeekAndAPagePerWeek)
{
    QTemporaryDir folder;
    const QString document = folder.filePath("weeks.docx");
    const Outcome run = dorvane(ThreeWeeks + QStringList{"--save", document});
    ASSERT_EQ(run.exitCode, 0) << shown(run);
    const std::vector<calendar::WeekLayout> weeks = exampleWeeks();
    for (const calendar::WeekLayout& week : weeks) {
        EXPECT_TRUE(run.out.contains(heading(week) + "\n" + calendar::importSummary(week, QLocale::c()))) << shown(run);
        EXPECT_GT(week.placed, 0);
    }

    QByteArray json;
    const bool read = runProgram("/usr/bin/python3", {DORVANE_DOCX_DUMP, document}, 120000, &json);
    if (!read && QProcess::execute("/usr/bin/python3", {"-c", "import docx"}) != 0) {
        GTEST_SKIP() << "python-docx is not installed for /usr/bin/python3";
    }
    ASSERT_TRUE(read) << json.toStdString();
    const QJsonObject dump = QJsonDocument::fromJson(json).object();
    const QJsonArray tables = dump["tables"].toArray();
    ASSERT_EQ(tables.size(), 3);
    for (int w = 0; w < 3; ++w) {
        const QJsonArray rows = tables[w].toObject()["rows"].toArray();
        ASSERT_EQ(rows.size(), 36);
        const calendar::PageTexts* pages = weeks[size_t(w)].pages.data();
        for (int block = 0; block < 3; ++block) {
            for (int row = 0; row < week::RowCount; ++row) {
                const QJsonArray cells = rows[block * 12 + 2 + row].toArray();
                ASSERT_EQ(cells.size(), 5);
                const QStringList got{cells[0].toObject()["text"].toString(), cells[1].toObject()["text"].toString(),
                                      cells[3].toObject()["text"].toString(), cells[4].toObject()["text"].toString()};
                const QStringList expected{pages[2 * block].numbers[row], pages[2 * block].names[row],
                                           pages[2 * block + 1].names[row], pages[2 * block + 1].numbers[row]};
                EXPECT_EQ(got, expected) << "week " << w << " block " << block << " row " << row;
            }
        }
    }
    // Each heading in the document, in order.
    QStringList headings;
    for (const QJsonValue paragraph : dump["paragraphs"].toArray())
        if (paragraph.toObject()["text"].toString().startsWith("Week of "))
            headings << paragraph.toObject()["text"].toString();
    EXPECT_EQ(headings, QStringList({heading(weeks[0]), heading(weeks[1]), heading(weeks[2])}));

    if (!libreoffice::installed())
        GTEST_SKIP() << "LibreOffice is not installed";
    QByteArray log;
    const QString converted = libreoffice::convert(document, "pdf", folder.path(), &log, 600000);
    ASSERT_FALSE(converted.isEmpty()) << log.toStdString();
    ASSERT_EQ(pdftools::pdfInfo(converted, "Pages"), "3") << log.toStdString();
    for (int page = 1; page <= 3; ++page) {
        const QString text = pdftools::output("pdftotext", {"-f", QString::number(page), "-l", QString::number(page),
                                                            "-layout", converted, "-"});
        EXPECT_TRUE(text.contains(heading(weeks[size_t(page - 1)]))) << page << text.toStdString();
        EXPECT_EQ(text.count("Week of "), 1) << page << text.toStdString();
    }
}

// The planner in the language the locale asks for, as python-docx reads it
// back: the heading with the date as the import writes it, the day names
// and the column titles, each on one line of its column in the PDF. English stays as it was, and so does the C locale
// (C.UTF-8, or none set) even where LANGUAGE names a translated language.
TEST(CommandLine, ThePlannerIsWrittenInTheUsersLanguage)
{
    struct Language {
        QStringList locale;
        QString heading;
        QStringList days;
        QStringList titles;  // over the numbers, over the names
    };
    const Language languages[] = {
        {{"LANG=de_DE.UTF-8"}, "Woche vom 7. Dezember 2026",
         {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag/Sonntag"}, {"Nr.", "Name"}},
        {{"LC_ALL=fr_FR.UTF-8"}, "Semaine du 7 décembre 2026",
         {"Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi/Dimanche"}, {"Numéro", "Nom"}},
        {{"LANG=es_ES.UTF-8"}, "Semana del 7 de diciembre de 2026",
         {"Lunes", "Martes", "Miércoles", "Jueves", "Viernes", "Sábado/Domingo"}, {"Número", "Nombre"}},
        {{"LANG=en_US.UTF-8"}, "Week of December 7, 2026",
         {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday/Sunday"}, {"Number", "Name"}},
        {{"LANG=C.UTF-8", "LANGUAGE=de"}, "Week of 7 December 2026",
         {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday/Sunday"}, {"Number", "Name"}},
        {{"LANGUAGE=fr"}, "Week of 7 December 2026",
         {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday/Sunday"}, {"Number", "Name"}},
    };
    if (QProcess::execute("/usr/bin/python3", {"-c", "import docx"}) != 0)
        GTEST_SKIP() << "python-docx is not installed for /usr/bin/python3";
    QTemporaryDir folder;
    for (const Language& language : languages) {
        const std::string name = language.locale.join(' ').toStdString();
        const QString document = folder.filePath(language.locale.first() + ".docx");
        const QString pdf = folder.filePath(language.locale.first() + ".pdf");
        const Outcome run = dorvane({"--import", Example, "--week", "2026-12-09", "--save", document, "--pdf", pdf}, {},
                                    language.locale);
        ASSERT_EQ(run.exitCode, 0) << name << shown(run);
        // Each column title fits its column: a title broken over two lines
        // does not read whole in the PDF's text.
        const QString text = pdftools::output("pdftotext", {"-layout", pdf, "-"});
        for (const QString& title : language.titles)
            EXPECT_EQ(text.count(QRegularExpression("(^|\\s)" + QRegularExpression::escape(title) + "(\\s|$)")), 6)
                << name << " " << title.toStdString() << "\n" << text.toStdString();
        QByteArray json;
        ASSERT_TRUE(runProgram("/usr/bin/python3", {DORVANE_DOCX_DUMP, document}, 120000, &json)) << json.toStdString();
        const QJsonObject dump = QJsonDocument::fromJson(json).object();
        EXPECT_EQ(dump["paragraphs"].toArray().first().toObject()["text"].toString().toStdString(),
                  language.heading.toStdString()) << name;
        const QJsonArray rows = dump["tables"].toArray().first().toObject()["rows"].toArray();
        ASSERT_EQ(rows.size(), 36) << name;
        QStringList days;
        for (int block = 0; block < 3; ++block) {
            const QJsonArray dayRow = rows[block * 12].toArray();
            days << dayRow.first().toObject()["text"].toString() << dayRow.last().toObject()["text"].toString();
            QStringList titles;
            for (const QJsonValue cell : rows[block * 12 + 1].toArray())
                titles << cell.toObject()["text"].toString();
            const QStringList expected{language.titles[0], language.titles[1], "", language.titles[1], language.titles[0]};
            EXPECT_EQ(titles.join('|').toStdString(), expected.join('|').toStdString()) << name;
        }
        EXPECT_EQ(days.join('|').toStdString(), language.days.join('|').toStdString()) << name;
    }
}

// Three weeks as one PDF: a page per week with its heading, every font embedded.
TEST(CommandLine, ThreeWeeksMakeOnePdfWithAPagePerWeek)
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath("weeks.pdf");
    const Outcome run = dorvane(ThreeWeeks + QStringList{"--pdf", pdf, "--quiet"});
    ASSERT_EQ(run.exitCode, 0) << shown(run);
    EXPECT_TRUE(run.out.isEmpty()) << shown(run);
    const std::vector<calendar::WeekLayout> weeks = exampleWeeks();
    ASSERT_EQ(pdftools::pdfInfo(pdf, "Pages"), "3");
    for (int page = 1; page <= 3; ++page) {
        const QString text =
            pdftools::output("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
        EXPECT_TRUE(text.contains(heading(weeks[size_t(page - 1)]))) << page << text.toStdString();
        EXPECT_EQ(text.count("Week of "), 1) << page << text.toStdString();
    }
    int fonts = 0;
    EXPECT_EQ(pdftools::unembeddedFonts(pdf, &fonts), QStringList());
    EXPECT_GT(fonts, 0);
    EXPECT_EQ(folderEntries(folder.path()), QStringList{"weeks.pdf"});
}

// Three weeks printed: one job of three pages on a queue of the test's own.
TEST(CommandLine, ThreeWeeksPrintAsOneJob)
{
    PrivateCups cups;
    QString why;
    if (!cups.start(&why))
        GTEST_SKIP() << why.toStdString();
    const Outcome run = dorvane(ThreeWeeks + QStringList{"--print", "--printer", PrivateCups::Queue, "--quiet"});
    ASSERT_EQ(run.exitCode, 0) << shown(run);
    ASSERT_TRUE(cups.waitForOutput());
    EXPECT_EQ(pdftools::pdfInfo(cups.outputPath(), "Pages"), "3");
    QByteArray jobs;
    ASSERT_TRUE(runProgram("lpstat", {"-W", "all", "-o", PrivateCups::Queue}, 30000, &jobs));
    EXPECT_EQ(QString::fromUtf8(jobs).trimmed().split('\n').size(), 1) << jobs.toStdString();

    const Outcome refused = dorvane(ThreeWeeks + QStringList{"--print", "--printer", "no-such-queue", "--quiet"});
    EXPECT_EQ(refused.exitCode, 3) << shown(refused);
    EXPECT_TRUE(refused.err.startsWith("dorvane: The printer no-such-queue did not take the job")) << shown(refused);
}

}  // namespace
