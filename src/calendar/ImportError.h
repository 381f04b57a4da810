#pragma once

#include <QString>

#include <stdexcept>

namespace calendar {

// A calendar that cannot be imported: unreadable, not iCalendar, malformed, or
// beyond one of the limits in ImportLimits.h. message() is the sentence shown
// to the user; nothing has been changed when it is thrown.
class ImportError : public std::runtime_error {
public:
    explicit ImportError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

}  // namespace calendar
