#pragma once

#include "link/SerialDeviceSource.h"

#include <QHash>

// Serial devices as a test lays them out: devices come and go on request,
// and any path may be refused.
class FakeSerialDevices : public SerialDeviceSource
{
public:
    QList<SerialDeviceInfo> devices;
    QHash<QString, int> refusals;  // path -> errno; missing paths are allowed
    QHash<QString, QString> groups;
    bool watching = false;

    QList<SerialDeviceInfo> Devices() const override { return devices; }
    void SetWatching(bool on) override { watching = on; }
    int AccessRefusal(const QString &path) const override { return refusals.value(path); }
    QString DeviceGroup(const QString &path) const override { return groups.value(path); }

    // Replaces the device list and tells the watchers.
    void Change(const QList<SerialDeviceInfo> &now)
    {
        devices = now;
        emit DevicesChanged();
    }
};
