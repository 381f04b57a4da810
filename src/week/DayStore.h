#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// The week as the entry window keeps it, free of any window toolkit.
//
// A week has six day pages (0 Monday ... 4 Friday, 5 Saturday and Sunday) and
// ten rows per page (0 at the top). Each row is a time, a number and a name,
// all free text. While another page is shown, a page's rows live in its
// DayStore.
namespace week {

inline constexpr int DayPageCount = 6;
inline constexpr int RowCount = 10;

// The most rows a page has: one for every hour of the day.
inline constexpr int MaxRowCount = 24;

// The names of the days come from `locale`, its first letter a capital even
// where the language writes day names in lower case (a caption begins a line).
// English is the default.
inline const QLocale EnglishDays{QLocale::English, QLocale::UnitedStates};

// The caption of a day page's tab: "Monday", "Tuesday", "Wednesday",
// "Thursday", "Friday", "Sat/Sun" (the short names).
QString dayTabCaption(int page, const QLocale& locale = EnglishDays);

// The heading of a day in the planner: as the tab, but "Saturday/Sunday"
// (the long names).
QString dayHeading(int page, const QLocale& locale = EnglishDays);

// The hour a row stands for, as a plain whole number: rows 0 to 9 read
// "8", "9", "10", "11", "12", "1", "2", "3", "4", "5".
QString defaultHourText(int row);

// One row of a day page.
struct EntryFields {
    QString time;
    QString number;
    QString name;

    friend bool operator==(const EntryFields&, const EntryFields&) = default;
};

// The classic entry line "time,number,name": fields joined with commas, nothing
// added or trimmed ("8,,", "9,2,Lunch").
QString joinEntryLine(const EntryFields& fields);

// Splits an entry line at every comma: field 0 is the time, 1 the number, 2 the
// name; missing fields are empty, further fields are ignored. A comma inside a
// field cannot be told from a separator here, which is why a DayStore keeps
// fields rather than lines.
EntryFields splitEntryLine(const QString& line);

// The rows of one day page, one for each hour its week shows (ten for the
// classic 8 to 5, 1 to MaxRowCount in all), kept field by field so that a
// comma typed into a number or a name comes back intact. A store is built
// whole from the rows and never changed afterwards; the entry window replaces
// it as a whole.
class DayStore {
public:
    // The rows of a page, top to bottom. Made without a count it holds the
    // ten rows of the classic hours.
    struct Rows : std::vector<EntryFields> {
        Rows() : std::vector<EntryFields>(RowCount) {}
        explicit Rows(std::size_t count) : std::vector<EntryFields>(count) {}
    };

    // Throws std::invalid_argument for no rows or more than MaxRowCount.
    explicit DayStore(const Rows& rows);

    // The ten rows of a page nobody typed into: hour texts, blank number and name.
    static DayStore blank();
    // The rows of a page nobody typed into, one for each of `times`.
    static DayStore blank(const QStringList& times);

    int rowCount() const { return int(m_rows.size()); }

    // Row `row` (0 to rowCount() - 1); out of range throws std::out_of_range.
    const EntryFields& entry(int row) const;
    const QString& time(int row) const { return entry(row).time; }
    const QString& number(int row) const { return entry(row).number; }
    const QString& name(int row) const { return entry(row).name; }

    // Entry line `row` in the classic "time,number,name" form. Exact for
    // rows without commas in their fields; read a field through time(),
    // number() and name(), never by splitting this line.
    QString entryLine(int row) const { return joinEntryLine(entry(row)); }
    QStringList entryLines() const;

    const Rows& rows() const { return m_rows; }

    friend bool operator==(const DayStore&, const DayStore&) = default;

private:
    Rows m_rows;
};

}  // namespace week
