#include "DayStore.h"

#include <stdexcept>

namespace week {

QString dayTabCaption(int page)
{
    static const char* const captions[DayPageCount] = {"Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Sat/Sun"};
    if (page < 0 || page >= DayPageCount)
        throw std::out_of_range("day page " + std::to_string(page) + " does not exist");
    return QString::fromLatin1(captions[page]);
}

QString defaultHourText(int row)
{
    const int hour = row + 8;
    return QString::number(hour <= 12 ? hour : row - 4);
}

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

DayStore DayStore::blank()
{
    Rows rows;
    for (int row = 0; row < RowCount; ++row)
        rows[row].time = defaultHourText(row);
    return DayStore(rows);
}

const EntryFields& DayStore::entry(int row) const
{
    if (row < 0 || row >= RowCount)
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
