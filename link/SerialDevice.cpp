#include "link/SerialDevice.h"

#include <QSettings>

namespace {

QSettings Settings()
{
    return QSettings(QStringLiteral("Korvane"), QStringLiteral("QLSetup"));
}

QString DeviceKey(int portNo)
{
    return QStringLiteral("ComDevice%1").arg(portNo);
}

const QString ReopenKey = QStringLiteral("ReopenPort");

} // namespace

QString SerialDeviceName(int portNo)
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(portNo);
#else
    const QString configured = Settings().value(DeviceKey(portNo)).toString();
    return configured.isEmpty() ? QStringLiteral("/dev/ttyS%1").arg(portNo - 1) : configured;
#endif
}

void SetSerialDeviceName(int portNo, const QString &device)
{
    Settings().setValue(DeviceKey(portNo), device);
}

bool ReopenWhenDeviceReturns()
{
    return Settings().value(ReopenKey, false).toBool();
}

void SetReopenWhenDeviceReturns(bool reopen)
{
    Settings().setValue(ReopenKey, reopen);
}
