#pragma once

#include <QDate>
#include <QString>

// The example week that "Load Sample/Example Data" writes: a week-number title
// and, on every day page, a fixed run of rows with running numbers and names
// picked from the row and the number. Toolkit-free; the entry window writes
// the result through its own controls.
namespace week {

// Week of the year counted in weeks that begin on Sunday, week 1 holding
// 1 January: 1 to 54 (54 only on 31 December of a leap year that began on a
// Saturday). An invalid date throws std::invalid_argument.
int sundayWeekNumber(const QDate& date);

// "Week #" and the week number of `date`, e.g. "Week #7".
QString sampleWeekTitle(const QDate& date);

// The rows (inclusive, counted from 0) that the example fills on a page.
struct SampleRows {
    int first;
    int last;
};
SampleRows sampleRows(int page);

// The example name for row `row` written with running number `n` (from 1).
QString sampleName(int row, int n);

}  // namespace week
