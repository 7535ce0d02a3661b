#pragma once

#include "app/QlError.h"
#include "command/SerialLine.h"

#include <QObject>
#include <QSerialPort>

#include <functional>

// Why a device could not be opened; the message is the system's.
class PortOpenError : public QlError
{
public:
    enum class Reason { Missing, NotPermitted, InUse, Other };

    PortOpenError(Reason reason, const QString &message) : QlError(message), m_reason(reason) {}
    Reason reason() const { return m_reason; }

private:
    Reason m_reason;
};

// The serial port to the unit: 9600 baud, 8 data bits, no parity, 1 stop bit,
// no handshake, DTR and RTS inactive, exclusive. Arrivals are signalled on the
// thread that owns the object (the user-interface thread).
class MSCom : public QObject, public SerialLine
{
    Q_OBJECT

public:
    static constexpr int BaudRate = 9600;
    static constexpr int InputQueueSize = 4096;
    static constexpr int WriteTimeoutMs = 100;

    // The system's answer whether the user may read and write a device: 0,
    // or the errno of the refusal.
    using AccessCheck = std::function<int(const QString &device)>;
    // Turns the system's reason for a failure of the open line into its message.
    using LossDescription = std::function<QString(const QString &reason)>;

    explicit MSCom(QObject *parent = nullptr);
    ~MSCom() override;

    // Replaces the check made before every open (tests refuse devices with it).
    void SetAccessCheck(AccessCheck check) { m_accessCheck = std::move(check); }
    // The message of a lost line; without one it is the system's reason.
    void SetLossDescription(LossDescription describe) { m_describeLoss = std::move(describe); }

    bool IsOpen() const override;
    const QString &DeviceName() const { return m_deviceName; }
    // Only while closed.
    void SetDeviceName(const QString &deviceName);
    // Opens DeviceName(); on failure the port stays closed and a
    // PortOpenError with the system's message is thrown.
    void Open();
    // Discards what is queued in both directions and closes; nothing when closed.
    void Close();
    // Starts writing; a write still pending from before gets WriteTimeoutMs to finish.
    void WriteText(const QString &text) override;
    QString ReadAvailable() override;

signals:
    // Characters have arrived.
    void Received();
    // The line failed (device gone, I/O error) and the port has been closed;
    // Failed follows when no write has reported the failure yet.
    void Lost();
    // The line failed (device gone, I/O error) while no write reported it;
    // the port has been closed.
    void Failed(const QString &message);

private:
    void OnError(QSerialPort::SerialPortError error);
    // The text of a failure of the open line.
    QString FailureMessage() const;
    // Throws the closed-port error, or the line's failure once it failed.
    void RequireOpen();

    QSerialPort m_port;
    QString m_deviceName = QStringLiteral("COM1");
    AccessCheck m_accessCheck;
    LossDescription m_describeLoss;
    QString m_failure;            // set once the line failed, until the next open or close
    bool m_failureThrown = false; // a caller has been given m_failure already
};
