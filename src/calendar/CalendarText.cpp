#include "CalendarText.h"

#include "errors/UserError.h"
#include "ImportLimits.h"
#include "ZoneData.h"

#include <QCoreApplication>
#include <QSet>

#include <libical/ical.h>

#include <cstring>
#include <memory>
#include <vector>

namespace calendar {
namespace {

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

bool isNamed(QByteArrayView name, const char* known)
{
    return name.size() == qsizetype(qstrlen(known)) && qstrnicmp(name.data(), known, name.size()) == 0;
}

QByteArrayView propertyName(QByteArrayView line)
{
    qsizetype length = 0;
    while (length < line.size() && line[length] != ':' && line[length] != ';')
        ++length;
    return line.first(length);
}

// The properties of an event that libical reads for the import. The others
// (descriptions, attendees, alarms' texts, private X- properties) are most of
// a calendar's bulk, and libical's time and memory go with the number of
// properties it builds. An appointment is placed by its start alone; its
// end (DTEND, DURATION) is read only to tell of one before the start.
bool isReadInEvents(QByteArrayView name)
{
    static const char* const names[] = {"DTSTART", "RRULE",   "RDATE",   "EXDATE",  "RECURRENCE-ID",
                                        "SUMMARY", "LOCATION", "STATUS", "DTEND",   "DURATION"};
    for (const char* known : names) {
        if (isNamed(name, known))
            return true;
    }
    return false;
}

// Where the value of an event's identity property (UID, SEQUENCE, DTSTAMP,
// LAST-MODIFIED) named `name` goes: read here, not by libical, as only the
// events that share a UID need more than their UID.
QByteArray* identityField(EventIdentity& identity, QByteArrayView name)
{
    if (isNamed(name, "UID"))
        return &identity.uid;
    if (isNamed(name, "SEQUENCE"))
        return &identity.sequence;
    if (isNamed(name, "DTSTAMP"))
        return &identity.stamped;
    if (isNamed(name, "LAST-MODIFIED"))
        return &identity.modified;
    return nullptr;
}

// The components the import reads, where they are: calendars at the top,
// their events and time zones, and the zones' observances. The others (to-dos,
// journals, alarms, free/busy times, private X- components) are left to the
// other programs that read the file.
bool isReadAt(QByteArrayView parent, QByteArrayView name)
{
    if (parent.isEmpty())
        return isNamed(name, "VCALENDAR");
    if (isNamed(parent, "VCALENDAR"))
        return isNamed(name, "VEVENT") || isNamed(name, "VTIMEZONE");
    return isNamed(parent, "VTIMEZONE") && (isNamed(name, "STANDARD") || isNamed(name, "DAYLIGHT"));
}

// Whether libical reads the property `name` of the component `component`
// the import reads: all of a time zone's, the listed ones of an event, none
// of the calendar's own.
bool isReadIn(QByteArrayView component, QByteArrayView name)
{
    if (isNamed(component, "VEVENT"))
        return isReadInEvents(name);
    return !isNamed(component, "VCALENDAR");
}

// The values of one event that tell at a glance which days its
// occurrences may start on; see siftedText.
struct EventReach {
    QByteArray start;         // DTSTART
    QByteArray rule;          // the first RRULE
    QByteArray recurrenceId;  // RECURRENCE-ID
    int rules = 0;
    bool extraDates = false;  // RDATE

    // The date a value begins with ("20261207T090000", "20261207"), if any.
    static std::optional<QDate> leadingDate(QByteArrayView value)
    {
        value = value.trimmed();
        if (value.size() < 8)
            return std::nullopt;
        for (int i = 0; i < 8; ++i) {
            if (value[i] < '0' || value[i] > '9')
                return std::nullopt;
        }
        auto number = [&](int from, int length) { return QByteArrayView(value.sliced(from, length)).toInt(); };
        const QDate date(number(0, 4), number(4, 2), number(6, 2));
        return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
    }

