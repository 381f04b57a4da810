#pragma once

#include <QString>

#include <stdexcept>

namespace word {

// What a failing automation call raises: the description Word (or the
// automation layer) gives for the failure, see word/Messages.h, and where
// Word said so, its source ("Microsoft Word") and error number. Guarded
// procedures show what() as is.
class AutomationError : public std::runtime_error {
public:
    // Why a call failed: Word refused it (the usual case, and every failure
    // of the built-in engine), or Word did not answer at all: busy past the
    // waiting limit, or gone (closed, killed). A program that gets WordBusy or
    // WordGone cannot go on with that Word.
    enum class Reason { Refused, WordBusy, WordGone };

    explicit AutomationError(const QString& description, const QString& source = {}, long number = 0,
                             Reason reason = Reason::Refused);

    const QString& description() const { return m_description; }
    const QString& source() const { return m_source; }
    long number() const { return m_number; }
    Reason reason() const { return m_reason; }
    bool wordLost() const { return m_reason != Reason::Refused; }
    // The call that failed, as the program made it ("Selection.TypeText(...)"); empty when not named.
    const QString& call() const { return m_call; }

    // The same failure, naming `callText` in what() after the description.
    AutomationError naming(const QString& callText) const;

private:
    QString m_description;
    QString m_source;
    long m_number = 0;
    Reason m_reason = Reason::Refused;
    QString m_call;
};

}  // namespace word
