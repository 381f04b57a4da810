#include "CalendarFile.h"

#include "CalendarText.h"
#include "EventTime.h"
#include "errors/UserError.h"
#include "ImportLimits.h"
#include "PropertyList.h"
#include "RecurrenceExpander.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <libical/ical.h>

#include <limits>
#include <optional>
#include <tuple>

namespace calendar {
namespace {

QString tooLarge()
{
    return QCoreApplication::translate("calendar::CalendarFile",
                                       "The file is larger than %1 MB, more than a calendar Dorvane imports.")
        .arg(MaxFileBytes / (1024 * 1024));
}

QString eventName(icalcomponent* event)
{
    const char* summary = icalcomponent_get_summary(event);
    return summary && *summary ? QStringLiteral("\"%1\"").arg(QString::fromUtf8(summary).left(MaxNameLength))
                               : QCoreApplication::translate("calendar::CalendarFile", "without a title");
}

// Why `value` of `property` cannot be read, if it cannot.
std::optional<QString> timeProblem(icalproperty* property, const icaltimetype& value)
{
    if (isValidTime(value))
        return std::nullopt;
    return QCoreApplication::translate("calendar::CalendarFile",
                                       "has a malformed date in %1 (dates from %2 to %3 are read)")
        .arg(QString::fromLatin1(icalproperty_kind_to_string(icalproperty_isa(property))))
        .arg(FirstYear)
        .arg(LastYear);
}

// What the later steps rely on: a valid start, dates that are dates, rules
// that can be walked. Returns why `event` cannot be read, if it cannot, as the
// rest of a sentence about it ("has a malformed RRULE that cannot be read").
std::optional<QString> eventProblem(icalcomponent* event)
{
    // libical drops a property whose value it cannot parse and leaves a note
    // in its place; without those properties the event would silently change.
    for (icalproperty* note : propertiesOf(event, ICAL_XLICERROR_PROPERTY)) {
        const QByteArray text = icalproperty_get_xlicerror(note);
        for (const char* name : {"DTSTART", "RRULE", "RDATE", "EXDATE", "RECURRENCE-ID", "STATUS"}) {
            if (text.contains(QByteArray(" in ") + name + " property"))
                return QCoreApplication::translate("calendar::CalendarFile", "has a malformed %1 that cannot be read")
                    .arg(QLatin1String(name));
        }
    }
    icalproperty* start = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    if (!start)
        return QCoreApplication::translate("calendar::CalendarFile", "has no start date, or one that cannot be read");
    if (auto problem = timeProblem(start, icalproperty_get_dtstart(start)))
        return problem;
    if (icalproperty* id = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY)) {
        if (auto problem = timeProblem(id, icalproperty_get_recurrenceid(id)))
            return problem;
    }
    for (icalproperty* p : propertiesOf(event, ICAL_EXDATE_PROPERTY)) {
        if (auto problem = timeProblem(p, icalproperty_get_exdate(p)))
            return problem;
    }
    for (icalproperty* p : propertiesOf(event, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype rdate = icalproperty_get_rdate(p);
        if (auto problem = timeProblem(p, icaltime_is_null_time(rdate.time) ? rdate.period.start : rdate.time))
            return problem;
    }
    for (icalproperty* p : propertiesOf(event, ICAL_RRULE_PROPERTY)) {
        const icalrecurrencetype rule = icalproperty_get_rrule(p);
        if (rule.freq == ICAL_NO_RECURRENCE || rule.interval < 1)
            return QCoreApplication::translate("calendar::CalendarFile",
                                               "has a repetition rule (RRULE) that cannot be read");
        if (!icaltime_is_null_time(rule.until)) {
            if (auto problem = timeProblem(p, rule.until))
                return problem;
        }
    }
    return std::nullopt;
}

// A moment to compare versions by, from a DTSTAMP or LAST-MODIFIED value as
// the file writes it; the earliest of all when it is missing or unreadable.
qint64 stampOf(const QByteArray& value)
{
    if (value.isEmpty())
        return std::numeric_limits<qint64>::min();
    const icaltimetype time = icaltime_from_string(value.trimmed().constData());
    icalerror_clear_errno();
    return isValidTime(time) ? momentOf(time) : std::numeric_limits<qint64>::min();
}

// One event read from the file with what tells its versions apart.
struct Entry {
    icalcomponent* event;
    const EventIdentity* identity;
};

// Which of two versions of one event (one UID, one RECURRENCE-ID) a calendar
// program would show: the higher SEQUENCE, then the later DTSTAMP, then the
// later LAST-MODIFIED, then the one further down the file.
struct Version {
    int sequence = 0;
    qint64 stamped = 0;
    qint64 modified = 0;
    size_t position = 0;

