#pragma once

#include <QObject>

class QSocketNotifier;

namespace platform {

// Brings SIGTERM (the desktop session ending) and SIGHUP (the terminal
// closing) to the event loop as the Qt signal received(), so that the
// program can end the way closing its window does instead of being cut off.
//
// A signal handler may do almost nothing safely, so it only writes the
// signal's number into one end of a socket pair; a QSocketNotifier on the
// other end reads it on the user-interface thread and emits received()
// there, where anything may be done.
//
// One object at a time; while it lives it owns the two signals, and its
// destructor puts back the handling that was there before.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    // Emitted on the user-interface thread, once for every signal that came.
    void received(int signalNumber);

private:
    void readSignals();

    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace platform
