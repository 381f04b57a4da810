#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

namespace remote {

// What the server said when it asked for a password.
struct SignInRequest {
    QString server;        // host (and port when not the usual one)
    QString realm;         // the server's name for the protected area; may be empty
    QString userName;      // suggested: the one tried last, or from the address
    QString refusal;       // the server's refusal of the last attempt; empty on the first
    bool unencrypted = false;  // plain http: the password travels readable
};

struct Credentials {
    QString userName;
    QString password;
    bool remember = false;  // store in the keyring once the server accepted it
};

// The questions the remote client puts to the user, and the progress it
// reports, answered by the window that started it (entry/RemoteDialogs).
// Every call is made on the thread of the event loop, from within a nested
// loop of the client; the window's dialogs run their own.
class RemoteConversation {
public:
    virtual ~RemoteConversation() = default;

    // Nothing: the user declined to sign in.
    virtual std::optional<Credentials> signIn(const SignInRequest& request) = 0;

    // Index into `names` (display names, at least two); nothing: declined.
    virtual std::optional<int> chooseCalendar(const QStringList& names) = 0;

    // A transfer from `address` started; calling `cancel` ends it at once
    // (the client then throws Cancelled). Each transferStarted is followed
    // by transferEnded, with any number of transferProgress between them.
    virtual void transferStarted(const QUrl& address, std::function<void()> cancel) = 0;
    virtual void transferProgress(qint64 bytesSoFar) = 0;
    virtual void transferEnded() = 0;

    // A password the user asked to remember could not go into the keyring;
    // `reason` ends the sentence. Said once for each sign-in.
    virtual void passwordNotRemembered(const QString& reason) = 0;
};

}  // namespace remote
