#include "HttpSession.h"

#include "NetworkFailure.h"
#include "PasswordKeyring.h"
#include "errors/UserError.h"
#include "remote/Cancelled.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QTimer>

namespace remote {

namespace {

// The server's own words on a refusal: the status line and the first line of
// a short plain answer, which servers use to say why.
QString refusalOf(int status, const QByteArray& reason, const QByteArray& body)
{
    QString refusal = QStringLiteral("%1 %2").arg(status).arg(QString::fromLatin1(reason)).trimmed();
    const QString first = QString::fromUtf8(body.left(200)).section(QLatin1Char('\n'), 0, 0).trimmed();
    if (!first.isEmpty() && !first.startsWith(QLatin1Char('<')))
        refusal += QStringLiteral(": ") + first;
    return refusal;
}

}  // namespace

// What one request (with its redirects and sign-ins) has seen so far.
struct HttpSession::Attempt {
    bool credentialsOffered = false;  // for the reply in flight
    QString realm;
    bool cancelled = false;
    bool tooLarge = false;
    QString timedOut;  // the message, once a timer ended the reply
    QList<QSslError> sslErrors;
    qint64 maxBytes = MaxAnswerBytes;
};

HttpSession::HttpSession(RemoteConversation& conversation, PasswordKeyring& keyring, Timeouts timeouts, QObject* parent)
    : QObject(parent), m_conversation(conversation), m_keyring(keyring), m_timeouts(timeouts)
{
    // http_proxy, https_proxy and no_proxy, as other programs of the desktop.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    m_manager.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    // Credentials live in m_credentials alone, so that a refused password is
    // never offered again from a cache.
    m_manager.setAutoDeleteReplies(false);
    connect(&m_manager, &QNetworkAccessManager::authenticationRequired, this, &HttpSession::authenticate);
}

HttpSession::~HttpSession() = default;

void HttpSession::authenticate(QNetworkReply* reply, QAuthenticator* authenticator)
{
    if (!m_current)
        return;
    m_current->realm = authenticator->realm();
    // Offered once per reply: leaving the authenticator empty ends the reply
    // with its 401, and send() then asks the user.
    if (m_current->credentialsOffered || !m_credentials || m_credentialsOrigin != originOf(reply->url()))
        return;
    m_current->credentialsOffered = true;
    authenticator->setUser(m_credentials->userName);
    authenticator->setPassword(m_credentials->password);
}

std::optional<Credentials> HttpSession::askForCredentials(const QUrl& url, const QString& refusal)
{
    SignInRequest request;
    request.server = serverName(url);
    request.realm = m_current ? m_current->realm : QString();
    request.userName = m_credentials ? m_credentials->userName : m_suggestedUserName;
    request.refusal = refusal;
    request.unencrypted = url.scheme() == QLatin1String("http");
    return m_conversation.signIn(request);
}

HttpAnswer HttpSession::send(const HttpRequest& request)
{
    HttpRequest current = request;
    for (int redirects = 0;; ) {
        Attempt attempt;
        attempt.maxBytes = request.maxBytes;
        HttpAnswer answer = sendOnce(current, attempt);

        if (answer.status == 401) {
            const QString origin = originOf(current.url);
            QString refusal;
            if (attempt.credentialsOffered)
                refusal = refusalOf(answer.status, answer.reason, answer.body);
            std::optional<Credentials> next;
            if (!attempt.credentialsOffered && !m_keyringTried.contains(origin)) {
                m_keyringTried.insert(origin);
                next = m_keyring.read(origin);
            }
            if (!next) {
                m_current = &attempt;
                next = askForCredentials(current.url, refusal);
                m_current = nullptr;
            }
            if (!next) {
                if (attempt.credentialsOffered)
                    throw errors::UserError(statusFailure(current.url, answer.status, answer.reason));
                throw Cancelled();
            }
            m_credentials = next;
            m_credentialsOrigin = origin;
            // Qt would otherwise try the refused credentials once more on its own.
            m_manager.clearAccessCache();
            continue;
        }
        if (m_credentials && m_credentials->remember && attempt.credentialsOffered) {
            m_credentials->remember = false;
            if (const QString failure = m_keyring.store(m_credentialsOrigin, *m_credentials); !failure.isEmpty())
                m_conversation.passwordNotRemembered(failure);
        }

        if (answer.status < 300 || answer.status >= 400 || answer.status == 304)
            return answer;
        // Followed here rather than by Qt, so that a CalDAV request keeps
        // its method and body and every hop is checked the same way.
        const QUrl target = answer.location;
        if (++redirects > MaxRedirects)
            throw errors::UserError(tr("The server %1 sent the request on more than %2 times; the address may lead in a circle.")
                                  .arg(serverName(request.url))
                                  .arg(MaxRedirects));
        requireSafeHandOver(current.url, target);
        current.url = target;
    }
}

void HttpSession::requireSafeHandOver(const QUrl& from, const QUrl& to)
{
    if (!to.isValid() || (to.scheme() != QLatin1String("https") && to.scheme() != QLatin1String("http")))
        throw errors::UserError(tr("The server %1 sent the request on to an address that cannot be used.").arg(serverName(from)));
    if (from.scheme() == QLatin1String("https") && to.scheme() == QLatin1String("http"))
        throw errors::UserError(tr("The server %1 sent the request on from a secure (https) address to an insecure (http) one, %2; "
                             "Dorvane does not follow it.")
                              .arg(serverName(from), to.toString(QUrl::RemoveUserInfo)));
}

HttpAnswer HttpSession::sendOnce(const HttpRequest& request, Attempt& attempt)
{
    QNetworkRequest wire(request.url);
    for (const auto& [name, value] : request.headers)
        wire.setRawHeader(name, value);
    wire.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    wire.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    wire.setRawHeader("User-Agent", "Dorvane");
    // The system's certificate store, and no exceptions to it.
    wire.setSslConfiguration(QSslConfiguration::defaultConfiguration());
    // A packed answer (gzip, deflate) is unpacked by Qt, which stops one that
    // grows out of all proportion to what came over the wire: from our limit
    // on, not from its own 10 MB, so that no calendar under the limit is refused.
    wire.setDecompressedSafetyCheckThreshold(request.maxBytes);

    QNetworkReply* reply = request.body.isEmpty() && request.method == "GET"
                               ? m_manager.get(wire)
                               : m_manager.sendCustomRequest(wire, request.method, request.body);
    std::unique_ptr<QNetworkReply> owner(reply);
    m_current = &attempt;

    QEventLoop loop;
    // Connect, then stall: restarted by every sign of life. Overall: the
    // whole answer, so that a trickle cannot hold the import for ever.
    QTimer timer;
    QTimer overall;
    timer.setSingleShot(true);
    overall.setSingleShot(true);
    bool sent = false;       // the request went out
    bool answering = false;  // and a piece of the answer came back
    auto endWith = [&](const QString& message) {
        attempt.timedOut = message;
        reply->abort();
    };
    connect(&timer, &QTimer::timeout, reply, [&] {
        const QString server = serverName(request.url);
        if (answering)
            endWith(tr("The server %1 stopped sending for %2 seconds.").arg(server).arg(m_timeouts.stallMs / 1000.0));
        else
            endWith(tr("The server %1 did not answer within %2 seconds.")
                        .arg(server)
                        .arg((sent ? m_timeouts.stallMs : m_timeouts.connectMs) / 1000.0));
    });
    connect(&overall, &QTimer::timeout, reply, [&] {
        endWith(tr("The server %1 sent too slowly: the answer did not come within %2 seconds.")
                    .arg(serverName(request.url))
                    .arg(m_timeouts.totalMs / 1000.0));
    });
    timer.start(m_timeouts.connectMs);
    overall.start(m_timeouts.totalMs);
    auto stillAlive = [&] { timer.start(m_timeouts.stallMs); };
    connect(reply, &QNetworkReply::requestSent, &loop, [&] {
        sent = true;
        stillAlive();
    });
    connect(reply, &QNetworkReply::uploadProgress, &loop, [&](qint64, qint64) { timer.start(timer.interval()); });
    connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        answering = true;
        stillAlive();
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > attempt.maxBytes) {
            attempt.tooLarge = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64) {
        answering = true;
        stillAlive();
        if (received > attempt.maxBytes) {
            attempt.tooLarge = true;
            reply->abort();
            return;
        }
        m_conversation.transferProgress(received);
    });
    connect(reply, &QNetworkReply::sslErrors, &loop, [&](const QList<QSslError>& errors) { attempt.sslErrors = errors; });
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);

    m_conversation.transferStarted(request.url, [&attempt, reply] {
        attempt.cancelled = true;
        reply->abort();
    });
    if (!reply->isFinished())
        loop.exec();
    timer.stop();
    overall.stop();
    m_conversation.transferEnded();
    m_current = nullptr;

    if (attempt.cancelled)
        throw Cancelled();
    if (attempt.tooLarge)
        throw errors::UserError(tr("The answer of %1 is larger than %2 MB, more than any calendar Dorvane reads.")
                              .arg(serverName(request.url))
                              .arg(attempt.maxBytes / (1024 * 1024)));
    if (!attempt.timedOut.isEmpty())
        throw errors::UserError(attempt.timedOut);

    HttpAnswer answer;
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (answer.status == 0)
        throw errors::UserError(networkFailure(request.url, reply->error(), attempt.sslErrors));
    // What Qt reports when it gave up unpacking a successful answer: past
    // the limit at a ratio no calendar has, or packed wrongly.
    if (answer.status < 300 && reply->error() == QNetworkReply::UnknownContentError)
        throw errors::UserError(tr("The answer of %1 cannot be unpacked: unpacked, it is larger than %2 MB, more than any "
                                   "calendar Dorvane reads, or it is damaged.")
                                    .arg(serverName(request.url))
                                    .arg(attempt.maxBytes / (1024 * 1024)));
    // A failure of the connection after the status line came: the body is
    // short of what the server announced, and a calendar cut short loses appointments.
    if (const QNetworkReply::NetworkError failed = reply->error();
        failed != QNetworkReply::NoError && failed < QNetworkReply::ContentAccessDenied)
        throw errors::UserError(
            tr("The server %1 broke off its answer before the end. Try again later.").arg(serverName(request.url)));
    answer.reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
    answer.url = request.url;
    answer.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray().split(';').front().trimmed().toLower();
    answer.body = reply->readAll();
    if (reply->hasRawHeader("Location"))
        answer.location = request.url.resolved(QUrl(QString::fromUtf8(reply->rawHeader("Location"))));
    if (answer.body.size() > attempt.maxBytes)
        throw errors::UserError(tr("The answer of %1 is larger than %2 MB, more than any calendar Dorvane reads.")
                              .arg(serverName(request.url))
                              .arg(attempt.maxBytes / (1024 * 1024)));
    return answer;
}

void HttpSession::requireSuccess(const HttpAnswer& answer)
{
    if (answer.status >= 400)
        throw errors::UserError(statusFailure(answer.url, answer.status, answer.reason));
}

}  // namespace remote
