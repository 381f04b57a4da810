#include "WeekLayout.h"

#include "ImportLimits.h"

#include <QCoreApplication>
#include <QSet>

namespace calendar {

QDate mondayOf(const QDate& day) { return day.addDays(1 - day.dayOfWeek()); }

WeekLayout layOutWeek(const QDate& monday, const std::vector<Appointment>& appointments, const week::HourRange& hours)
{
    WeekLayout week;
    week.monday = monday;
    week.hours = hours;
    for (PageTexts& page : week.pages) {
        page.numbers.resize(std::size_t(hours.count()));
        page.names.resize(std::size_t(hours.count()));
    }
    std::array<int, week::DayPageCount> numbered{};
    QSet<QString> guesses;  // name and guess of those in `guessed`
    for (const Appointment& appointment : appointments) {
        if (!appointment.problem.isEmpty()) {
            week.notPlaced.push_back({appointment, NotPlacedReason::LeftOut});
            continue;
        }
        const qint64 day = monday.daysTo(appointment.date);
        if (day < 0 || day > 6)
            continue;
        if (!appointment.guess.isEmpty()) {
            const QString key = appointment.name + QLatin1Char('\n') + appointment.guess;
            if (!guesses.contains(key)) {
                guesses.insert(key);
                week.guessed.push_back(appointment);
            }
        }
        const int page = std::min<int>(int(day), week::DayPageCount - 1);
        const int row = appointment.time.hour() - hours.first;
        auto refuse = [&](NotPlacedReason reason) { week.notPlaced.push_back({appointment, reason}); };
        if (appointment.allDay) {
            refuse(NotPlacedReason::AllDay);
            continue;
        }
        if (row < 0) {
            refuse(NotPlacedReason::BeforeRows);
            continue;
        }
        if (row >= hours.count()) {
            refuse(NotPlacedReason::AfterRows);
            continue;
        }
        QString name = appointment.name;
        //: %1 is the name of an appointment on Saturday, on the weekend page
        if (day == 5)
            name = QCoreApplication::translate("calendar::WeekLayout", "Sat %1").arg(name);
        //: %1 is the name of an appointment on Sunday, on the weekend page
        else if (day == 6)
            name = QCoreApplication::translate("calendar::WeekLayout", "Sun %1").arg(name);
        QString& names = week.pages[page].names[row];
        QString& numbers = week.pages[page].numbers[row];
        const bool shared = !names.isEmpty();
        if (names.size() + (shared ? 2 : 0) + name.size() > MaxRowLength) {
            refuse(NotPlacedReason::RowFull);
            continue;
        }
        const QString number = QString::number(++numbered[page]);
        names += shared ? QLatin1String("; ") + name : name;
        numbers += shared ? QLatin1String(", ") + number : number;
        ++week.placed;
        if (appointment.shortened)
            ++week.shortened;
    }
    return week;
}

week::Week weekOf(const WeekLayout& layout, const QString& title, week::Clock clock)
{
    week::Week week(layout.hours, clock);
    week.title = title;
    for (int page = 0; page < week::DayPageCount; ++page) {
        week::DayStore::Rows rows(std::size_t(week.rowCount()));
        for (int row = 0; row < week.rowCount(); ++row)
            rows[row] = {week.times[row], layout.pages[page].numbers[row], layout.pages[page].names[row]};
        week.stores[page] = std::make_shared<const week::DayStore>(rows);
    }
    return week;
}

}  // namespace calendar