    // False only when the values show that no occurrence starts on `days`
    // (widened by two days either way).
    bool mayStartOn(const Days& days) const
    {
        const QDate first = days.first.addDays(-2), last = days.last.addDays(2);
        const std::optional<QDate> from = leadingDate(start);
        if (!from)
            return true;
        // An override moving an occurrence away must still take it from the days.
        if (const std::optional<QDate> replaced = leadingDate(recurrenceId); replaced && *replaced >= first && *replaced <= last)
            return true;
        if (*from > last)
            return false;  // repetitions only go forward
        if (extraDates)
            return true;
        if (rules == 0)
            return *from >= first;
        if (rules > 1)
            return true;
        const qsizetype until = rule.toUpper().indexOf("UNTIL=");
        if (until < 0)
            return true;
        const std::optional<QDate> end = leadingDate(QByteArrayView(rule).sliced(until + 6));
        return !end || *end >= first;
    }
};

// Where an event's text lies among the kept text, and whether it may start
// on the days asked about.
struct EventText {
    qsizetype begin;
    qsizetype end;
    bool mayStart;
};

struct OpenComponent {
    QByteArrayView name;
    bool read;  // it and the components around it are read
};

// Reads one property line, folded or not, part by part (the line, then each
// continuation without its leading blank): counts its parameters as far as
// the colon its value begins with, and gathers its value where wanted.
class PropertyLine {
public:
    // `limited`: errors::UserError when the line has more than MaxParameters
    // parameters. `value`: where the value goes, or null.
    PropertyLine(bool limited, QByteArray* value) : m_limited(limited), m_value(value) {}

    void read(QByteArrayView part)
    {
        qsizetype i = 0;
        for (; i < part.size() && !m_inValue; ++i) {
            const char c = part[i];
            if (c == '"')
                m_quoted = !m_quoted;
            else if (m_quoted)
                continue;
            else if (c == ':')
                m_inValue = true;
            else if (c == ';' && m_limited && ++m_count > MaxParameters)
                throw errors::UserError(
                    QCoreApplication::translate(
                        "calendar::CalendarFile",
                        "The file has a line with more than %1 parameters; it is not a calendar Dorvane can read.")
                        .arg(MaxParameters));
        }
        if (m_inValue && m_value)
            m_value->append(part.sliced(i));
    }

private:
    bool m_limited;
    QByteArray* m_value;
    int m_count = 0;
    bool m_quoted = false;
    bool m_inValue = false;
};

// Hands libical the text line by line, in pieces of the size it asks for.
// libical's own reader of a string looks for the end of the line again for
// every piece, which makes one long line cost the square of its length; here
// each line's end is looked for once.
struct LineFeed {
    const char* next;
    const char* end;
    const char* lineEnd;  // just after the line break of the line `next` is in

    static char* give(char* out, size_t size, void* data)
    {
        auto* feed = static_cast<LineFeed*>(data);
        if (feed->next == feed->end || size < 2)
            return nullptr;
        if (feed->lineEnd <= feed->next) {
            const void* lineBreak = std::memchr(feed->next, '\n', size_t(feed->end - feed->next));
            feed->lineEnd = lineBreak ? static_cast<const char*>(lineBreak) + 1 : feed->end;
        }
        const size_t length = std::min(size - 1, size_t(feed->lineEnd - feed->next));
        std::memcpy(out, feed->next, length);
        out[length] = '\0';
        feed->next += length;
        return out;
    }
};

// Takes out of `sifted` the events of `texts` that may not start on the
// days asked about, with every other event of their UID.
void leaveOutOtherDays(SiftedText& sifted, const std::vector<EventText>& texts)
{
    QSet<QByteArray> wanted;  // UIDs of which an event may start on the days
    for (size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].mayStart && !sifted.events[i].uid.isEmpty())
            wanted.insert(sifted.events[i].uid);
    }
    auto keep = [&](size_t i) { return texts[i].mayStart || wanted.contains(sifted.events[i].uid); };
    std::vector<size_t> unread;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (!keep(i))
            unread.push_back(i);
    }
    if (unread.empty())
        return;
    QByteArray text;
    text.reserve(sifted.text.size());
    std::vector<EventIdentity> events;
    events.reserve(texts.size() - unread.size());
    qsizetype copied = 0;
    for (size_t i = 0, next = 0; i < texts.size(); ++i) {
        if (next < unread.size() && unread[next] == i) {
            text += QByteArrayView(sifted.text).sliced(copied, texts[i].begin - copied);
            copied = texts[i].end;
            ++next;
        } else {
            events.push_back(std::move(sifted.events[i]));
        }
    }
    sifted.eventsLeftUnread = int(unread.size());
    text += QByteArrayView(sifted.text).sliced(copied);
    sifted.text = std::move(text);
    sifted.events = std::move(events);
}

}  // namespace

