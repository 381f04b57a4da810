#include "CalDavClient.h"

#include "HttpSession.h"
#include "NetworkFailure.h"
#include "errors/UserError.h"
#include "RemoteLimits.h"

#include <QCoreApplication>
#include <QSet>
#include <QXmlStreamReader>

namespace remote {

namespace {

const QString Dav = QStringLiteral("DAV:");
const QString CalDav = QStringLiteral("urn:ietf:params:xml:ns:caldav");

const QByteArray AskWhatItIs = R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav">
  <d:prop><d:resourcetype/><d:displayname/><d:current-user-principal/><c:calendar-home-set/><c:supported-calendar-component-set/></d:prop>
</d:propfind>
)";

// One <response> of a multistatus, with the properties the server found.
struct Resource {
    QUrl url;
    bool calendar = false;
    bool events = true;  // VEVENT supported; servers that do not say support all
    QString displayName;
    QUrl principal;
    QUrl home;
};

// An address the server at `base` names, held to the rules of a redirect:
// a server reached over https cannot send the import to plain http.
QUrl handedBack(const QUrl& base, const QString& href)
{
    const QUrl url = base.resolved(QUrl(href.trimmed()));
    HttpSession::requireSafeHandOver(base, url);
    return url;
}

QUrl hrefIn(QXmlStreamReader& xml, const QUrl& base)
{
    QUrl found;
    while (xml.readNextStartElement()) {
        if (xml.namespaceUri() == Dav && xml.name() == QLatin1String("href"))
            found = handedBack(base, xml.readElementText());
        else
            xml.skipCurrentElement();
    }
    return found;
}

void readProperties(QXmlStreamReader& xml, const QUrl& base, Resource& resource)
{
    while (xml.readNextStartElement()) {
        const bool dav = xml.namespaceUri() == Dav;
        const bool caldav = xml.namespaceUri() == CalDav;
        if (dav && xml.name() == QLatin1String("resourcetype")) {
            while (xml.readNextStartElement()) {
                if (xml.namespaceUri() == CalDav && xml.name() == QLatin1String("calendar"))
                    resource.calendar = true;
                xml.skipCurrentElement();
            }
        } else if (dav && xml.name() == QLatin1String("displayname")) {
            resource.displayName = xml.readElementText().trimmed();
        } else if (dav && xml.name() == QLatin1String("current-user-principal")) {
            resource.principal = hrefIn(xml, base);
        } else if (caldav && xml.name() == QLatin1String("calendar-home-set")) {
            resource.home = hrefIn(xml, base);
        } else if (caldav && xml.name() == QLatin1String("supported-calendar-component-set")) {
            resource.events = false;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("comp") && xml.attributes().value(QLatin1String("name")) == QLatin1String("VEVENT"))
                    resource.events = true;
                xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
}

// The responses of a 207 Multi-Status answer. `dataOut`, when given,
// collects the calendar-data of each response.
QList<Resource> readMultistatus(const HttpAnswer& answer, QList<QByteArray>* dataOut = nullptr)
{
    QXmlStreamReader xml(answer.body);
    QList<Resource> resources;
    if (!xml.readNextStartElement() || xml.namespaceUri() != Dav || xml.name() != QLatin1String("multistatus"))
        throw errors::UserError(
            QCoreApplication::translate("remote::CalDavClient",
                                        "The answer of %1 is not a calendar: the server does not speak CalDAV.")
                .arg(serverName(answer.url)));
    while (xml.readNextStartElement()) {
        if (xml.namespaceUri() != Dav || xml.name() != QLatin1String("response")) {
            xml.skipCurrentElement();
            continue;
        }
        Resource resource;
        while (xml.readNextStartElement()) {
            if (xml.namespaceUri() == Dav && xml.name() == QLatin1String("href")) {
                resource.url = handedBack(answer.url, xml.readElementText());
            } else if (xml.namespaceUri() == Dav && xml.name() == QLatin1String("propstat")) {
                // Properties the server does not have come in a propstat of
                // their own with a 404 status; they are empty and change nothing.
                while (xml.readNextStartElement()) {
                    if (xml.namespaceUri() == Dav && xml.name() == QLatin1String("prop")) {
                        if (dataOut) {
                            while (xml.readNextStartElement()) {
                                if (xml.namespaceUri() == CalDav && xml.name() == QLatin1String("calendar-data"))
                                    dataOut->append(xml.readElementText().toUtf8());
                                else
                                    xml.skipCurrentElement();
                            }
                        } else {
                            readProperties(xml, answer.url, resource);
                        }
                    } else {
                        xml.skipCurrentElement();
                    }
                }
            } else {
                xml.skipCurrentElement();
            }
        }
        resources.append(resource);
    }
    if (xml.hasError())
        throw errors::UserError(QCoreApplication::translate(
                              "remote::CalDavClient",
                              "The answer of %1 is not a calendar: the server's answer is cut short or malformed.")
                              .arg(serverName(answer.url)));
    return resources;
}

HttpAnswer propfind(HttpSession& session, const QUrl& url, const char* depth)
{
    HttpRequest request;
    request.method = "PROPFIND";
    request.url = url;
    request.headers = {{"Depth", depth}, {"Content-Type", "application/xml; charset=utf-8"}};
    request.body = AskWhatItIs;
    request.maxBytes = MaxDiscoveryBytes;
    return session.send(request);
}

// The calendars with events among `resources`, named.
QList<CalDavCalendar> eventCalendars(const QList<Resource>& resources)
{
    QList<CalDavCalendar> calendars;
    for (const Resource& resource : resources) {
        if (!resource.calendar || !resource.events)
            continue;
        QString name = resource.displayName;
        if (name.isEmpty())
            name = resource.url.path().section(QLatin1Char('/'), -2, -2, QString::SectionSkipEmpty);
        if (name.isEmpty())
            name = resource.url.path().section(QLatin1Char('/'), -1, -1, QString::SectionSkipEmpty);
        calendars.append({resource.url, name});
    }
    return calendars;
}

bool isMultistatus(const HttpAnswer& answer) { return answer.status == 207; }

// Lines of `text` as iCalendar writes them (CRLF or LF), folded ones kept with their line.
QList<QByteArray> contentLines(const QByteArray& text)
{
    QList<QByteArray> lines;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!lines.isEmpty() && (line.startsWith(' ') || line.startsWith('\t')))
            lines.back() += "\r\n" + line;
        else if (!line.isEmpty())
            lines.append(line);
    }
    return lines;
}

