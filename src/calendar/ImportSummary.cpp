#include "ImportSummary.h"

#include "ImportLimits.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>

namespace calendar {
namespace {

// The hours are named as numbers of the 24-hour clock: "8 o'clock", "18 o'clock".
QString reasonText(const NotPlaced& entry, const week::HourRange& hours)
{
    switch (entry.reason) {
    case NotPlacedReason::AllDay:
        return QCoreApplication::translate("calendar::ImportSummary", "all day, no hour to place it at");
    case NotPlacedReason::BeforeRows:
        //: %1 is the first hour the day pages show, 0 to 23
        return QCoreApplication::translate("calendar::ImportSummary", "starts before %1 o'clock").arg(hours.first);
    case NotPlacedReason::AfterRows:
        // The day pages' own hours keep their words.
        if (hours.last + 1 == 18)
            return QCoreApplication::translate("calendar::ImportSummary", "starts at 6 o'clock in the evening or later");
        //: %1 is the hour after the last one the day pages show, 1 to 23
        return QCoreApplication::translate("calendar::ImportSummary", "starts at %1 o'clock or later").arg(hours.last + 1);
    case NotPlacedReason::RowFull: return QCoreApplication::translate("calendar::ImportSummary", "its row is full");
    case NotPlacedReason::LeftOut: return entry.appointment.problem;
    }
    return {};
}

}  // namespace

QString weekTitle(const QDate& monday, const QLocale& locale)
{
    // The weekday (dddd or ddd) goes, with the commas and blanks that tie it to the rest.
    QString format = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(QStringLiteral("[,\\s]*\\bd{3,4}\\b[,.\\s]*"));
    format.replace(weekday, QStringLiteral(" "));
    return locale.toString(monday, format.trimmed());
}

QString importSummary(const WeekLayout& week, const QLocale& locale)
{
    QString text =
        week.placed == 1
            ? QCoreApplication::translate("calendar::ImportSummary", "Imported 1 appointment.")
            : QCoreApplication::translate("calendar::ImportSummary", "Imported %1 appointments.").arg(week.placed);
    if (week.shortened == 1)
        //: %1 is the longest name the planner takes, in characters
        text += QLatin1Char(' ') + QCoreApplication::translate("calendar::ImportSummary",
                                                               "1 name longer than %1 characters was shortened.")
                                       .arg(MaxNameLength);
    else if (week.shortened > 1)
        //: %2 is the longest name the planner takes, in characters
        text += QLatin1Char(' ') + QCoreApplication::translate("calendar::ImportSummary",
                                                               "%1 names longer than %2 characters were shortened.")
                                       .arg(week.shortened)
                                       .arg(MaxNameLength);
    // The first MaxListedNotPlaced of `entries` under `heading`, each with
    // its date, time, name and what `about` says of it, then how many more.
    auto list = [&](const QString& heading, int count, const auto& at, const auto& about) {
        if (count == 0)
            return;
        text += QLatin1String("\n\n") + heading;
        const int listed = std::min(count, MaxListedNotPlaced);
        for (int i = 0; i < listed; ++i) {
            const Appointment& a = at(i);
            // An event whose start cannot be read is listed by its name alone.
            QString when;
            if (a.date.isValid()) {
                when = locale.toString(a.date, QLocale::ShortFormat);
                if (!a.allDay)
                    when += QLatin1Char(' ') + locale.toString(a.time, QLocale::ShortFormat);
                when += QLatin1String("  ");
            }
            text += QStringLiteral("\n%1%2: %3").arg(when, a.name, about(i));
        }
        if (count > listed)
            text += QLatin1Char('\n')
                  + QCoreApplication::translate("calendar::ImportSummary", "and %1 more").arg(count - listed);
    };
    list(
        QCoreApplication::translate("calendar::ImportSummary", "Not placed:"), int(week.notPlaced.size()),
        [&](int i) -> const Appointment& { return week.notPlaced[size_t(i)].appointment; },
        [&](int i) { return reasonText(week.notPlaced[size_t(i)], week.hours); });
    //: Heads the appointments whose times the import had to guess at, each with what it guessed
    list(
        QCoreApplication::translate("calendar::ImportSummary", "Please check:"), int(week.guessed.size()),
        [&](int i) -> const Appointment& { return week.guessed[size_t(i)]; },
        [&](int i) { return week.guessed[size_t(i)].guess; });
    return text;
}

QString importSummary(const std::vector<WeekLayout>& weeks, const QLocale& locale)
{
    WeekLayout whole;
    if (!weeks.empty())
        whole.hours = weeks.front().hours;
    QSet<QString> told;  // name and reason of the events left out, and of the guesses
    auto firstTime = [&told](const Appointment& appointment, const QString& what) {
        const QString key = appointment.name + QLatin1Char('\n') + what;
        if (told.contains(key))
            return false;
        told.insert(key);
        return true;
    };
    for (const WeekLayout& week : weeks) {
        whole.placed += week.placed;
        whole.shortened += week.shortened;
        for (const NotPlaced& entry : week.notPlaced) {
            if (entry.reason != NotPlacedReason::LeftOut || firstTime(entry.appointment, entry.appointment.problem))
                whole.notPlaced.push_back(entry);
        }
        for (const Appointment& guessed : week.guessed) {
            if (firstTime(guessed, guessed.guess))
                whole.guessed.push_back(guessed);
        }
    }
    return importSummary(whole, locale);
}

}  // namespace calendar
