#pragma once

#include "RemoteConversation.h"

#include <QString>

#include <optional>

namespace remote {

// The system's keyring (KeyringSecret.h), holding one
// user name and password for each server a user asked to be remembered.
// The key is the server's origin ("https://host:port"); nothing goes into a
// settings file. Without a keyring read() finds nothing and store() does
// nothing, so the user is asked each time.
class PasswordKeyring {
public:
    virtual ~PasswordKeyring() = default;
    virtual std::optional<Credentials> read(const QString& origin);
    // False when there is no keyring to store in.
    virtual bool store(const QString& origin, const Credentials& credentials);
};

// The origin of `url`, the keyring's key for it: scheme, host and port.
QString originOf(const class QUrl& url);

}  // namespace remote
