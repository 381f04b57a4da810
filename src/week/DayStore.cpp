#include "DayStore.h"

#include "HourRange.h"

#include <stdexcept>

namespace week {

namespace {

// `weekday` 1 Monday ... 7 Sunday.
QString dayName(int weekday, QLocale::FormatType length, const QLocale& locale)
{
    QString name = locale.standaloneDayName(weekday, length);
    if (!name.isEmpty())
        name.replace(0, 1, locale.toUpper(name.left(1)));
    return name;
}

QString pageName(int page, QLocale::FormatType weekendLength, const QLocale& locale)
{
    if (page < 0 || page >= DayPageCount)
        throw std::out_of_range("day page " + std::to_string(page) + " does not exist");
    if (page < DayPageCount - 1)
        return dayName(page + 1, QLocale::LongFormat, locale);
    return dayName(6, weekendLength, locale) + QLatin1Char('/') + dayName(7, weekendLength, locale);
}

}  // namespace

QString dayTabCaption(int page, const QLocale& locale) { return pageName(page, QLocale::ShortFormat, locale); }

QString dayHeading(int page, const QLocale& locale) { return pageName(page, QLocale::LongFormat, locale); }

QString defaultHourText(int row) { return hourLabel(ClassicHours.hour(row), ClassicHours, Clock::TwelveHour); }

QString joinEntryLine(const EntryFields& fields)
{
    return fields.time + QLatin1Char(',') + fields.number + QLatin1Char(',') + fields.name;
}

EntryFields splitEntryLine(const QString& line)
{
    const QStringList parts = line.split(QLatin1Char(','));
    EntryFields fields;
    fields.time = parts.value(0);
    fields.number = parts.value(1);
    fields.name = parts.value(2);
    return fields;
}

DayStore::DayStore(const Rows& rows) : m_rows(rows)
{
    if (m_rows.empty() || m_rows.size() > std::size_t(MaxRowCount))
        throw std::invalid_argument("a day has 1 to 24 rows, not " + std::to_string(m_rows.size()));
}

DayStore DayStore::blank()
{
    Rows rows;
    for (int row = 0; row < RowCount; ++row)
        rows[row].time = defaultHourText(row);
    return DayStore(rows);
}

DayStore DayStore::blank(const QStringList& times)
{
    Rows rows(std::size_t(times.size()));
    for (int row = 0; row < int(times.size()); ++row)
        rows[row].time = times[row];
    return DayStore(rows);
}

const EntryFields& DayStore::entry(int row) const
{
    if (row < 0 || row >= rowCount())
        throw std::out_of_range("row " + std::to_string(row) + " does not exist");
    return m_rows[row];
}

QStringList DayStore::entryLines() const
{
    QStringList lines;
    for (const EntryFields& fields : m_rows)
        lines << joinEntryLine(fields);
    return lines;
}

}  // namespace week
