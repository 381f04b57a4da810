#pragma once

#include <QString>

#include <stdexcept>

namespace word {

// What a failing automation call raises: the description Word (or the
// automation layer) gives for the failure. Guarded procedures show it as is.
class AutomationError : public std::runtime_error {
public:
    explicit AutomationError(const QString& description);

    QString description() const { return m_description; }

    // Descriptions of the failures the automation layer itself raises.
    static const QString ObjectNotSet;         // a member used on a released or never set object
    static const QString CannotCreateObject;   // no "Word.Application" to create or attach to
    static const QString ServerUnavailable;    // the instance has quit
    static const QString ObjectDeleted;        // the document has been closed

private:
    QString m_description;
};

}  // namespace word
