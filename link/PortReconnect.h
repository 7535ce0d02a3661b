#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class SerialDeviceSource;

// Reopens a lost port when its device comes back: the same path, or for a
// device with a serial number (a USB adapter) the same maker and serial number under
// whatever name it gets. It looks once a second for WatchMinutes.
class PortReconnect : public QObject
{
    Q_OBJECT

public:
    static constexpr int WatchMinutes = 10;
    static constexpr int PollIntervalMs = 1000;
    static constexpr int PollLimit = WatchMinutes * 60 * 1000 / PollIntervalMs;

    // Opens port n on a device; false when it cannot (yet).
    using Reopen = std::function<bool(int portNo, const QString &device)>;

    PortReconnect(const SerialDeviceSource &devices, Reopen reopen, QObject *parent = nullptr);

    // Port n is open on `device`: it is the one watched for when lost.
    void Opened(int portNo, const QString &device);
    // The port last opened was lost: starts looking for its device.
    void Watch();
    void Stop();
    bool Watching() const { return m_timer.isActive(); }

    // Looks once for the device and reopens the port when it is back.
    void Poll();

signals:
    void Reopened(int portNo, const QString &device);
    // The device did not come back within WatchMinutes.
    void NotReturned(int portNo, const QString &device);

private:
    // The path of the device when it is back; empty while not.
    QString ReturnedDevice() const;

    const SerialDeviceSource &m_devices;
    Reopen m_reopen;
    QTimer m_timer;
    int m_polls = 0;
    int m_portNo = 0;
    QString m_device;
    QString m_serialNumber;  // with the maker, what names a USB adapter wherever it appears
    QString m_manufacturer;
};
