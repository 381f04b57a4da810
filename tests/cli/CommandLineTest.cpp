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

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <iostream>
#include <memory>

namespace {

const QString Example = QStringLiteral(DORVANE_EXAMPLE_WEEK);
// Three weeks the example calendar fills, the first a Monday.
const QDate FirstMonday(2026, 12, 7);
const QStringList ThreeWeeks{"--import", Example, "--week", "2026-12-09", "--weeks", "3"};

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
    QByteArray bytes;  // standard output as written
};

// Where a run's standard output goes, and from where it starts.
struct Launch {
    QString folder;       // working folder; empty: the test's own
    QString outputFile;   // standard output into this file; empty: read by the test
    int outputFd = -1;    // standard output onto this descriptor instead
    QStringList variables;  // NAME=value set for the run
};

Launch inFolder(const QString& folder)
{
    Launch launch;
    launch.folder = folder;
    return launch;
}

// The environment of a scheduled job: no DISPLAY, no WAYLAND_DISPLAY, no
// QT_QPA_PLATFORM, in the C locale unless `locale` names the variables to set.
QProcessEnvironment jobEnvironment(const QStringList& locale, const QStringList& variables = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QString::fromLatin1(name));
    for (const QString& variable : locale + variables)
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    return environment;
}

// Runs the program as a scheduled job would (jobEnvironment). `prefix` runs
// it through another program (setpriv).
Outcome dorvane(const QStringList& arguments, const QStringList& prefix = {},
                const QStringList& locale = {"LC_ALL=C.UTF-8"}, const Launch& launch = {})
{
    QProcess process;
    process.setProcessEnvironment(jobEnvironment(locale, launch.variables));
    if (!launch.folder.isEmpty())
        process.setWorkingDirectory(launch.folder);
    if (!launch.outputFile.isEmpty())
        process.setStandardOutputFile(launch.outputFile, QIODevice::Append);
    if (launch.outputFd >= 0) {
        const int fd = launch.outputFd;
        process.setChildProcessModifier([fd] { ::dup2(fd, 1); });
    }
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
    run.bytes = process.readAllStandardOutput();
    run.out = QString::fromLocal8Bit(run.bytes);
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

// The CUPS client library is loaded only to print: one that cannot be (here
// a stand-in without its functions) is said, and the job's PDF goes away.
TEST(CommandLine, PrintingWithoutTheCupsLibrarySaysSo)
{
    QTemporaryDir spool;
    Launch launch;
    launch.variables = {"LD_LIBRARY_PATH=" DORVANE_CUPS_STAND_IN_DIR, "TMPDIR=" + spool.path()};
    const Outcome run = dorvane(ThreeWeeks + QStringList{"--print", "--printer", "any-queue", "--quiet"}, {},
                                {"LC_ALL=C.UTF-8"}, launch);
    EXPECT_EQ(run.exitCode, 3) << shown(run);
    EXPECT_TRUE(run.err.startsWith("dorvane: Printing needs the CUPS library, which cannot be loaded: ")) << shown(run);
    EXPECT_TRUE(run.err.contains("httpConnect2")) << shown(run);
    EXPECT_EQ(QDir(spool.path()).entryList({"dorvane-print-*"}, QDir::Files | QDir::Hidden), QStringList());
}

// libzip is loaded only to write or read a document: one that cannot be is
// said, and the document already in the file's place stays as it was.
TEST(CommandLine, SavingWithoutTheZipLibrarySaysSoAndKeepsTheOldFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("week.doc");
    ASSERT_TRUE(testfiles::writeFile(path, "the planner saved last week"));
    Launch launch;
    launch.variables = {"LD_LIBRARY_PATH=" DORVANE_ZIP_STAND_IN_DIR};
    const Outcome run = dorvane(ThreeWeeks + QStringList{"--save", path, "--force", "--quiet"}, {}, {"LC_ALL=C.UTF-8"}, launch);
    EXPECT_EQ(run.exitCode, 3) << shown(run);
    EXPECT_TRUE(run.err.contains("Word documents need the zip library (libzip), which cannot be loaded: ")) << shown(run);
    EXPECT_TRUE(run.err.contains("zip_close")) << shown(run);
    EXPECT_EQ(testfiles::readFile(path), "the planner saved last week");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"week.doc"});
}

