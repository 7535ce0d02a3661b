#include "unit/DeviceLine.h"

#include "app/QlError.h"

DeviceLine::DeviceLine(const QString &path, QObject *parent)
    : UnitLine(parent)
{
    m_port.setPortName(path);
    if (!m_port.open(QIODevice::ReadWrite))
        throw QlError(QStringLiteral("%1: %2").arg(path, m_port.errorString()));
    const bool set = m_port.setBaudRate(QSerialPort::Baud9600) && m_port.setDataBits(QSerialPort::Data8)
                     && m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop)
                     && m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!set)
        throw QlError(QStringLiteral("%1: %2").arg(path, m_port.errorString()));
    connect(&m_port, &QSerialPort::readyRead, this, [this] { emit Received(m_port.readAll()); });
    connect(&m_port, &QSerialPort::errorOccurred, this, &DeviceLine::PortFailed);
}

void DeviceLine::Write(const QByteArray &data)
{
    m_port.write(data);
}

// A device that went away floods read errors until it is closed.
void DeviceLine::PortFailed(QSerialPort::SerialPortError error)
{
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError)
        return;
    const QString message = m_port.errorString();
    m_port.close();
    emit Lost(QStringLiteral("%1 went away (%2)").arg(m_port.portName(), message));
}
