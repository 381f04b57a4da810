#include "RemoteCalendar.h"

#include "NetworkFailure.h"
#include "errors/UserError.h"
#include "remote/Cancelled.h"

#include <QCoreApplication>

namespace remote {

namespace {

// An iCalendar text begins so, after an optional byte order mark and blank lines.
bool looksLikeCalendar(const QByteArray& body)
{
    QByteArray start = body.left(64);
    if (start.startsWith("\xEF\xBB\xBF"))
        start.remove(0, 3);
    return start.trimmed().toUpper().startsWith("BEGIN:VCALENDAR");
}

}  // namespace

RemoteCalendar::RemoteCalendar(const CalendarAddress& address, RemoteConversation& conversation, PasswordKeyring& keyring,
                               Timeouts timeouts)
    : m_address(address),
      m_session(std::make_unique<HttpSession>(conversation, keyring, timeouts)),
      m_client(*m_session),
      m_conversation(conversation)
{
    m_session->suggestUserName(address.userName);
}

RemoteCalendar::~RemoteCalendar() = default;

void RemoteCalendar::open()
{
    if (m_address.webcal || m_address.url.path().endsWith(QLatin1String(".ics"), Qt::CaseInsensitive)) {
        download();
        return;
    }
    const std::optional<QList<CalDavCalendar>> calendars = m_client.calendarsAt(m_address.url);
    if (!calendars) {
        download();
        return;
    }
    int chosen = 0;
    if (calendars->size() > 1) {
        QStringList names;
        for (const CalDavCalendar& calendar : *calendars)
            names << calendar.displayName;
        const std::optional<int> pick = m_conversation.chooseCalendar(names);
        if (!pick || *pick < 0 || *pick >= calendars->size())
            throw Cancelled();
        chosen = *pick;
    }
    m_calendar = calendars->at(chosen);
}

void RemoteCalendar::download()
{
    HttpRequest request;
    request.url = m_address.url;
    request.headers = {{"Accept", "text/calendar, */*;q=0.5"}};
    const HttpAnswer answer = m_session->send(request);
    HttpSession::requireSuccess(answer);
    if (!looksLikeCalendar(answer.body)) {
        const QString type = answer.contentType.isEmpty()
                                 ? QCoreApplication::translate("remote::RemoteCalendar", "an answer of unknown type")
                                 : QString::fromLatin1(answer.contentType);
        throw errors::UserError(QCoreApplication::translate("remote::RemoteCalendar",
                                                      "The answer of %1 is not a calendar: the server sent %2.")
                              .arg(serverName(answer.url), type));
    }
    m_file = answer.body;
}

QString RemoteCalendar::name() const { return m_calendar ? m_calendar->displayName : m_address.display(); }

QByteArray RemoteCalendar::weeksData(const QDate& monday, int weeks)
{
    return m_client.eventsBetween(*m_calendar, QDateTime(monday.addDays(-1), QTime(0, 0)),
                                  QDateTime(monday.addDays(7 * qint64(weeks) + 1), QTime(0, 0)));
}

}  // namespace remote