bool isWholeZip(const QByteArray& bytes) { return bytes.startsWith("PK") && bytes.lastIndexOf("PK\x05\x06") == bytes.size() - 22; }
bool isWholePdf(const QByteArray& bytes) { return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF"); }

// Starts the runs, all at once, and waits for every one (each within five
// minutes; one that outlasts them is killed and counts as failed).
std::vector<Outcome> runTogether(const std::vector<QStringList>& arguments, const std::vector<QStringList>& variables)
{
    std::vector<std::unique_ptr<QProcess>> processes;
    for (size_t i = 0; i < arguments.size(); ++i) {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(jobEnvironment({"LC_ALL=C.UTF-8"}, variables[i]));
        process->start(QStringLiteral(DORVANE_EXECUTABLE), arguments[i]);
        processes.push_back(std::move(process));
    }
    std::vector<Outcome> runs;
    for (const auto& process : processes) {
        Outcome run;
        if (!process->waitForFinished(5 * 60 * 1000)) {
            process->kill();
            process->waitForFinished();
            run.err = QStringLiteral("did not finish");
        } else {
            run.exitCode = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
        }
        run.out = QString::fromLocal8Bit(process->readAllStandardOutput());
        run.err += QString::fromLocal8Bit(process->readAllStandardError());
        runs.push_back(run);
    }
    return runs;
}

// Twenty runs at once into one folder, ten rounds, the even rounds sharing
// one temporary folder and the odd ones each with its own: every run
// succeeds, every file is whole, and nothing else is left anywhere. Each
// run's sweep meets the others' temporary files while they are written.
TEST(CommandLine, TwentyRunsAtOnceLoseNothingAndLeaveNothing)
{
    QTemporaryDir folder;
    const QDir out(folder.filePath("out"));
    ASSERT_TRUE(QDir().mkpath(out.path()));
    const int runs = 20;
    const int rounds = 10;
    QStringList made;
    QStringList failures;
    for (int round = 0; round < rounds; ++round) {
        std::vector<QStringList> arguments;
        std::vector<QStringList> variables;
        for (int n = 0; n < runs; ++n) {
            const QString name = QStringLiteral("r%1p%2").arg(round).arg(n);
            made << name + ".doc" << name + ".pdf";
            arguments.push_back({"--import", Example, "--week", "2026-12-09", "--weeks", "2", "--save",
                                 out.filePath(name + ".doc"), "--pdf", out.filePath(name + ".pdf"), "--quiet"});
            const QString temp = folder.filePath(round % 2 == 0 ? QStringLiteral("temp") : "temp-" + name);
            ASSERT_TRUE(QDir().mkpath(temp));
            variables.push_back({"TEMP=" + temp});
        }
        const std::vector<Outcome> outcomes = runTogether(arguments, variables);
        for (size_t n = 0; n < outcomes.size(); ++n) {
            if (outcomes[n].exitCode != 0)
                failures << QStringLiteral("round %1 run %2: %3").arg(round).arg(n).arg(QString::fromStdString(shown(outcomes[n])));
        }
    }
    EXPECT_EQ(failures.size(), 0) << failures.join('\n').toStdString();
    QStringList left = folderEntries(out.path());
    left.sort();
    made.sort();
    EXPECT_EQ(left.join(' ').toStdString(), made.join(' ').toStdString());
    for (const QString& name : made) {
        const QByteArray bytes = testfiles::readFile(out.filePath(name));
        EXPECT_TRUE(name.endsWith(".doc") ? isWholeZip(bytes) : isWholePdf(bytes)) << name.toStdString();
    }
    // Of the temporary folders only this user's lock file of held names stays.
    const QString lockFile = QStringLiteral(".kelvas-%1.lock").arg(::geteuid());
    for (const QString& temp : QDir(folder.path()).entryList({"temp*"}, QDir::Dirs)) {
        const QStringList inside = folderEntries(folder.filePath(temp));
        EXPECT_TRUE(inside.isEmpty() || inside == QStringList{lockFile}) << temp.toStdString() << ": "
                                                                          << inside.join(' ').toStdString();
    }
}

// Two runs racing for one name without --force: exactly one makes the file,
// the other fails with status 3, and the file is whole. Five rounds, since
// one round may not overlap.
TEST(CommandLine, TwoRunsForOneNameWithoutForceMakeOneFile)
{
    QTemporaryDir folder;
    for (int round = 0; round < 5; ++round) {
        const QString target = folder.filePath(QStringLiteral("race%1.pdf").arg(round));
        const QStringList arguments = ThreeWeeks + QStringList{"--pdf", target, "--quiet"};
        const std::vector<Outcome> runs = runTogether({arguments, arguments}, {{}, {}});
        std::vector<int> codes{runs[0].exitCode, runs[1].exitCode};
        std::sort(codes.begin(), codes.end());
        EXPECT_EQ(codes, (std::vector<int>{0, 3})) << round << "\n" << shown(runs[0]) << "\n" << shown(runs[1]);
        const Outcome& loser = runs[0].exitCode == 3 ? runs[0] : runs[1];
        EXPECT_TRUE(loser.err.contains("File exists") || loser.err.contains("exists already")) << shown(loser);
        EXPECT_TRUE(isWholePdf(testfiles::readFile(target))) << round;
    }
    EXPECT_EQ(folderEntries(folder.path()).size(), 5) << folderEntries(folder.path()).join(' ').toStdString();
}

// What stands at the target and is not a file is never replaced, even with
// --force, and the message says what it is; a link is written through and
// stays; one file named twice is refused before anything is written.
TEST(CommandLine, OddTargetsAreRefusedOrWrittenThroughAsTheyAre)
{
    QTemporaryDir folder;
    const QDir here(folder.path());
    const auto type = [&](const QString& name) {
        struct stat info {};
        return ::lstat(QFile::encodeName(here.filePath(name)).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0u;
    };

    // A character device of the test's own (where it may be made: as root),
    // the same one as /dev/full, a FIFO, a socket and a folder.
    struct Node {
        QString name;
        QString what;
        mode_t type;
    };
    std::vector<Node> nodes{{"fifo.pdf", "it is a named pipe (FIFO), not a file", S_IFIFO},
                            {"socket.pdf", "it is a socket, not a file", S_IFSOCK},
                            {"folder.pdf", "it is a folder, not a file", S_IFDIR}};
    if (::mknod(QFile::encodeName(here.filePath("device.pdf")).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0)
        nodes.push_back({"device.pdf", "it is a character device, not a file", S_IFCHR});
    else
        std::cout << "no character device made here (not root), so no row for one\n";
    ASSERT_EQ(::mkfifo(QFile::encodeName(here.filePath("fifo.pdf")).constData(), 0644), 0);
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listening, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(here.filePath("socket.pdf"));
    ASSERT_LT(size_t(socketPath.size()), sizeof address.sun_path);
    std::strcpy(address.sun_path, socketPath.constData());
    ASSERT_EQ(::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_TRUE(here.mkdir("folder.pdf"));
    for (const Node& node : nodes) {
        for (const QString option : {"--pdf", "--save"}) {
            for (const QStringList& force : {QStringList{"--force"}, QStringList()}) {
                const Outcome run = dorvane(ThreeWeeks + QStringList{option, here.filePath(node.name), "--quiet"} + force);
                EXPECT_EQ(run.exitCode, 3) << node.name.toStdString() << shown(run);
                EXPECT_TRUE(run.err.contains(node.name + ": " + node.what)) << shown(run);
                EXPECT_EQ(type(node.name), node.type) << node.name.toStdString();
            }
        }
    }
    ::close(listening);
    EXPECT_EQ(folderEntries(folder.path()).size(), qsizetype(nodes.size())) << folderEntries(folder.path()).join(' ').toStdString();

    // A link to a file of mode 0640: the link stays, the file is replaced whole and keeps its mode.
    const QString real = here.filePath("real.pdf");
    ASSERT_TRUE(testfiles::writeFile(real, "last year's planner"));
    ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link("real.pdf", here.filePath("link.pdf")));
    const Outcome through = dorvane(ThreeWeeks + QStringList{"--pdf", here.filePath("link.pdf"), "--force", "--quiet"});
    EXPECT_EQ(through.exitCode, 0) << shown(through);
    EXPECT_EQ(type("link.pdf"), mode_t(S_IFLNK));
    EXPECT_TRUE(isWholePdf(testfiles::readFile(real)));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, mode_t(0640));

    // One file named twice: by one name, through a link, by a hard link; forced or not.
    ASSERT_TRUE(QFile::link("twice.out", here.filePath("twice-link.out")));
    ASSERT_TRUE(testfiles::writeFile(here.filePath("hard.out"), "kept"));
    ASSERT_EQ(::link(QFile::encodeName(here.filePath("hard.out")).constData(),
                     QFile::encodeName(here.filePath("hard-too.out")).constData()), 0);
    QStringList before = folderEntries(folder.path());
    const QStringList pairs[] = {{"twice.out", "twice.out"}, {"twice-link.out", "twice.out"},
                                 {"hard.out", "hard-too.out"}, {"-", "-"}};
    for (const QStringList& pair : pairs) {
        for (const QStringList& force : {QStringList(), QStringList{"--force"}}) {
            const Outcome run = dorvane(ThreeWeeks + QStringList{"--save", pair[0], "--pdf", pair[1], "--quiet"} + force,
                                        {}, {"LC_ALL=C.UTF-8"}, inFolder(folder.path()));
            EXPECT_EQ(run.exitCode, 1) << pair.join(' ').toStdString() << shown(run);
            EXPECT_TRUE(run.err.startsWith("dorvane: --save and --pdf name the same file, " + pair[1])) << shown(run);
            EXPECT_TRUE(run.bytes.isEmpty()) << shown(run);
            EXPECT_EQ(folderEntries(folder.path()), before);
        }
    }
    EXPECT_EQ(testfiles::readFile(here.filePath("hard.out")), "kept");
}

// A reader of standard output that has gone (the read end of the pipe is
// closed) or a full device there cost no file and hide no failure: the
// summary's write is a warning.
TEST(CommandLine, AStandardOutputThatFailsIsAWarningAfterTheFiles)
{
    QTemporaryDir folder;
    int ends[2];
    ASSERT_EQ(::pipe2(ends, O_CLOEXEC), 0);
    ::close(ends[0]);
    const QString piped = folder.filePath("piped.doc");
    Launch closedPipe;
    closedPipe.outputFd = ends[1];
    const Outcome gone = dorvane(ThreeWeeks + QStringList{"--save", piped}, {}, {"LC_ALL=C.UTF-8"}, closedPipe);
    ::close(ends[1]);
    EXPECT_EQ(gone.exitCode, 0) << shown(gone);
    EXPECT_TRUE(isWholeZip(testfiles::readFile(piped)));
    EXPECT_TRUE(gone.err.contains("dorvane: The import summary could not be written: Broken pipe")) << shown(gone);

    // Only ever opened as standard output here, which cannot replace it.
    Launch full;
    full.outputFile = "/dev/full";
    const QString filled = folder.filePath("full.doc");
    const Outcome written = dorvane(ThreeWeeks + QStringList{"--save", filled}, {}, {"LC_ALL=C.UTF-8"}, full);
    EXPECT_EQ(written.exitCode, 0) << shown(written);
    EXPECT_TRUE(isWholeZip(testfiles::readFile(filled)));
    EXPECT_TRUE(written.err.contains("dorvane: The import summary could not be written: No space left on device"))
        << shown(written);
    const Outcome failed =
        dorvane(ThreeWeeks + QStringList{"--save", folder.filePath("missing/full.doc")}, {}, {"LC_ALL=C.UTF-8"}, full);
    EXPECT_EQ(failed.exitCode, 3) << shown(failed);
}

// "-" is standard output for --save and --pdf; the summary then goes to
// standard error, and no file named "-" is made.
TEST(CommandLine, ADashIsStandardOutput)
{
    QTemporaryDir folder;
    const Outcome pdf = dorvane(ThreeWeeks + QStringList{"--pdf", "-"}, {}, {"LC_ALL=C.UTF-8"}, inFolder(folder.path()));
    EXPECT_EQ(pdf.exitCode, 0) << pdf.err.toStdString();
    EXPECT_TRUE(isWholePdf(pdf.bytes)) << pdf.bytes.left(100).toStdString();
    EXPECT_TRUE(pdf.err.contains(heading(exampleWeeks()[0]))) << pdf.err.toStdString();
    const Outcome document =
        dorvane(ThreeWeeks + QStringList{"--save", "-", "--quiet"}, {}, {"LC_ALL=C.UTF-8"}, inFolder(folder.path()));
    EXPECT_EQ(document.exitCode, 0) << document.err.toStdString();
    EXPECT_TRUE(isWholeZip(document.bytes));
    EXPECT_TRUE(document.err.isEmpty()) << document.err.toStdString();
    EXPECT_EQ(folderEntries(folder.path()), QStringList());
}

}  // namespace

// ---- Hours, clock and paper ----

// The word/document.xml of a saved planner, read with Python's zipfile.
QByteArray documentXml(const QString& document)
{
    QByteArray xml;
    const bool read = runProgram("/usr/bin/python3",
                                 {"-c", "import sys, zipfile; sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read('word/document.xml'))",
                                  document},
                                 60000, &xml);
    return read ? xml : QByteArray();
}

// What pdftotext finds, one line per word with its page and place.
QStringList wordLines(const QString& pdf)
{
    QStringList lines;
    for (const pdftools::PdfWord& word : pdftools::readWords(pdf).words)
        lines << QStringLiteral("%1 %2 %3 %4 %5 %6")
                     .arg(word.page).arg(word.xMin, 0, 'f', 6).arg(word.yMin, 0, 'f', 6).arg(word.xMax, 0, 'f', 6)
                     .arg(word.yMax, 0, 'f', 6).arg(word.text);
    return lines;
}

// With the default settings the planner is today's to the byte: the
// document.xml is the one the program made before it had settings, and the
// words of the PDF are where they stood then but for the rows' heights and
// the glyphs' advances, measured since as LibreOffice measures them, and
// their places, set since in whole reference-device dots rather than in
// 64ths of a pixel (both kept in tests/cli/data, made from the example
// week), on Letter under English (US) and on A4 in the C locale.
TEST(CommandLine, DefaultSettingsMakeTodaysPlannerToTheByte)
{
    if (QProcess::execute("/usr/bin/python3", {"-c", "import zipfile"}) != 0)
        GTEST_SKIP() << "no /usr/bin/python3";
    QTemporaryDir folder;
    for (const QString locale : {"en_US", "C"}) {
        const QString document = folder.filePath(locale + ".docx");
        const QString pdf = folder.filePath(locale + ".pdf");
        const Outcome run = dorvane({"--import", Example, "--week", "2026-12-09", "--save", document, "--pdf", pdf},
                                    {}, {"LC_ALL=" + locale + ".UTF-8"});
        ASSERT_EQ(run.exitCode, 0) << shown(run);
        const QString reference = QStringLiteral(DORVANE_CLASSIC_PLANNERS "/classic-") + locale;
        QFile xml(reference + ".document.xml");
        ASSERT_TRUE(xml.open(QIODevice::ReadOnly)) << xml.fileName().toStdString();
        EXPECT_TRUE(documentXml(document) == xml.readAll()) << locale.toStdString();
        QFile words(reference + ".words");
        ASSERT_TRUE(words.open(QIODevice::ReadOnly | QIODevice::Text)) << words.fileName().toStdString();
        EXPECT_EQ(wordLines(pdf).join('\n').toStdString(), QString::fromUtf8(words.readAll()).trimmed().toStdString())
            << locale.toStdString();
    }
}

TEST(CommandLine, BadHoursClockOrPaperAreRefused)
{
    const struct {
        QStringList arguments;
        QString reason;
    } cases[] = {
        {{"--hours", "9-8"}, "--hours \"9-8\" is not a range of hours"},
        {{"--hours", "0-24"}, "--hours \"0-24\" is not a range of hours"},
        {{"--hours", "7"}, "--hours \"7\" is not a range of hours"},
        {{"--clock", "13"}, "--clock \"13\" is not a clock: give 12 or 24."},
        {{"--paper", "a3"}, "--paper \"a3\" is not a paper: give a4, letter or a5."},
        {{"--landscape=yes"}, "Unexpected value after '--landscape'."},
    };
    QTemporaryDir folder;
    const QString pdf = folder.filePath("x.pdf");
    for (const auto& c : cases) {
        const Outcome run = dorvane(QStringList{"--import", Example, "--pdf", pdf} + c.arguments);
        EXPECT_EQ(run.exitCode, 1) << shown(run);
        EXPECT_TRUE(run.err.startsWith("dorvane: " + c.reason)) << shown(run);
        EXPECT_TRUE(run.err.contains("\nUsage: dorvane --import SOURCE [--week DATE]")) << shown(run);
    }
    EXPECT_FALSE(QFile::exists(pdf));
}

// Three settings as python-docx reads them back (the rows of each block,
// the labels of the Time column, the columns filling the page, the page)
// and as LibreOffice prints them: the same number of pages and the same
// words, each on the same page within 2 points of ours. (The 24 hours on A4
// across fill more than a page: rows and lines in whole twips, and the
// grid line under a page's last row, end the pages where LibreOffice does.)
TEST(CommandLine, HoursClockAndPaperShapeTheTableAndThePage)
{
    const struct {
        QStringList options;
        QStringList labels;  // the Time column, top to bottom
        int width, height;   // the page in twips
        int table;           // the table's width in twips
        int timeColumn;      // in twips
    } cases[] = {
        {{"--hours", "0-23", "--clock", "24", "--paper", "a4", "--landscape"},
         {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19",
          "20", "21", "22", "23"},
         16838, 11906, 16838 - 2880, 400},
        {{"--hours", "6-21", "--clock", "12", "--paper", "letter"},
         {"6 am", "7 am", "8 am", "9 am", "10 am", "11 am", "12 pm", "1 pm", "2 pm", "3 pm", "4 pm", "5 pm", "6 pm",
          "7 pm", "8 pm", "9 pm"},
         12240, 15840, 9600, 880},
        {{"--hours", "12-12", "--paper", "a5"}, {"12"}, 8391, 11906, 8391 - 2880, 400},
    };
    if (QProcess::execute("/usr/bin/python3", {"-c", "import docx"}) != 0)
        GTEST_SKIP() << "python-docx is not installed for /usr/bin/python3";
    QTemporaryDir folder;
    int n = 0;
    for (const auto& c : cases) {
        const std::string name = c.options.join(' ').toStdString();
        const QString document = folder.filePath(QStringLiteral("planner%1.docx").arg(++n));
        const QString pdf = folder.filePath(QStringLiteral("ours%1.pdf").arg(n));
        const Outcome run = dorvane(QStringList{"--import", Example, "--week", "2026-12-09", "--save", document, "--pdf",
                                                pdf, "--quiet"} + c.options);
        ASSERT_EQ(run.exitCode, 0) << name << shown(run);

        QByteArray json;
        ASSERT_TRUE(runProgram("/usr/bin/python3", {DORVANE_DOCX_DUMP, document}, 120000, &json)) << json.toStdString();
        const QJsonObject dump = QJsonDocument::fromJson(json).object();
        const QJsonObject page = dump["page"].toObject();
        EXPECT_EQ(page["width"].toInt(), c.width) << name;
        EXPECT_EQ(page["height"].toInt(), c.height) << name;
        EXPECT_EQ(page["landscape"].toBool(), c.width > c.height) << name;
        const QJsonObject table = dump["tables"].toArray().first().toObject();
        int tableWidth = 0;
        for (const QJsonValue column : table["grid"].toArray())
            tableWidth += column.toInt();
        EXPECT_EQ(tableWidth, c.table) << name;
        EXPECT_EQ(table["grid"].toArray()[2].toInt(), c.timeColumn) << name;
        const QJsonArray rows = table["rows"].toArray();
        const int perBlock = 2 + int(c.labels.size());
        ASSERT_EQ(rows.size(), 3 * perBlock) << name;
        for (int block = 0; block < 3; ++block) {
            // The merged heading cells and the column titles open each block.
            const QJsonArray headingRow = rows[block * perBlock].toArray();
            ASSERT_EQ(headingRow.size(), 3) << name;
            EXPECT_EQ(headingRow[0].toObject()["span"].toInt(), 2) << name;
            EXPECT_EQ(rows[block * perBlock + 1].toArray()[1].toObject()["text"].toString(), "Name") << name;
            QStringList labels;
            for (int row = 0; row < c.labels.size(); ++row)
                labels << rows[block * perBlock + 2 + row].toArray()[2].toObject()["text"].toString();
            EXPECT_EQ(labels.join('|').toStdString(), c.labels.join('|').toStdString()) << name << " block " << block;
        }

        if (!libreoffice::installed())
            continue;
        QByteArray log;
        const QString theirs = libreoffice::convert(document, "pdf", folder.path(), &log, 600000);
        ASSERT_FALSE(theirs.isEmpty()) << log.toStdString();
        const pdftools::PdfText reference = pdftools::readWords(theirs);
        const pdftools::PdfText ours = pdftools::readWords(pdf);
        EXPECT_NEAR(ours.pageSize.width(), c.width / 20.0, 0.5) << name;
        EXPECT_NEAR(reference.pageSize.width(), c.width / 20.0, 0.5) << name;
        auto textsOf = [](QList<pdftools::PdfWord> words) {
            QStringList texts;
            for (const pdftools::PdfWord& word : words)
                texts << word.text;
            texts.sort();
            return texts;
        };
        EXPECT_EQ(textsOf(ours.words), textsOf(reference.words)) << name;
        const int pages = ours.words.isEmpty() ? 0 : ours.words.last().page + 1;
        ASSERT_EQ(pdftools::pdfInfo(theirs, "Pages"), QString::number(pages)) << name;
        // Every word of every page where LibreOffice puts it: the rows break
        // into the same pages.
        double worst = 0;
        EXPECT_EQ(pdftools::compareWords(ours.words, reference.words, 2.0, &worst).toStdString(), "") << name;
        std::cout << name << ": " << pages << " pages, " << ours.words.size() << " words, the farthest " << worst
                  << " pt from LibreOffice's\n";
    }
}
