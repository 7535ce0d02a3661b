#include "link/MSCom.h"

#include "link/DeviceAccess.h"

#include <cerrno>

#ifdef Q_OS_UNIX
#include <poll.h>
#endif

namespace {

const QString ClosedPortMessage = QStringLiteral("Can't perform this operation on a closed port");
const QString OpenPortMessage = QStringLiteral("Can't perform this operation on an open port");
const QString TimeoutMessage = QStringLiteral("Timeout");

PortOpenError::Reason ReasonOfRefusal(int error)
{
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return PortOpenError::Reason::Missing;
    case EACCES:
    case EPERM:
        return PortOpenError::Reason::NotPermitted;
    case EBUSY:
        return PortOpenError::Reason::InUse;
    default:
        return PortOpenError::Reason::Other;
    }
}

// The port's error after the access check has let the user in: a permission
// error then means another program holds the device (its lock or TIOCEXCL).
PortOpenError::Reason ReasonOfPortError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return PortOpenError::Reason::Missing;
    case QSerialPort::PermissionError:
        return PortOpenError::Reason::InUse;
    default:
        return PortOpenError::Reason::Other;
    }
}

} // namespace

MSCom::MSCom(QObject *parent)
    : QObject(parent), m_port(this), m_accessCheck(DeviceAccess::Refusal)
{
    connect(&m_port, &QSerialPort::readyRead, this, &MSCom::Received);
    connect(&m_port, &QSerialPort::errorOccurred, this, &MSCom::OnError);
}

MSCom::~MSCom()
{
    Close();
}

bool MSCom::IsOpen() const
{
    return m_port.isOpen() && m_failure.isEmpty();
}

void MSCom::SetDeviceName(const QString &deviceName)
{
    if (m_port.isOpen())
        throw QlError(OpenPortMessage);
    m_deviceName = deviceName;
}

void MSCom::Open()
{
    if (m_port.isOpen())
        throw QlError(OpenPortMessage);
    m_failure.clear();
    m_failureThrown = false;
    if (const int refusal = m_accessCheck(m_deviceName))
        throw PortOpenError(ReasonOfRefusal(refusal), qt_error_string(refusal));
    m_port.setPortName(m_deviceName);
    m_port.setBaudRate(BaudRate);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.setReadBufferSize(InputQueueSize);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const PortOpenError error(ReasonOfPortError(m_port.error()), m_port.errorString());
        m_port.clearError();
        throw error;
    }
    // Pseudo-terminals refuse the modem lines; a real port takes them.
    m_port.setDataTerminalReady(false);
    m_port.setRequestToSend(false);
    m_port.clearError();
    errno = 0;  // drop the refused modem lines' error: a later failure reads errno
    m_port.clear(QSerialPort::AllDirections);
}

void MSCom::Close()
{
    m_failure.clear();
    m_failureThrown = false;
    if (!m_port.isOpen())
        return;
    m_port.clear(QSerialPort::AllDirections);
    m_port.close();
    m_port.clearError();
}

void MSCom::RequireOpen()
{
    if (!m_failure.isEmpty()) {
        m_failureThrown = true;
        throw QlError(m_failure);
    }
    if (!m_port.isOpen())
        throw QlError(ClosedPortMessage);
}

void MSCom::WriteText(const QString &text)
{
    RequireOpen();
    if (m_port.bytesToWrite() > 0 && !m_port.waitForBytesWritten(WriteTimeoutMs)) {
        RequireOpen();
        throw QlError(TimeoutMessage);
    }
    m_port.write(text.toLatin1());
    m_port.flush();  // hand the bytes to the driver now, without blocking
    RequireOpen();
}

QString MSCom::ReadAvailable()
{
    RequireOpen();
    return QString::fromLatin1(m_port.readAll());
}

QString MSCom::FailureMessage() const
{
    // A read that meets the end of a vanished device sets no system error,
    // so the port's message would repeat whatever error happened last
    // anywhere; it is reported as the I/O error a write to it gives.
#ifdef Q_OS_UNIX
    pollfd device{int(m_port.handle()), POLLIN, 0};
    if (::poll(&device, 1, 0) == 1 && (device.revents & (POLLHUP | POLLERR)))
        return qt_error_string(EIO);
#endif
    return errno == 0 ? qt_error_string(EIO) : m_port.errorString();
}

void MSCom::OnError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::ResourceError:
        break;
    default:
        return;  // line errors and refused modem lines are not reported
    }
    if (!m_failure.isEmpty() || !m_port.isOpen())
        return;
    // The port keeps signalling this error until closed. Close it and report
    // once, outside the notifier that reported it: the report may open a
    // dialog whose event loop would otherwise delete that notifier under it.
    m_failure = m_describeLoss ? m_describeLoss(FailureMessage()) : FailureMessage();
    QMetaObject::invokeMethod(this, [this] {
        if (m_failure.isEmpty())
            return;  // closed or reopened by the user meanwhile
        m_port.close();
        m_port.clearError();
        const QString message = m_failure;
        const bool reported = std::exchange(m_failureThrown, true);
        emit Lost();  // its receivers may close the port, which forgets the failure
        if (!reported)
            emit Failed(message);
    }, Qt::QueuedConnection);
}
