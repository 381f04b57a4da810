#pragma once

#include <QString>

namespace errors {

// How an operation ended that reports its failure instead of throwing it:
// done, or what failed (a file's path, for one) and why (the system's own
// words, e.g. "No space left on device"). The caller words the message for
// the user from both, or throws it as a UserError. Carries no error numbers
// of any one system.
class Outcome {
public:
    // Done.
    Outcome() = default;
    static Outcome failed(const QString& what, const QString& why) { return Outcome(what, why); }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    // Empty when done.
    const QString& what() const { return m_what; }
    const QString& why() const { return m_why; }

private:
    Outcome(const QString& what, const QString& why) : m_failed(true), m_what(what), m_why(why) {}

    bool m_failed = false;
    QString m_what;
    QString m_why;
};

}  // namespace errors
