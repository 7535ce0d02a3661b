#include "link/SerialDevice.h"

#include <QSettings>

QString SerialDeviceName(int portNo)
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(portNo);
#else
    const QSettings settings(QStringLiteral("Korvane"), QStringLiteral("QLSetup"));
    const QString configured = settings.value(QStringLiteral("ComDevice%1").arg(portNo)).toString();
    return configured.isEmpty() ? QStringLiteral("/dev/ttyS%1").arg(portNo - 1) : configured;
#endif
}
