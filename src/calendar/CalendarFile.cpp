#include "CalendarFile.h"

#include "EventTime.h"
#include "ImportError.h"
#include "ImportLimits.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <libical/ical.h>

namespace calendar {
namespace {

QString tr(const char* text) { return QCoreApplication::translate("calendar::CalendarFile", text); }

QString tooLarge()
{
    return tr("The file is larger than %1 MB, more than a calendar Dorvane imports.").arg(MaxFileBytes / (1024 * 1024));
}

QByteArrayView trimmedLine(QByteArrayView line)
{
    while (!line.isEmpty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.chop(1);
    return line;
}

bool startsWithKeyword(QByteArrayView line, QByteArrayView keyword)
{
    return line.size() >= keyword.size() && qstrnicmp(line.data(), keyword.data(), keyword.size()) == 0;
}

// The properties of an event that the import reads. The others (descriptions,
// attendees, alarms' texts, time stamps, private X- properties) are most of a
// calendar's bulk, and libical's time and memory go with the number of
// properties it builds. An appointment is placed by its start alone, so its
// end (DTEND, DURATION) is not read either.
bool isReadInEvents(QByteArrayView line)
{
    static const char* const names[] = {"DTSTART", "RRULE", "RDATE", "EXDATE", "RECURRENCE-ID",
                                        "UID", "SUMMARY", "LOCATION", "STATUS", "BEGIN", "END"};
    qsizetype length = 0;
    while (length < line.size() && line[length] != ':' && line[length] != ';')
        ++length;
    const QByteArrayView name = line.first(length);
    for (const char* known : names) {
        if (name.size() == qsizetype(qstrlen(known)) && qstrnicmp(name.data(), known, name.size()) == 0)
            return true;
    }
    return false;
}

// Looks at the text before libical does: the first and last lines, and how
// many components and lines there are and how deep they nest, so that a
// crafted file is refused before libical builds a tree of it. Returns the text
// libical is to read: the same, less the event properties the import does not
// read (with their folded continuation lines).
QByteArray siftedText(QByteArrayView text)
{
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    QByteArray kept;
    kept.reserve(text.size());
    bool first = true;
    bool keeping = true;
    int lines = 0, components = 0;
    std::vector<QByteArrayView> open;  // names of the components the line is in
    QByteArrayView last;
    while (!text.isEmpty()) {
        const qsizetype end = text.indexOf('\n');
        const QByteArrayView raw = end < 0 ? text : text.first(end + 1);
        text = text.sliced(raw.size());
        const QByteArrayView line = trimmedLine(raw.endsWith('\n') ? raw.chopped(1) : raw);
        if (line.isEmpty())
            continue;
        if (line.front() == ' ' || line.front() == '\t') {  // continues the line before
            if (keeping)
                kept += raw;
            continue;
        }
        if (first && !(startsWithKeyword(line, "BEGIN:VCALENDAR") && line.size() == 15))
            throw ImportError(tr("The file is not an iCalendar file: it does not begin with BEGIN:VCALENDAR."));
        first = false;
        if (++lines > MaxLines)
            throw ImportError(tr("The file has more than %1 lines, more than a calendar Dorvane imports.").arg(MaxLines));
        if (startsWithKeyword(line, "BEGIN:")) {
            if (++components > MaxComponents)
                throw ImportError(tr("The file holds more than %1 entries, more than Dorvane imports.").arg(MaxComponents));
            if (int(open.size()) >= MaxNesting)
                throw ImportError(tr("The file nests entries more than %1 deep; it is not a calendar Dorvane can read.").arg(MaxNesting));
            open.push_back(line.sliced(6));
        } else if (startsWithKeyword(line, "END:")) {
            if (open.empty())
                throw ImportError(tr("The file has an END line without its BEGIN; it is not a calendar Dorvane can read."));
            open.pop_back();
        }
        const bool inEvent = !open.empty() && open.back().compare("VEVENT", Qt::CaseInsensitive) == 0;
        keeping = !inEvent || isReadInEvents(line);
        if (keeping)
            kept += raw;
        last = line;
    }
    if (first)
        throw ImportError(tr("The file is empty."));
    if (!(startsWithKeyword(last, "END:VCALENDAR") && last.size() == 13) || !open.empty())
        throw ImportError(tr("The file ends before its calendar does; it may have been cut short."));
    if (!kept.endsWith('\n'))
        kept += '\n';
    return kept;
}

QString eventName(icalcomponent* event)
{
    const char* summary = icalcomponent_get_summary(event);
    return summary && *summary ? QStringLiteral("\"%1\"").arg(QString::fromUtf8(summary).left(MaxNameLength))
                               : tr("without a title");
}

[[noreturn]] void refuseEvent(icalcomponent* event, const QString& what)
{
    throw ImportError(tr("The appointment %1 %2.").arg(eventName(event), what));
}

void checkTime(icalcomponent* event, icalproperty* property, const icaltimetype& value)
{
    if (!isValidTime(value)) {
        refuseEvent(event, tr("has a malformed date in %1 (dates from %2 to %3 are read)")
                               .arg(QString::fromLatin1(icalproperty_kind_to_string(icalproperty_isa(property))))
                               .arg(FirstYear)
                               .arg(LastYear));
    }
}

// What the later steps rely on: a valid start, dates that are dates, rules
// that can be walked.
void checkEvent(icalcomponent* event)
{
    // libical drops a property whose value it cannot parse and leaves a note
    // in its place; without those properties the event would silently change.
    for (icalproperty* note = icalcomponent_get_first_property(event, ICAL_XLICERROR_PROPERTY); note;
         note = icalcomponent_get_next_property(event, ICAL_XLICERROR_PROPERTY)) {
        const QByteArray text = icalproperty_get_xlicerror(note);
        for (const char* name : {"DTSTART", "RRULE", "RDATE", "EXDATE", "RECURRENCE-ID", "STATUS"}) {
            if (text.contains(QByteArray(" in ") + name + " property"))
                refuseEvent(event, tr("has a malformed %1 that cannot be read").arg(QLatin1String(name)));
        }
    }
    icalproperty* start = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    if (!start)
        refuseEvent(event, tr("has no start date, or one that cannot be read"));
    checkTime(event, start, icalproperty_get_dtstart(start));
    if (icalproperty* id = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY))
        checkTime(event, id, icalproperty_get_recurrenceid(id));
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY))
        checkTime(event, p, icalproperty_get_exdate(p));
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype rdate = icalproperty_get_rdate(p);
        checkTime(event, p, icaltime_is_null_time(rdate.time) ? rdate.period.start : rdate.time);
    }
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
        const icalrecurrencetype rule = icalproperty_get_rrule(p);
        if (rule.freq == ICAL_NO_RECURRENCE || rule.interval < 1)
            refuseEvent(event, tr("has a repetition rule (RRULE) that cannot be read"));
        if (rule.freq == ICAL_SECONDLY_RECURRENCE || rule.freq == ICAL_MINUTELY_RECURRENCE)
            refuseEvent(event, tr("repeats more often than every hour, which Dorvane does not follow"));
        if (!icaltime_is_null_time(rule.until))
            checkTime(event, p, rule.until);
    }
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
        throw ImportError(tr("The time zone \"%1\" %2.").arg(QString::fromUtf8(tzid).left(MaxNameLength), what));
    };
    int observances = 0;
    for (icalcomponent* part = icalcomponent_get_first_component(zone, ICAL_ANY_COMPONENT); part;
         part = icalcomponent_get_next_component(zone, ICAL_ANY_COMPONENT)) {
        if (++observances > MaxZoneObservances)
            refuse(tr("has more than %1 observances").arg(MaxZoneObservances));
        const icaltimetype start = icalcomponent_get_dtstart(part);
        if (!icaltime_is_null_time(start) && start.year < FirstZoneYear)
            refuse(tr("begins before %1").arg(FirstZoneYear));
        for (icalproperty* p = icalcomponent_get_first_property(part, ICAL_RRULE_PROPERTY); p;
             p = icalcomponent_get_next_property(part, ICAL_RRULE_PROPERTY)) {
            const icalrecurrencetype rule = icalproperty_get_rrule(p);
            if (rule.freq != ICAL_YEARLY_RECURRENCE || partCount(rule.by_hour) || partCount(rule.by_minute)
                || partCount(rule.by_second) || partCount(rule.by_year_day) || partCount(rule.by_week_no)
                || partCount(rule.by_set_pos) || partCount(rule.by_month) > 1 || partCount(rule.by_day) > 1)
                refuse(tr("changes by a rule other than once a year"));
        }
    }
}

}  // namespace