    Version(const EventIdentity& identity, size_t at)
        : sequence(identity.sequence.trimmed().toInt()),
          stamped(stampOf(identity.stamped)),
          modified(stampOf(identity.modified)),
          position(at)
    {
    }
    bool operator<(const Version& other) const
    {
        return std::tie(sequence, stamped, modified, position)
             < std::tie(other.sequence, other.stamped, other.modified, other.position);
    }
};

// What identifies one version of an event among others: its UID, and for an
// override the moment it replaces. Empty for an event without a UID, which
// stands for itself alone.
QByteArray versionKey(const Entry& entry)
{
    if (entry.identity->uid.isEmpty())
        return {};
    QByteArray key = entry.identity->uid;
    if (icalproperty* id = icalcomponent_get_first_property(entry.event, ICAL_RECURRENCEID_PROPERTY))
        key += '\n' + QByteArray::number(momentOf(zonedTime(id, icalproperty_get_recurrenceid(id))));
    return key;
}

// `entries` less the older versions of the same event, in the order of the file.
std::vector<Entry> latestVersions(const std::vector<Entry>& entries)
{
    QHash<QByteArray, size_t> newest;  // key -> index into `entries`
    std::vector<bool> kept(entries.size(), true);
    for (size_t i = 0; i < entries.size(); ++i) {
        const QByteArray key = versionKey(entries[i]);
        if (key.isEmpty())
            continue;
        const auto found = newest.find(key);
        if (found == newest.end()) {
            newest.insert(key, i);
        } else if (Version(*entries[*found].identity, *found) < Version(*entries[i].identity, i)) {
            kept[*found] = false;
            *found = i;
        } else {
            kept[i] = false;
        }
    }
    std::vector<Entry> latest;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (kept[i])
            latest.push_back(entries[i]);
    }
    return latest;
}

// How many values a BY part of a rule has: 0, 1, or 2 for two and more.
int partCount(const short* parts)
{
    return parts[0] == ICAL_RECURRENCE_ARRAY_MAX ? 0 : parts[1] == ICAL_RECURRENCE_ARRAY_MAX ? 1 : 2;
}

// A time zone libical can work out quickly: see MaxZoneObservances.
void checkZone(icalcomponent* zone)
{
    const char* tzid = icalcomponent_get_first_property(zone, ICAL_TZID_PROPERTY)
                         ? icalproperty_get_tzid(icalcomponent_get_first_property(zone, ICAL_TZID_PROPERTY))
                         : "";
    auto refuse = [tzid](const QString& what) {
        throw errors::UserError(QCoreApplication::translate("calendar::CalendarFile", "The time zone \"%1\" %2.")
                              .arg(QString::fromUtf8(tzid).left(MaxNameLength), what));
    };
    int observances = 0;
    for (icalcomponent* part = icalcomponent_get_first_component(zone, ICAL_ANY_COMPONENT); part;
         part = icalcomponent_get_next_component(zone, ICAL_ANY_COMPONENT)) {
        if (++observances > MaxZoneObservances)
            refuse(QCoreApplication::translate("calendar::CalendarFile", "has more than %1 observances")
                       .arg(MaxZoneObservances));
        const icaltimetype start = icalcomponent_get_dtstart(part);
        if (!icaltime_is_null_time(start) && start.year < FirstZoneYear)
            refuse(QCoreApplication::translate("calendar::CalendarFile", "begins before %1").arg(FirstZoneYear));
        for (icalproperty* p : propertiesOf(part, ICAL_RRULE_PROPERTY)) {
            const icalrecurrencetype rule = icalproperty_get_rrule(p);
            if (rule.freq != ICAL_YEARLY_RECURRENCE || partCount(rule.by_hour) || partCount(rule.by_minute)
                || partCount(rule.by_second) || partCount(rule.by_year_day) || partCount(rule.by_week_no)
                || partCount(rule.by_set_pos) || partCount(rule.by_month) > 1 || partCount(rule.by_day) > 1)
                refuse(
                    QCoreApplication::translate("calendar::CalendarFile", "changes by a rule other than once a year"));
        }
    }
}

}  // namespace

void CalendarFile::FreeTree::operator()(icalcomponent* root) const { icalcomponent_free(root); }

CalendarFile::CalendarFile(CalendarFile&&) noexcept = default;
CalendarFile& CalendarFile::operator=(CalendarFile&&) noexcept = default;
CalendarFile::~CalendarFile() = default;

