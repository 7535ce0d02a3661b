#include "link/SerialDeviceSource.h"

#include <QFileInfo>

const SerialDeviceInfo *SerialDeviceSource::Find(const QList<SerialDeviceInfo> &devices,
                                                 const QString &name)
{
    const QString node = QFileInfo(name).canonicalFilePath();
    for (const SerialDeviceInfo &device : devices)
        if (device.path == name || device.stableName == name
            || (!node.isEmpty() && device.path == node))
            return &device;
    return nullptr;
}
