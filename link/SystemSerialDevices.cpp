#include "link/SystemSerialDevices.h"

#include "link/DeviceAccess.h"

#include <QDir>
#include <QHash>
#include <QSerialPortInfo>

#include <algorithm>

namespace {

// Device node -> its stable link, from the links under /dev/serial/by-id/.
QHash<QString, QString> StableNames()
{
    QHash<QString, QString> names;
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo &link : byId.entryInfoList(QDir::AllEntries | QDir::System
                                                    | QDir::NoDotAndDotDot))
        names.insert(link.canonicalFilePath(), link.absoluteFilePath());
    return names;
}

} // namespace

SystemSerialDevices::SystemSerialDevices(QObject *parent) : SerialDeviceSource(parent)
{
    m_poll.setInterval(PollIntervalMs);
    connect(&m_poll, &QTimer::timeout, this, &SystemSerialDevices::Poll);
}

QList<SerialDeviceInfo> SystemSerialDevices::Devices() const
{
    const QHash<QString, QString> stableNames = StableNames();
    QList<SerialDeviceInfo> devices;
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts())
        devices << SerialDeviceInfo{port.systemLocation(), port.description(), port.manufacturer(),
                                    port.serialNumber(), stableNames.value(port.systemLocation())};
    std::sort(devices.begin(), devices.end(),
              [](const SerialDeviceInfo &a, const SerialDeviceInfo &b) { return a.path < b.path; });
    return devices;
}

void SystemSerialDevices::SetWatching(bool watching)
{
    if (!watching) {
        m_poll.stop();
        return;
    }
    m_seen = Devices();
    m_poll.start();
}

void SystemSerialDevices::Poll()
{
    QList<SerialDeviceInfo> now = Devices();
    if (now == m_seen)
        return;
    m_seen = std::move(now);
    emit DevicesChanged();
}

int SystemSerialDevices::AccessRefusal(const QString &path) const
{
    return DeviceAccess::Refusal(path);
}

QString SystemSerialDevices::DeviceGroup(const QString &path) const
{
    return DeviceAccess::Group(path);
}
