#include "CalendarText.h"

#include "errors/UserError.h"
#include "ImportLimits.h"
#include "ZoneData.h"

#include <QCoreApplication>

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

}  // namespace

SiftedText siftedText(QByteArrayView text)
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
            if (keeping && isNamed(name, "VEVENT"))
                sifted.events.emplace_back();
        } else if (startsWithKeyword(line, "END:")) {
            if (open.empty())
                throw errors::UserError(QCoreApplication::translate(
                    "calendar::CalendarFile",
                    "The file has an END line without its BEGIN; it is not a calendar Dorvane can read."));
            keeping = open.back().read;
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