SiftedText siftedText(QByteArrayView text, const std::optional<Days>& only)
{
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    SiftedText sifted;
    QByteArray& kept = sifted.text;
    kept.reserve(text.size());
    bool first = true;
    bool keeping = true;
    int lines = 0, components = 0;
    std::vector<OpenComponent> open;  // the components the line is in
    PropertyLine property(false, nullptr);
    bool reading = false;  // `property` reads the line, with its continuations
    QByteArrayView last;
    EventReach reach;                 // of the event being read
    std::vector<EventText> eventTexts;  // with `only`, one for each of sifted.events
    while (!text.isEmpty()) {
        const qsizetype end = text.indexOf('\n');
        const QByteArrayView raw = end < 0 ? text : text.first(end + 1);
        text = text.sliced(raw.size());
        const QByteArrayView line = trimmedLine(raw.endsWith('\n') ? raw.chopped(1) : raw);
        if (line.isEmpty())
            continue;
        if (line.front() == ' ' || line.front() == '\t') {  // continues the line before
            if (reading)
                property.read(line.sliced(1));
            if (keeping)
                kept += raw;
            continue;
        }
        if (first && !(startsWithKeyword(line, "BEGIN:VCALENDAR") && line.size() == 15))
            throw errors::UserError(QCoreApplication::translate(
                "calendar::CalendarFile",
                "The file is not an iCalendar file: it does not begin with BEGIN:VCALENDAR."));
        first = false;
        if (++lines > MaxLines)
            throw errors::UserError(
                QCoreApplication::translate("calendar::CalendarFile",
                                            "The file has more than %1 lines, more than a calendar Dorvane imports.")
                    .arg(MaxLines));
        reading = false;
        if (startsWithKeyword(line, "BEGIN:")) {
            if (++components > MaxComponents)
                throw errors::UserError(
                    QCoreApplication::translate("calendar::CalendarFile",
                                                "The file holds more than %1 entries, more than Dorvane imports.")
                        .arg(MaxComponents));
            if (int(open.size()) >= MaxNesting)
                throw errors::UserError(
                    QCoreApplication::translate(
                        "calendar::CalendarFile",
                        "The file nests entries more than %1 deep; it is not a calendar Dorvane can read.")
                        .arg(MaxNesting));
            const QByteArrayView name = line.sliced(6);
            open.push_back({name, open.empty() ? isReadAt({}, name) : open.back().read && isReadAt(open.back().name, name)});
            keeping = open.back().read;
            if (keeping && isNamed(name, "VEVENT")) {
                sifted.events.emplace_back();
                reach = EventReach();
                if (only)
                    eventTexts.push_back({kept.size(), -1, true});
            }
        } else if (startsWithKeyword(line, "END:")) {
            if (open.empty())
                throw errors::UserError(QCoreApplication::translate(
                    "calendar::CalendarFile",
                    "The file has an END line without its BEGIN; it is not a calendar Dorvane can read."));
            keeping = open.back().read;
            if (only && keeping && isNamed(open.back().name, "VEVENT")) {
                eventTexts.back().end = kept.size() + raw.size();
                eventTexts.back().mayStart = reach.mayStartOn(*only);
            }
            open.pop_back();
        } else {
            const QByteArrayView name = propertyName(line);
            const bool inReadComponent = !open.empty() && open.back().read;
            keeping = inReadComponent && isReadIn(open.back().name, name);
            QByteArray* value = nullptr;
            if (inReadComponent && isNamed(open.back().name, "VEVENT")) {
                value = identityField(sifted.events.back(), name);
                if (value && !value->isEmpty())
                    value = nullptr;  // the first is the one that counts, as for libical
                if (only && !value) {
                    if (isNamed(name, "DTSTART") && reach.start.isEmpty())
                        value = &reach.start;
                    else if (isNamed(name, "RECURRENCE-ID") && reach.recurrenceId.isEmpty())
                        value = &reach.recurrenceId;
                    else if (isNamed(name, "RRULE") && ++reach.rules == 1)
                        value = &reach.rule;
                    else if (isNamed(name, "RDATE"))
                        reach.extraDates = true;
                }
            }
            reading = keeping || value;
            if (reading) {
                property = PropertyLine(keeping, value);
                property.read(line);
            }
        }
        if (keeping)
            kept += raw;
        last = line;
    }
    if (first)
        throw errors::UserError(QCoreApplication::translate("calendar::CalendarFile", "The file is empty."));
    if (!(startsWithKeyword(last, "END:VCALENDAR") && last.size() == 13) || !open.empty())
        throw errors::UserError(QCoreApplication::translate(
            "calendar::CalendarFile", "The file ends before its calendar does; it may have been cut short."));
    if (!kept.endsWith('\n'))
        kept += '\n';
    if (only)
        leaveOutOtherDays(sifted, eventTexts);
    return sifted;
}

icalcomponent* parsedTree(const QByteArray& text)
{
    // Before libical's first look at a zone, which it remembers.
    useZoneData();
    LineFeed feed{text.constData(), text.constData() + text.size(), text.constData()};
    const std::unique_ptr<icalparser, void (*)(icalparser*)> parser(icalparser_new(), icalparser_free);
    if (!parser)
        return nullptr;
    icalparser_set_gen_data(parser.get(), &feed);
    return icalparser_parse(parser.get(), &LineFeed::give);
}

}  // namespace calendar
