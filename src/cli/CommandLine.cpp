#include "cli/CommandLine.h"

#include "calendar/WeekLayout.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstring>

namespace cli {

QString usageLine()
{
    //: Option names (--import) and value names in capitals (SOURCE) are typed as they are
    return QCoreApplication::translate(
        "cli::CommandLine",
        "Usage: dorvane --import SOURCE [--week DATE] [--weeks N] [--title TEXT] [--save FILE] "
        "[--pdf FILE] [--print [--printer NAME]] [--force] [--quiet] [--hours A-B] [--clock 12|24] "
        "[--paper a4|letter|a5 [--landscape]]");
}

QString helpText()
{
    //: Follows the usage line; option names (--week) and the words "this" and "next" are typed as they are
    return usageLine() + QCoreApplication::translate("cli::CommandLine", R"(
       dorvane [FILE]

Makes weekly planners in Word format. With no options Dorvane opens its
window, importing the calendar FILE when one is given. With --import it
makes the planners of one or more weeks from a calendar without any window
and without a display.

  --import SOURCE   iCalendar file to take the appointments from.
  --week DATE       Any day of the first week: a date (YYYY-MM-DD), "this" or
                    "next". Default: this week.
  --weeks N         Number of consecutive weeks, 1 to 53. Default: 1.
  --title TEXT      Title of the planner (one week only). Default: the week's
                    Monday, as the import writes it.
  --save FILE       Write one Word document, one week per page.
  --pdf FILE        Write one PDF, one page per week.
  --print           Print all weeks as one job.
  --printer NAME    The printer (CUPS queue) for --print. Default: the
                    system's default printer.
  --force           Replace output files that exist already.
  --quiet           Leave out the import summary.
  --hours A-B       The hours of a day, from A to B (0 to 23), one row each.
                    Default: 8-17.
  --clock 12|24     Hour labels on the 12-hour or the 24-hour clock.
                    Default: as the locale writes times.
  --paper a4|letter|a5
                    The paper. Default: Letter in the United States, A4
                    elsewhere.
  --landscape       The paper on its side.
  -h, --help        Show this help.
  -v, --version     Show the version.

At least one of --save, --pdf and --print is needed. Files are written
whole or not at all. A FILE of - is standard output. The import summary
goes to standard output (to standard error when a FILE is -), errors to
standard error.

Exit status: 0 done; 1 bad arguments; 2 the calendar could not be read;
3 a file could not be written or the job could not be printed.
)");
}

namespace {

// --hours, --clock, --paper and --landscape into `settings`; the message of
// the first bad value, or an empty string.
QString readPlannerOptions(const QCommandLineParser& parser, planner::PlannerSettings& settings)
{
    using planner::PlannerSettings;
    if (parser.isSet(QStringLiteral("hours"))) {
        const QString value = parser.value(QStringLiteral("hours"));
        const auto hours = PlannerSettings::parseHours(value);
        if (!hours)
            return QCoreApplication::translate(
                       "cli::CommandLine", "--hours \"%1\" is not a range of hours: give A-B, from 0 to 23, such as 7-19.")
                .arg(value);
        settings.hours = *hours;
    }
    if (parser.isSet(QStringLiteral("clock"))) {
        const QString value = parser.value(QStringLiteral("clock"));
        const auto clock = PlannerSettings::parseClock(value);
        if (!clock)
            return QCoreApplication::translate("cli::CommandLine", "--clock \"%1\" is not a clock: give 12 or 24.").arg(value);
        settings.clock = *clock;
    }
    if (parser.isSet(QStringLiteral("paper"))) {
        const QString value = parser.value(QStringLiteral("paper"));
        const auto paper = PlannerSettings::parsePaper(value);
        if (!paper)
            return QCoreApplication::translate("cli::CommandLine",
                                               "--paper \"%1\" is not a paper: give a4, letter or a5.")
                .arg(value);
        settings.paper = *paper;
    }
    settings.landscape = parser.isSet(QStringLiteral("landscape"));
    return {};
}

std::optional<QDate> dayOf(const QString& text, const QDate& today)
{
    if (text == QLatin1String("this"))
        return today;
    if (text == QLatin1String("next"))
        return today.addDays(7);
    const QDate day = QDate::fromString(text, Qt::ISODate);
    if (!day.isValid())
        return std::nullopt;
    return day;
}

}  // namespace

CommandLine CommandLine::parse(const QStringList& arguments, const QDate& today, const QString& version)
{
    QCommandLineParser parser;
    const QCommandLineOption import(QStringLiteral("import"), {}, QStringLiteral("SOURCE"));
    const QCommandLineOption week(QStringLiteral("week"), {}, QStringLiteral("DATE"));
    const QCommandLineOption weeks(QStringLiteral("weeks"), {}, QStringLiteral("N"));
    const QCommandLineOption title(QStringLiteral("title"), {}, QStringLiteral("TEXT"));
    const QCommandLineOption save(QStringLiteral("save"), {}, QStringLiteral("FILE"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), {}, QStringLiteral("FILE"));
    const QCommandLineOption print(QStringLiteral("print"));
    const QCommandLineOption printer(QStringLiteral("printer"), {}, QStringLiteral("NAME"));
    const QCommandLineOption force(QStringLiteral("force"));
    const QCommandLineOption quiet(QStringLiteral("quiet"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption showVersion(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({import, week, weeks, title, save, pdf, print, printer, force, quiet, help, showVersion});
    parser.addOptions({QCommandLineOption(QStringLiteral("hours"), {}, QStringLiteral("A-B")),
                       QCommandLineOption(QStringLiteral("clock"), {}, QStringLiteral("12|24")),
                       QCommandLineOption(QStringLiteral("paper"), {}, QStringLiteral("PAPER")),
                       QCommandLineOption(QStringLiteral("landscape"))});

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(help)) {
        result.answer = helpText();
        return result;
    }
    if (parser.isSet(showVersion)) {
        result.answer = QStringLiteral("dorvane ") + version + QLatin1Char('\n');
        return result;
    }
    // Each option once: a second value would silently win over the first.
    for (const QString& name : parser.optionNames()) {
        if (parser.optionNames().count(name) > 1) {
            result.error = QCoreApplication::translate("cli::CommandLine", "--%1 is given more than once.").arg(name);
            return result;
        }
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error = QCoreApplication::translate("cli::CommandLine", "Unexpected argument \"%1\".")
                           .arg(parser.positionalArguments().first());
        return result;
    }

    BatchRequest request;
    request.source = parser.value(import);
    if (!parser.isSet(import) || request.source.isEmpty()) {
        result.error = QCoreApplication::translate(
            "cli::CommandLine", "--import SOURCE is needed: the calendar to make the planners from.");
        return result;
    }
    QDate day = today;
    if (parser.isSet(week)) {
        const std::optional<QDate> given = dayOf(parser.value(week), today);
        if (!given) {
            result.error = QCoreApplication::translate("cli::CommandLine",
                                                       "--week \"%1\" is not a date: give YYYY-MM-DD, this or next.")
                               .arg(parser.value(week));
            return result;
        }
        day = *given;
    }
    request.firstMonday = calendar::mondayOf(day);
    if (parser.isSet(weeks)) {
        bool number = false;
        request.weeks = parser.value(weeks).toInt(&number);
        if (!number || request.weeks < 1 || request.weeks > MaxWeeks) {
            result.error =
                QCoreApplication::translate("cli::CommandLine", "--weeks \"%1\" is not a number of weeks from 1 to %2.")
                    .arg(parser.value(weeks))
                    .arg(MaxWeeks);
            return result;
        }
    }
    if (parser.isSet(title)) {
        if (request.weeks > 1) {
            result.error = QCoreApplication::translate(
                "cli::CommandLine", "--title is for a single week; several weeks are titled by their Mondays.");
            return result;
        }
        request.title = parser.value(title);
    }
    request.saveFile = parser.value(save);
    request.pdfFile = parser.value(pdf);
    request.print = parser.isSet(print);
    if ((parser.isSet(save) && request.saveFile.isEmpty()) || (parser.isSet(pdf) && request.pdfFile.isEmpty())) {
        result.error = QCoreApplication::translate("cli::CommandLine", "--save and --pdf need a file name.");
        return result;
    }
    if (parser.isSet(printer)) {
        if (!request.print) {
            result.error = QCoreApplication::translate("cli::CommandLine", "--printer goes with --print.");
            return result;
        }
        request.printer = parser.value(printer);
    }
    if (request.saveFile.isEmpty() && request.pdfFile.isEmpty() && !request.print) {
        result.error = QCoreApplication::translate("cli::CommandLine",
                                                   "Nothing to make: give --save FILE, --pdf FILE or --print.");
        return result;
    }
    if (const QString bad = readPlannerOptions(parser, request.settings); !bad.isEmpty()) {
        result.error = bad;
        return result;
    }
    request.force = parser.isSet(force);
    request.quiet = parser.isSet(quiet);
    result.request = request;
    return result;
}

bool wantsCommandLineRun(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-')
            return true;
    }
    return false;
}

}  // namespace cli
