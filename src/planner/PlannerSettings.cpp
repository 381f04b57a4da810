#include "PlannerSettings.h"

#include <QRegularExpression>
#include <QSettings>

namespace planner {
namespace {

// Where the program's settings keep them.
const char* const FirstHourKey = "planner/firstHour";
const char* const LastHourKey = "planner/lastHour";
const char* const ClockKey = "planner/clock";
const char* const PaperKey = "planner/paper";
const char* const LandscapeKey = "planner/landscape";

constexpr int MarginTwips = 1440;         // one inch each side, as a new document has them
constexpr int ClassicTableTwips = 9600;   // 480 points
constexpr int NarrowestRightTwips = 720;  // half an inch
constexpr int PlainTimeTwips = 400;       // 20 points: "10", "23"
constexpr int HalfDayTimeTwips = 880;     // 44 points: "12 pm" in bold 10 points, with the cell's margins
constexpr int NumberTwips = 1000;         // 50 points: "Number" on one line at 10 points

// Upright paper in twips, as Word measures it.
QSize uprightTwips(Paper paper)
{
    switch (paper) {
    case Paper::A4: return {11906, 16838};
    case Paper::Letter: return {12240, 15840};
    case Paper::A5: return {8391, 11906};
    }
    return {11906, 16838};
}

// The command line's and the settings' spelling: "a4", "letter", "a5".
QString paperKeyword(Paper paper)
{
    switch (paper) {
    case Paper::A4: return QStringLiteral("a4");
    case Paper::Letter: return QStringLiteral("letter");
    case Paper::A5: return QStringLiteral("a5");
    }
    return {};
}

QString clockKeyword(week::Clock clock)
{
    return clock == week::Clock::TwelveHour ? QStringLiteral("12") : QStringLiteral("24");
}

}  // namespace

week::Clock PlannerSettings::defaultClock(const QLocale& locale)
{
    if (locale.language() == QLocale::C)
        return week::Clock::TwelveHour;
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    return format.contains(QLatin1Char('a'), Qt::CaseInsensitive) ? week::Clock::TwelveHour
                                                                  : week::Clock::TwentyFourHour;
}

Paper PlannerSettings::defaultPaper(const QLocale& locale)
{
    // As a new document's page: word::model::PageSetup::forLocale.
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? Paper::Letter : Paper::A4;
}

PlannerSettings PlannerSettings::defaults(const QLocale& locale)
{
    PlannerSettings settings;
    settings.clock = defaultClock(locale);
    settings.paper = defaultPaper(locale);
    return settings;
}

PlannerSettings PlannerSettings::load(const QLocale& locale)
{
    PlannerSettings settings = defaults(locale);
    const QSettings stored;
    bool firstRead = false, lastRead = false;
    const week::HourRange hours{stored.value(QLatin1String(FirstHourKey)).toInt(&firstRead),
                                stored.value(QLatin1String(LastHourKey)).toInt(&lastRead)};
    if (firstRead && lastRead && hours.isValid())
        settings.hours = hours;
    if (const auto clock = parseClock(stored.value(QLatin1String(ClockKey)).toString()))
        settings.clock = *clock;
    if (const auto paper = parsePaper(stored.value(QLatin1String(PaperKey)).toString()))
        settings.paper = *paper;
    settings.landscape = stored.value(QLatin1String(LandscapeKey), false).toBool();
    return settings;
}

void PlannerSettings::save() const
{
    QSettings stored;
    stored.setValue(QLatin1String(FirstHourKey), hours.first);
    stored.setValue(QLatin1String(LastHourKey), hours.last);
    stored.setValue(QLatin1String(ClockKey), clockKeyword(clock));
    stored.setValue(QLatin1String(PaperKey), paperKeyword(paper));
    stored.setValue(QLatin1String(LandscapeKey), landscape);
}

QSize PlannerSettings::pageTwips() const
{
    const QSize upright = uprightTwips(paper);
    return landscape ? upright.transposed() : upright;
}

bool PlannerSettings::keepsNewDocumentPage(const QLocale& locale) const
{
    return paper == defaultPaper(locale) && !landscape;
}

std::array<double, 5> PlannerSettings::columnWidths() const
{
    const int pageWidth = pageTwips().width();
    const int textWidth = pageWidth - 2 * MarginTwips;
    const bool classicFits = pageWidth - MarginTwips - ClassicTableTwips >= NarrowestRightTwips;
    const int table = textWidth < ClassicTableTwips && classicFits ? ClassicTableTwips : textWidth;
    const bool halfDays = clock == week::Clock::TwelveHour && week::marksHalfDays(hours);
    const int time = halfDays ? HalfDayTimeTwips : PlainTimeTwips;
    const int name = (table - time - 2 * NumberTwips) / 2;
    // An odd twip goes to the first name column, so the table is as wide as meant.
    const int firstName = table - time - 2 * NumberTwips - name;
    auto points = [](int twips) { return twips / 20.0; };
    return {points(NumberTwips), points(firstName), points(time), points(name), points(NumberTwips)};
}

std::optional<week::HourRange> PlannerSettings::parseHours(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})-(\\d{1,2})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const week::HourRange hours{match.captured(1).toInt(), match.captured(2).toInt()};
    if (!hours.isValid())
        return std::nullopt;
    return hours;
}

std::optional<week::Clock> PlannerSettings::parseClock(const QString& text)
{
    for (week::Clock clock : {week::Clock::TwelveHour, week::Clock::TwentyFourHour}) {
        if (text.trimmed() == clockKeyword(clock))
            return clock;
    }
    return std::nullopt;
}

std::optional<Paper> PlannerSettings::parsePaper(const QString& text)
{
    for (Paper paper : {Paper::A4, Paper::Letter, Paper::A5}) {
        if (text.trimmed().compare(paperKeyword(paper), Qt::CaseInsensitive) == 0)
            return paper;
    }
    return std::nullopt;
}

QString PlannerSettings::paperName(Paper paper)
{
    switch (paper) {
    case Paper::A4: return QStringLiteral("A4");
    case Paper::Letter:
        //: The paper size of North America, 8.5 by 11 inches
        return tr("Letter");
    case Paper::A5: return QStringLiteral("A5");
    }
    return {};
}

}  // namespace planner
