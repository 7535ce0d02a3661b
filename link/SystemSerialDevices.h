#pragma once

#include "link/SerialDeviceSource.h"

#include <QTimer>

// The system's serial ports (QSerialPortInfo) with their /dev/serial/by-id/
// links; watching polls them once a second.
class SystemSerialDevices : public SerialDeviceSource
{
    Q_OBJECT

public:
    static constexpr int PollIntervalMs = 1000;

    explicit SystemSerialDevices(QObject *parent = nullptr);

    QList<SerialDeviceInfo> Devices() const override;
    void SetWatching(bool watching) override;
    int AccessRefusal(const QString &path) const override;
    QString DeviceGroup(const QString &path) const override;

private:
    void Poll();

    QTimer m_poll;
    QList<SerialDeviceInfo> m_seen;
};
