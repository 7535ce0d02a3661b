#pragma once

#include <QList>
#include <QObject>
#include <QString>

// One serial device of the system.
struct SerialDeviceInfo
{
    QString path;          // the device node, e.g. /dev/ttyUSB0
    QString description;   // each of these three is empty when unknown
    QString manufacturer;
    QString serialNumber;
    QString stableName;    // its link under /dev/serial/by-id/, empty when none

    // What to store for the device: its stable name when it has one.
    const QString &StoredName() const { return stableName.isEmpty() ? path : stableName; }
    bool operator==(const SerialDeviceInfo &) const = default;
};

// The serial devices of the system, as they come and go.
class SerialDeviceSource : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual QList<SerialDeviceInfo> Devices() const = 0;
    // While watching, DevicesChanged is emitted when a device appears or goes.
    virtual void SetWatching(bool watching) = 0;
    // 0 when the user may read and write `path`, else the errno of the refusal.
    virtual int AccessRefusal(const QString &path) const = 0;
    // The group that owns `path`; empty when unknown.
    virtual QString DeviceGroup(const QString &path) const = 0;

    // The device `name` (a node or a link to one) stands for; nullptr when not listed.
    static const SerialDeviceInfo *Find(const QList<SerialDeviceInfo> &devices,
                                        const QString &name);

signals:
    void DevicesChanged();
};