// The calendars of a calendar-query answer as one: their components, each
// time zone once.
QByteArray merged(const QList<QByteArray>& calendars)
{
    QByteArray out = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Dorvane//CalDAV week//EN\r\n";
    QSet<QByteArray> zones;
    for (const QByteArray& calendar : calendars) {
        int depth = 0;
        QByteArray block;
        QByteArray zone;
        for (const QByteArray& line : contentLines(calendar)) {
            const QByteArray upper = line.toUpper();
            if (upper.startsWith("BEGIN:"))
                ++depth;
            if (depth >= 2) {
                block += line + "\r\n";
                if (depth == 2 && upper.startsWith("TZID:"))
                    zone = line.mid(5);
            }
            if (upper.startsWith("END:") && --depth == 1) {
                if (!upper.startsWith("END:VTIMEZONE") || (!zones.contains(zone) && (zones.insert(zone), true)))
                    out += block;
                block.clear();
                zone.clear();
            }
        }
    }
    return out + "END:VCALENDAR\r\n";
}

}  // namespace

std::optional<QList<CalDavCalendar>> CalDavClient::calendarsAt(const QUrl& address)
{
    HttpAnswer answer;
    const bool root = address.path() == QLatin1String("/");
    if (root) {
        answer = propfind(m_session, address.resolved(QUrl(QStringLiteral("/.well-known/caldav"))), "0");
        if (!isMultistatus(answer))
            answer = propfind(m_session, address, "0");
    } else {
        answer = propfind(m_session, address, "0");
    }
    if (!isMultistatus(answer)) {
        // Servers that know no PROPFIND answer 405, 501 or with the page itself.
        if (answer.status == 405 || answer.status == 501 || answer.status == 400 || (answer.status >= 200 && answer.status < 300))
            return std::nullopt;
        HttpSession::requireSuccess(answer);
        throw errors::UserError(QCoreApplication::translate("remote::CalDavClient", "The answer of %1 is not a calendar.")
                              .arg(serverName(answer.url)));
    }

    QList<Resource> found = readMultistatus(answer);
    if (found.isEmpty())
        throw errors::UserError(
            QCoreApplication::translate("remote::CalDavClient",
                                        "The answer of %1 is not a calendar: the server described nothing.")
                .arg(serverName(answer.url)));
    const Resource here = found.front();
    if (here.calendar) {
        QList<CalDavCalendar> calendars = eventCalendars({here});
        if (calendars.isEmpty())
            throw errors::UserError(QCoreApplication::translate("remote::CalDavClient",
                                                          "The calendar at %1 holds no events (only tasks or notes).")
                                  .arg(serverName(answer.url)));
        return calendars;
    }

    QUrl home = here.home;
    if (home.isEmpty() && !here.principal.isEmpty()) {
        const HttpAnswer principal = propfind(m_session, here.principal, "0");
        HttpSession::requireSuccess(principal);
        const QList<Resource> about = readMultistatus(principal);
        if (!about.isEmpty())
            home = about.front().home;
    }
    if (home.isEmpty())
        throw errors::UserError(QCoreApplication::translate(
                              "remote::CalDavClient",
                              "The answer of %1 is not a calendar: the server names no calendars for this user.")
                              .arg(serverName(answer.url)));

    const HttpAnswer listing = propfind(m_session, home, "1");
    HttpSession::requireSuccess(listing);
    QList<CalDavCalendar> calendars = eventCalendars(readMultistatus(listing));
    if (calendars.isEmpty())
        throw errors::UserError(QCoreApplication::translate("remote::CalDavClient",
                                                      "The server %1 holds no calendar with events for this user.")
                              .arg(serverName(answer.url)));
    return calendars;
}

QByteArray CalDavClient::eventsBetween(const CalDavCalendar& calendar, const QDateTime& from, const QDateTime& to)
{
    const auto stamp = [](const QDateTime& time) { return time.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1(); };
    HttpRequest request;
    request.method = "REPORT";
    request.url = calendar.url;
    request.headers = {{"Depth", "1"}, {"Content-Type", "application/xml; charset=utf-8"}};
    request.body = R"(<?xml version="1.0" encoding="utf-8"?>
<c:calendar-query xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav">
  <d:prop><c:calendar-data/></d:prop>
  <c:filter><c:comp-filter name="VCALENDAR"><c:comp-filter name="VEVENT"><c:time-range start=")"
                   + stamp(from) + R"(" end=")" + stamp(to) + R"("/></c:comp-filter></c:comp-filter></c:filter>
</c:calendar-query>
)";
    const HttpAnswer answer = m_session.send(request);
    HttpSession::requireSuccess(answer);
    if (!isMultistatus(answer))
        throw errors::UserError(QCoreApplication::translate("remote::CalDavClient", "The answer of %1 is not a calendar.")
                              .arg(serverName(answer.url)));
    QList<QByteArray> data;
    readMultistatus(answer, &data);
    return merged(data);
}

}  // namespace remote
