#pragma once

#include "unit/UnitLine.h"

#include <QSerialPort>

// A real serial device at 9600 baud, 8 data bits, no parity, 1 stop bit and
// no handshake, as the program's port: the program runs on another machine
// behind a null-modem cable.
class DeviceLine : public UnitLine
{
    Q_OBJECT

public:
    // Throws QlError with the system's reason when the device cannot be opened.
    explicit DeviceLine(const QString &path, QObject *parent = nullptr);

    void Write(const QByteArray &data) override;

private:
    void PortFailed(QSerialPort::SerialPortError error);

    QSerialPort m_port;
};
