#include "unit/PtyLine.h"

#include "app/QlError.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

QlError SystemError(const char *step)
{
    return QlError(QStringLiteral("%1: %2").arg(QLatin1String(step), QString::fromLocal8Bit(std::strerror(errno))));
}

} // namespace

PtyLine::PtyLine(QObject *parent)
    : UnitLine(parent)
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        throw SystemError("no pseudo-terminal");
    const char *name = nullptr;
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0 || !(name = ptsname(m_master))) {
        const QlError error = SystemError("pseudo-terminal not usable");
        ::close(m_master);
        throw error;
    }
    m_devicePath = QString::fromLocal8Bit(name);
    m_device = ::open(name, O_RDWR | O_NOCTTY);
    termios settings{};
    if (m_device < 0 || tcgetattr(m_device, &settings) != 0) {
        const QlError error = SystemError("pseudo-terminal not usable");
        if (m_device >= 0)
            ::close(m_device);
        ::close(m_master);
        throw error;
    }
    cfmakeraw(&settings);
    cfsetspeed(&settings, B9600);
    tcsetattr(m_device, TCSANOW, &settings);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);

    m_readable = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_readable, &QSocketNotifier::activated, this, &PtyLine::ReadAvailable);
    m_writable = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writable->setEnabled(false);
    connect(m_writable, &QSocketNotifier::activated, this, &PtyLine::WritePending);
}

PtyLine::~PtyLine()
{
    delete m_readable;
    delete m_writable;
    ::close(m_device);
    ::close(m_master);
}

void PtyLine::Write(const QByteArray &data)
{
    m_pending += data;
    WritePending();
}

void PtyLine::ReadAvailable()
{
    char buffer[4096];
    const ssize_t count = ::read(m_master, buffer, sizeof buffer);
    if (count > 0) {
        emit Received(QByteArray(buffer, count));
    } else if (count == 0 || (errno != EAGAIN && errno != EINTR)) {
        m_readable->setEnabled(false);
        emit Lost(count == 0 ? QStringLiteral("the pseudo-terminal closed") : SystemError("read").message());
    }
}

void PtyLine::WritePending()
{
    while (!m_pending.isEmpty()) {
        const ssize_t count = ::write(m_master, m_pending.constData(), m_pending.size());
        if (count < 0) {
            if (errno == EINTR)
                continue;
            if (errno != EAGAIN) {
                m_pending.clear();
                emit Lost(SystemError("write").message());
            }
            break;
        }
        m_pending.remove(0, count);
    }
    m_writable->setEnabled(!m_pending.isEmpty());
}
