#pragma once

#include "RemoteConversation.h"
#include "RemoteLimits.h"

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QUrl>

#include <optional>

class QAuthenticator;
class QNetworkReply;

namespace remote {

class PasswordKeyring;

struct HttpRequest {
    QByteArray method = "GET";
    QUrl url;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    qint64 maxBytes = MaxAnswerBytes;
};

struct HttpAnswer {
    int status = 0;
    QByteArray reason;       // the status line's text, "Not Found"
    QUrl url;                // where the answer came from, after redirects
    QByteArray contentType;  // lower case, without parameters
    QByteArray body;
    QUrl location;           // of a redirect, resolved against url
};

// One conversation with servers over HTTP(S), blocking its caller in a nested
// event loop while the window stays drawn.
//
// send() follows at most MaxRedirects redirects and never one from https to
// http; checks TLS against the system's certificate store and never passes a
// bad certificate; uses the environment's proxy settings; ends a request that
// does not connect within Timeouts::connectMs, stalls for Timeouts::stallMs or
// takes longer than Timeouts::totalMs in all, and one whose answer, unpacked,
// grows beyond the request's maxBytes. A 401 is answered
// with the password in the keyring for that server, if there is one, and then
// by asking the user (RemoteConversation::signIn) until the server accepts
// or the user declines; an accepted password the user asked to remember goes
// to the keyring, and where it cannot, RemoteConversation::passwordNotRemembered
// says why. Credentials are kept in memory for this session only.
//
// Throws errors::UserError for failures of the network, TLS, the limits and a
// declined sign-in; Cancelled when the user cancelled. Any other HTTP status
// is returned; requireSuccess turns the failing ones into their message.
//
// Lives on the event loop's thread; `conversation` and `keyring` must outlive it.
class HttpSession : public QObject {
    Q_OBJECT
public:
    HttpSession(RemoteConversation& conversation, PasswordKeyring& keyring, Timeouts timeouts, QObject* parent = nullptr);
    ~HttpSession() override;

    HttpAnswer send(const HttpRequest& request);

    // The user name Sign In suggests until one was given there: the one the
    // address named, which the address itself no longer carries.
    void suggestUserName(const QString& userName) { m_suggestedUserName = userName; }

    // Throws errors::UserError with the message for a status of 400 and above.
    static void requireSuccess(const HttpAnswer& answer);

    // The rule for every address a server hands back, a redirect's or one
    // named in an answer (a CalDAV principal, home or calendar): an http or
    // https address, and never from https down to http. Throws errors::UserError
    // naming the server at `from` otherwise.
    static void requireSafeHandOver(const QUrl& from, const QUrl& to);

private:
    struct Attempt;
    HttpAnswer sendOnce(const HttpRequest& request, Attempt& attempt);
    void authenticate(QNetworkReply* reply, QAuthenticator* authenticator);
    std::optional<Credentials> askForCredentials(const QUrl& url, const QString& refusal);

    RemoteConversation& m_conversation;
    PasswordKeyring& m_keyring;
    Timeouts m_timeouts;
    QNetworkAccessManager m_manager;
    std::optional<Credentials> m_credentials;  // for m_credentialsOrigin
    QString m_credentialsOrigin;
    QString m_suggestedUserName;
    QSet<QString> m_keyringTried;  // origins whose keyring entry was tried
    Attempt* m_current = nullptr;
};

}  // namespace remote
