#pragma once

#include "calendar/WeekLayout.h"
#include "planner/PlannerSettings.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace cli {

// What a command-line run is asked to do, as read from its arguments.
struct BatchRequest {
    QString source;        // the calendar file
    QDate firstMonday;     // Monday of the first week
    int weeks = 1;         // consecutive weeks, 1 to MaxWeeks
    QString title;         // empty: each week's Monday as the import writes it
    QString saveFile;      // Word document; empty: none
    QString pdfFile;       // PDF; empty: none
    bool print = false;
    QString printer;       // queue; empty: the system's default
    bool force = false;    // replace existing output files
    bool quiet = false;    // no import summary on standard output
    // Hours, clock and paper: the defaults, but for what --hours, --clock,
    // --paper and --landscape say. The window's remembered settings do not
    // count, so that a run gives the same planner wherever it runs.
    planner::PlannerSettings settings = planner::PlannerSettings::defaults();
};

inline constexpr int MaxWeeks = calendar::MaxWeeks;

// Exit statuses of a command-line run.
enum ExitStatus { Done = 0, BadArguments = 1, CalendarUnreadable = 2, NotWritten = 3 };

// The one-line synopsis, "Usage: dorvane --import SOURCE [--week DATE] ...".
QString usageLine();
// What --help prints: the synopsis, every option, the exit statuses.
QString helpText();

// The command line read. Exactly one of them is set: a request to run, the
// text that --help or --version prints, or the message of bad arguments
// (without the "dorvane: " prefix; the caller adds the usage line).
struct CommandLine {
    std::optional<BatchRequest> request;
    QString answer;
    QString error;

    // `arguments` as main() gets them, the program's name first; `today`
    // decides "this" and "next" and the default week.
    static CommandLine parse(const QStringList& arguments, const QDate& today, const QString& version);
};

// True when the program is to run without a window: any argument is an
// option ("-..."). A plain file name alone, or nothing, opens the window.
bool wantsCommandLineRun(int argc, const char* const* argv);

}  // namespace cli
