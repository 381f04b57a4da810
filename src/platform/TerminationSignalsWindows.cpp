// Windows has no SIGTERM or SIGHUP. What ends a run from outside is:
// - a console's Ctrl+C or Ctrl+Break, its window being closed, the user
//   logging off or the system shutting down, all of which reach a console
//   control handler on a thread of the system's;
// - for a program with windows, WM_ENDSESSION at log-off and shut-down.
// Each becomes received() on the user-interface thread, with SIGINT for
// Ctrl+C and Ctrl+Break and SIGTERM for the others, so the program ends as
// it does on Linux. The system ends the process soon after a control
// handler returns, so the handler waits (a few seconds at most) until the
// user-interface thread has dealt with it.
#include "TerminationSignals.h"

#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QMetaObject>

#include <windows.h>

#include <csignal>
#include <stdexcept>

namespace platform {
namespace {

TerminationSignals* current = nullptr;
HANDLE handled = nullptr;  // set once the UI thread has emitted received()

// How long a control handler keeps the process alive for the clean-up.
constexpr DWORD CleanUpMs = 4000;

BOOL WINAPI onControl(DWORD event)
{
    const int signalNumber = (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) ? SIGINT : SIGTERM;
    TerminationSignals* target = current;
    if (!target)
        return FALSE;
    ::ResetEvent(handled);
    QMetaObject::invokeMethod(
        target,
        [target, signalNumber] {
            emit target->received(signalNumber);
            ::SetEvent(handled);
        },
        Qt::QueuedConnection);
    ::WaitForSingleObject(handled, CleanUpMs);
    return TRUE;
}

// WM_ENDSESSION reaches the program's windows on the UI thread: the session
// ends when the message has been answered, so the clean-up runs right there.
class SessionEndFilter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "windows_generic_MSG" || !current)
            return false;
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message == WM_ENDSESSION && msg->wParam)
            emit current->received(SIGTERM);
        return false;
    }
};

SessionEndFilter* sessionEnd = nullptr;

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (current)
        throw std::logic_error("Termination signals are handled already");
    current = this;
    handled = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ::SetConsoleCtrlHandler(onControl, TRUE);
    sessionEnd = new SessionEndFilter;
    QCoreApplication::instance()->installNativeEventFilter(sessionEnd);
}

TerminationSignals::~TerminationSignals()
{
    ::SetConsoleCtrlHandler(onControl, FALSE);
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(sessionEnd);
    delete sessionEnd;
    sessionEnd = nullptr;
    current = nullptr;
    ::CloseHandle(handled);
    handled = nullptr;
}


}  // namespace platform
