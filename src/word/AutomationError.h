#pragma once

#include <QString>

#include <stdexcept>

namespace word {

// What a failing automation call raises: the description Word (or the
// automation layer) gives for the failure, see word/Messages.h. Guarded
// procedures show it as is.
class AutomationError : public std::runtime_error {
public:
    explicit AutomationError(const QString& description);

    const QString& description() const { return m_description; }

private:
    QString m_description;
};

}  // namespace word
