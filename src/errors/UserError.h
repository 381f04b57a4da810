#pragma once

#include <QString>

#include <stdexcept>

namespace errors {

// A failure the user is told about, thrown by any layer: a calendar that
// cannot be imported or opened, a file that cannot be written or loaded, no
// printer, a picture that cannot be made. message() is the text shown,
// already translated: one or two sentences, naming the file or server where
// it matters and never a password. what() holds the same text in UTF-8, for
// reports that only see a std::exception. Whoever throws it has changed
// nothing the user relies on.
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

}  // namespace errors
