#pragma once

#include "week/HourRange.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSize>
#include <QString>

#include <array>
#include <optional>

namespace planner {

// The paper a planner is laid out on.
enum class Paper { A4, Letter, A5 };

// What the user chooses about the planner, in the window ("Planner
// Settings") and on the command line alike: the hours of a day, the clock of
// their labels, the paper and its orientation. No widgets: the window, the
// command line and the generator share it.
//
// The defaults are today's planner: 8 to 17, the clock the locale reads
// (24 hours where its short time has no AM/PM, as in German, French and
// Spanish; 12 hours in English (US) and in the C locale), Letter where the
// locale measures in US units, A4 elsewhere, portrait.
struct PlannerSettings {
    Q_DECLARE_TR_FUNCTIONS(planner::PlannerSettings)

public:
    week::HourRange hours = week::ClassicHours;
    week::Clock clock = week::Clock::TwelveHour;
    Paper paper = Paper::Letter;
    bool landscape = false;

    static PlannerSettings defaults(const QLocale& locale = QLocale());
    static week::Clock defaultClock(const QLocale& locale = QLocale());
    static Paper defaultPaper(const QLocale& locale = QLocale());

    // The settings remembered in the program's settings (QSettings, group
    // "planner"); what is missing or unreadable there is the default.
    static PlannerSettings load(const QLocale& locale = QLocale());
    // Remembers them for the next run.
    void save() const;

    // The page in twips, width and height as the orientation turns them.
    QSize pageTwips() const;
    // True when the page is the one a new document of `locale` has (the
    // default paper, portrait): the generator then leaves the page alone.
    bool keepsNewDocumentPage(const QLocale& locale = QLocale()) const;
    // The five column widths of the planner's table in points: number,
    // name, time, name, number. The table fills the text width of the page
    // (one-inch margins), but is 480 points wide (today's 50, 180, 20, 180,
    // 50) where the text width is less and 480 points still leave half an
    // inch of the page on the right, as on A4 and Letter upright. The time
    // column is 20 points for plain numbers and 44, enough for "12 pm",
    // where the labels carry am and pm; the number columns are 50 points,
    // for their title, and the name columns share the rest.
    std::array<double, 5> columnWidths() const;

    // The labels of the rows, top to bottom.
    QStringList hourLabels() const { return week::hourLabels(hours, clock); }

    // The command line's spellings: "7-19" (0 to 23, first not after last),
    // "12" or "24", "a4", "letter" or "a5" (any case). Nothing for another text.
    static std::optional<week::HourRange> parseHours(const QString& text);
    static std::optional<week::Clock> parseClock(const QString& text);
    static std::optional<Paper> parsePaper(const QString& text);

    // "A4", "Letter", "A5", as the dialog offers them.
    static QString paperName(Paper paper);

    friend bool operator==(const PlannerSettings&, const PlannerSettings&) = default;
};

}  // namespace planner
