#pragma once

#include <QString>

#include <exception>
#include <utility>

namespace common {

// The common error report: every guarded procedure shows a failure in one
// modal box titled "Application Error" and then goes on with its next step.
//
// A guarded procedure creates one Guard with its location literal and wraps
// each numbered step in it:
//
//     Guard step(LoadLocation);  // "in Dorvane2021/08/31.<window>.<procedure> "
//     step(100, [&] { applySkin(*this); });
//     step(102, [&] { setWindowTitle(ProductName); });
//
// A step that throws is reported with its own line number, including failures
// deep inside the helpers it calls; the procedure then carries on with the
// next step. guarded() runs code without starting a new line, so a failure
// there is reported with the last line started (0 before the first).

inline constexpr const char* SupportAddress = "support@dorvane.example";

// "<description>\r\n<location>at line <line>\r\rPlease email screenshot of this message to <address>"
QString errorReportText(const QString& description, const QString& location, int line);

// Shows the report (exclamation icon, OK) through the platform message boxes.
void showErrorReport(const QString& description, const QString& location, int line);

// The description of the exception in flight; call only inside a catch block.
QString describeCurrentException();

class Guard {
public:
    explicit Guard(const char* location) : m_location(QString::fromLatin1(location)) {}

    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

    // Starts numbered line `line` and runs `step` under the trap.
    // Returns false when the step failed (and was reported).
    template <class Step>
    bool operator()(int line, Step&& step)
    {
        m_line = line;
        return guarded(std::forward<Step>(step));
    }

    // Runs `code` under the trap without starting a new line.
    template <class Code>
    bool guarded(Code&& code)
    {
        try {
            std::forward<Code>(code)();
            return true;
        } catch (...) {
            showErrorReport(describeCurrentException(), m_location, m_line);
            return false;
        }
    }

    int line() const { return m_line; }
    const QString& location() const { return m_location; }

private:
    QString m_location;
    int m_line = 0;
};

}  // namespace common
