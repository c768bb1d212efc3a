#include "TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <array>
#include <cerrno>

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

namespace quelta {

namespace {

constexpr std::array handledSignals{SIGTERM, SIGINT, SIGHUP};
// [0] is written by the handler, [1] read by the notifier.
int signalSocket[2] = {-1, -1};

// Only async-signal-safe calls here: the number goes through the socket to the event loop.
void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(signalSocket[0], &byte, 1);
    errno = savedErrno;
}

void setHandler(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : handledSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSocket) != 0)
        return;
    m_notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPending);
    setHandler(&onSignal);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    setHandler(SIG_DFL);
    delete m_notifier;
    ::close(signalSocket[0]);
    ::close(signalSocket[1]);
    signalSocket[0] = signalSocket[1] = -1;
}

void TerminationSignals::endLoopOf(QCoreApplication &app, int &status)
{
    connect(this, &TerminationSignals::received, &app, [&app, &status](int signalNumber) {
        status = 128 + signalNumber;
        app.exit(status);
    });
}

void TerminationSignals::readPending()
{
    unsigned char byte = 0;
    while (::read(signalSocket[1], &byte, 1) == 1)
        Q_EMIT received(byte);
}

} // namespace quelta