void CalendarFile::FreeTree::operator()(icalcomponent* root) const { icalcomponent_free(root); }

CalendarFile::CalendarFile(CalendarFile&&) noexcept = default;
CalendarFile& CalendarFile::operator=(CalendarFile&&) noexcept = default;
CalendarFile::~CalendarFile() = default;

CalendarFile CalendarFile::read(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw ImportError(tr("The file does not exist."));
    if (!info.isFile())
        throw ImportError(tr("It is not a file."));
    if (info.size() > MaxFileBytes)
        throw ImportError(tooLarge());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ImportError(tr("The file cannot be opened: %1.").arg(file.errorString()));
    const QByteArray bytes = file.read(MaxFileBytes + 1);  // it may have grown since
    if (file.error() != QFileDevice::NoError)
        throw ImportError(tr("The file cannot be read: %1.").arg(file.errorString()));
    return fromData(bytes);
}

CalendarFile CalendarFile::fromData(const QByteArray& bytes)
{
    if (bytes.size() > MaxFileBytes)
        throw ImportError(tooLarge());
    if (bytes.contains('\0'))
        throw ImportError(tr("The file holds binary data, not a calendar."));
    const QByteArray text = siftedText(bytes);

    // Errors in the data are found by the checks here; libical's own are only
    // recorded in the tree, never fatal.
    icalerror_set_errors_are_fatal(0);
    CalendarFile result;
    result.m_root.reset(icalparser_parse_string(text.constData()));
    icalerror_clear_errno();
    icalcomponent* root = result.m_root.get();
    if (!root)
        throw ImportError(tr("The file is not an iCalendar file libical can read."));

    std::vector<icalcomponent*> calendars;
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) {
        calendars.push_back(root);
    } else {
        for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c;
             c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
            calendars.push_back(c);
    }
    if (calendars.empty())
        throw ImportError(tr("The file holds no calendar (VCALENDAR)."));

    for (icalcomponent* calendar : calendars) {
        for (icalcomponent* zone = icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT); zone;
             zone = icalcomponent_get_next_component(calendar, ICAL_VTIMEZONE_COMPONENT))
            checkZone(zone);
    }
    // Masters first, so that each override finds its series whatever the order in the file.
    std::vector<icalcomponent*> overrides;
    QHash<QByteArray, size_t> seriesOfUid;
    for (icalcomponent* calendar : calendars) {
        for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
             event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            checkEvent(event);
            if (icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY)) {
                overrides.push_back(event);
                continue;
            }
            if (const char* uid = icalcomponent_get_uid(event); uid && *uid)
                seriesOfUid.insert(QByteArray(uid), result.m_series.size());
            result.m_series.push_back(Series{event, {}});
        }
    }
    for (icalcomponent* event : overrides) {
        const char* uid = icalcomponent_get_uid(event);
        const auto found = uid && *uid ? seriesOfUid.constFind(QByteArray(uid)) : seriesOfUid.constEnd();
        if (found != seriesOfUid.constEnd())
            result.m_series[*found].overrides.push_back(event);
        else
            result.m_series.push_back(Series{event, {}});
    }
    return result;
}

}  // namespace calendar
