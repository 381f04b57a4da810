#pragma once

#include "RemoteConversation.h"

#include <QString>

#include <optional>

namespace remote {

// The system's keyring (KeyringSecret.h), holding one
// user name and password for each server a user asked to be remembered.
// The key is the server's origin ("https://host:port"); nothing goes into a
// settings file. Without a keyring read() finds nothing and store() says
// why it stored nothing, so the user is asked each time.
class PasswordKeyring {
public:
    virtual ~PasswordKeyring() = default;
    virtual std::optional<Credentials> read(const QString& origin);
    // Empty when stored; otherwise why not, as the end of a sentence.
    virtual QString store(const QString& origin, const Credentials& credentials);
};

// The origin of `url`, the keyring's key for it: scheme, host and port.
QString originOf(const class QUrl& url);

}  // namespace remote
