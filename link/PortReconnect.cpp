#include "link/PortReconnect.h"

#include "link/SerialDeviceSource.h"

#include <QFileInfo>

PortReconnect::PortReconnect(const SerialDeviceSource &devices, Reopen reopen, QObject *parent)
    : QObject(parent), m_devices(devices), m_reopen(std::move(reopen))
{
    m_timer.setInterval(PollIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &PortReconnect::Poll);
}

void PortReconnect::Opened(int portNo, const QString &device)
{
    Stop();
    m_portNo = portNo;
    m_device = device;
    const SerialDeviceInfo *info = SerialDeviceSource::Find(m_devices.Devices(), device);
    m_serialNumber = info ? info->serialNumber : QString();
    m_manufacturer = info ? info->manufacturer : QString();
}

void PortReconnect::Watch()
{
    if (m_portNo == 0)
        return;
    m_polls = 0;
    m_timer.start();
}

void PortReconnect::Stop()
{
    m_timer.stop();
}

void PortReconnect::Poll()
{
    if (!Watching())
        return;
    const int portNo = m_portNo;
    const QString device = ReturnedDevice();
    if (!device.isEmpty() && m_reopen(portNo, device)) {
        Stop();
        emit Reopened(portNo, device);
        return;
    }
    if (++m_polls >= PollLimit) {
        Stop();
        emit NotReturned(portNo, m_device);
    }
}

QString PortReconnect::ReturnedDevice() const
{
    if (QFileInfo::exists(m_device))
        return m_device;
    if (m_serialNumber.isEmpty())
        return QString();
    for (const SerialDeviceInfo &device : m_devices.Devices())
        if (device.serialNumber == m_serialNumber && device.manufacturer == m_manufacturer)
            return device.path;
    return QString();
}