CalendarFile CalendarFile::read(const QString& path, const std::optional<Days>& only)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw errors::UserError(QCoreApplication::translate("calendar::CalendarFile", "The file does not exist."));
    if (!info.isFile())
        throw errors::UserError(QCoreApplication::translate("calendar::CalendarFile", "It is not a file."));
    if (info.size() > MaxFileBytes)
        throw errors::UserError(tooLarge());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw errors::UserError(QCoreApplication::translate("calendar::CalendarFile", "The file cannot be opened: %1.")
                              .arg(file.errorString()));
    const QByteArray bytes = file.read(MaxFileBytes + 1);  // it may have grown since
    if (file.error() != QFileDevice::NoError)
        throw errors::UserError(QCoreApplication::translate("calendar::CalendarFile", "The file cannot be read: %1.")
                              .arg(file.errorString()));
    return fromData(bytes, only);
}

CalendarFile CalendarFile::fromData(const QByteArray& bytes, const std::optional<Days>& only)
{
    if (bytes.size() > MaxFileBytes)
        throw errors::UserError(tooLarge());
    if (bytes.contains('\0'))
        throw errors::UserError(
            QCoreApplication::translate("calendar::CalendarFile", "The file holds binary data, not a calendar."));
    const SiftedText sifted = siftedText(bytes, only);

    // Errors in the data are found by the checks here; libical's own are only
    // recorded in the tree, never fatal.
    icalerror_set_errors_are_fatal(0);
    CalendarFile result;
    result.m_root.reset(parsedTree(sifted.text));
    icalerror_clear_errno();
    icalcomponent* root = result.m_root.get();
    if (!root)
        throw errors::UserError(QCoreApplication::translate("calendar::CalendarFile",
                                                      "The file is not an iCalendar file libical can read."));

    std::vector<icalcomponent*> calendars;
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) {
        calendars.push_back(root);
    } else {
        for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c;
             c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
            calendars.push_back(c);
    }
    if (calendars.empty())
        throw errors::UserError(
            QCoreApplication::translate("calendar::CalendarFile", "The file holds no calendar (VCALENDAR)."));

    for (icalcomponent* calendar : calendars) {
        for (icalcomponent* zone = icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT); zone;
             zone = icalcomponent_get_next_component(calendar, ICAL_VTIMEZONE_COMPONENT))
            checkZone(zone);
    }
    // An event that cannot be read is left out and listed; the others are
    // imported, unless none can be read at all. libical builds the events in
    // the order of the text, the order their identities were read in.
    std::vector<Entry> readable;
    size_t position = 0;
    for (icalcomponent* calendar : calendars) {
        for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
             event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT), ++position) {
            if (position >= sifted.events.size())
                throw errors::UserError(QCoreApplication::translate("calendar::CalendarFile",
                                                              "The file is not an iCalendar file libical can read."));
            if (auto problem = eventProblem(event))
                result.m_unreadable.push_back(Unreadable{event, *problem});
            else
                readable.push_back(Entry{event, &sifted.events[position]});
        }
    }
    if (position != sifted.events.size())
        throw errors::UserError(QCoreApplication::translate("calendar::CalendarFile",
                                                      "The file is not an iCalendar file libical can read."));
    if (readable.empty() && !result.m_unreadable.empty() && sifted.eventsLeftUnread == 0) {
        const Unreadable& first = result.m_unreadable.front();
        throw errors::UserError(QCoreApplication::translate("calendar::CalendarFile", "The appointment %1 %2.")
                              .arg(eventName(first.event), first.reason));
    }

    // Masters first, so that each override finds its series whatever the order in the file.
    std::vector<Entry> overrides;
    QHash<QByteArray, size_t> seriesOfUid;
    for (const Entry& entry : latestVersions(readable)) {
        if (icalcomponent_get_first_property(entry.event, ICAL_RECURRENCEID_PROPERTY)) {
            overrides.push_back(entry);
            continue;
        }
        if (!entry.identity->uid.isEmpty())
            seriesOfUid.insert(entry.identity->uid, result.m_series.size());
        result.m_series.push_back(Series{entry.event, {}});
    }
    for (const Entry& entry : overrides) {
        const auto found = entry.identity->uid.isEmpty() ? seriesOfUid.constEnd() : seriesOfUid.constFind(entry.identity->uid);
        if (found != seriesOfUid.constEnd())
            result.m_series[*found].overrides.push_back(entry.event);
        else
            result.m_series.push_back(Series{entry.event, {}});
    }
    for (Series& series : result.m_series)
        std::tie(series.earliest, series.latest) = RecurrenceExpander::reach(series);
    return result;
}

}  // namespace calendar
