#pragma once

#include <QString>

#include <stdexcept>

namespace remote {

// A calendar address that cannot be read: the network, the server, the
// answer or one of the limits in RemoteLimits.h. message() is the reason, one
// or two sentences for the user, naming the server where it matters; it never
// holds a password. Nothing has been changed when it is thrown.
class RemoteError : public std::runtime_error {
public:
    explicit RemoteError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// The user stopped the work (Cancel in the progress or a sign-in dialog);
// nothing has been changed and nothing needs saying.
class Cancelled : public std::exception {
public:
    const char* what() const noexcept override { return "cancelled"; }
};

}  // namespace remote
