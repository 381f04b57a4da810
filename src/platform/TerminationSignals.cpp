#include "TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr int Handled[] = {SIGTERM, SIGHUP};

// [0] is written by the handler, [1] read by the notifier.
int sockets[2] = {-1, -1};
struct sigaction previous[std::size(Handled)];

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const char byte = char(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(sockets[0], &byte, 1);
    errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (sockets[0] >= 0)
        throw std::logic_error("Termination signals are handled already");
    // Non-blocking on both ends: a handler never waits on a full socket (a
    // byte already waiting says enough), and the reader never waits on an empty one.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, sockets) != 0)
        throw std::runtime_error("Cannot make the socket pair for termination signals");
    m_notifier = new QSocketNotifier(sockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignals);

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < std::size(Handled); ++i)
        ::sigaction(Handled[i], &action, &previous[i]);
}

TerminationSignals::~TerminationSignals()
{
    for (size_t i = 0; i < std::size(Handled); ++i)
        ::sigaction(Handled[i], &previous[i], nullptr);
    delete m_notifier;
    for (int& fd : sockets) {
        ::close(fd);
        fd = -1;
    }
}

void TerminationSignals::readSignals()
{
    char byte = 0;
    while (::read(sockets[1], &byte, 1) == 1)
        emit received(int(byte));
}

}  // namespace platform
