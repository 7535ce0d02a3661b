#include "unit/StopSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Written by the handler, read on the event loop's thread.
int WakeFds[2] = {-1, -1};

extern "C" void Wake(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(WakeFds[0], &byte, 1);
}

constexpr int Signals[] = {SIGINT, SIGTERM, SIGHUP};

} // namespace

StopSignals::StopSignals(QObject *parent)
    : QObject(parent)
{
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, WakeFds) != 0)
        return;  // the default handlers then end the process as before
    m_notifier = new QSocketNotifier(WakeFds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte;
        [[maybe_unused]] const ssize_t read = ::read(WakeFds[1], &byte, 1);
        emit Stop();
    });
    struct sigaction action {};
    action.sa_handler = Wake;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : Signals)
        sigaction(number, &action, nullptr);
}

StopSignals::~StopSignals()
{
    if (!m_notifier)
        return;
    for (int number : Signals)
        std::signal(number, SIG_DFL);
    delete m_notifier;
    ::close(WakeFds[0]);
    ::close(WakeFds[1]);
    WakeFds[0] = WakeFds[1] = -1;
}
