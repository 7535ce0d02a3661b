#include "link/PortNotices.h"

#include "link/PortReconnect.h"

namespace PortNotices {

namespace {

QString PortAndDevice(int portNo, const QString &device)
{
    return QStringLiteral("%1 (%2)").arg(PortName(portNo), device);
}

QString WhatToDo(const PortOpenFailure &failure, const QString &group)
{
    const QString port = PortName(failure.portNo);
    switch (failure.reason) {
    case PortOpenError::Reason::NotPermitted:
        return QStringLiteral("To use it, %1").arg(PermissionHint(group));
    case PortOpenError::Reason::Missing:
        return QStringLiteral("Plug the adapter in, or choose its device under Tools > Ports..., "
                              "then choose %1 again.").arg(port);
    case PortOpenError::Reason::InUse:
        return QStringLiteral("Another program is using it: close that program, then choose %1 "
                              "again.").arg(port);
    case PortOpenError::Reason::Other:
        break;
    }
    return QStringLiteral("Check the device under Tools > Ports..., then choose %1 again.").arg(port);
}

} // namespace

QString PortName(int portNo)
{
    return QStringLiteral("COM%1").arg(portNo);
}

QString PermissionHint(const QString &group)
{
    return QStringLiteral("add your user to the group %1, then log in again.")
        .arg(group.isEmpty() ? QStringLiteral("dialout") : group);
}

QString OpenFailed(const PortOpenFailure &failure, const QString &group)
{
    return QStringLiteral("%1 could not be opened: %2. %3")
        .arg(PortAndDevice(failure.portNo, failure.device), failure.message,
             WhatToDo(failure, group));
}

QString LineLost(int portNo, const QString &device, const QString &reason, bool reopening)
{
    const QString port = PortName(portNo);
    const QString whatToDo =
        reopening ? QStringLiteral("Plug the adapter in again: %1 is reopened when it returns "
                                   "within %2 minutes.").arg(port).arg(PortReconnect::WatchMinutes)
                  : QStringLiteral("Plug the adapter in again and choose %1.").arg(port);
    return QStringLiteral("The line on %1 was lost: %2. %3")
        .arg(PortAndDevice(portNo, device), reason, whatToDo);
}

QString Reopened(int portNo, const QString &device)
{
    return QStringLiteral("%1 is back: the port is open again.").arg(PortAndDevice(portNo, device));
}

QString NotReturned(int portNo, const QString &device)
{
    return QStringLiteral("%1 did not come back within %2 minutes: plug the adapter in and choose %3.")
        .arg(PortAndDevice(portNo, device)).arg(PortReconnect::WatchMinutes).arg(PortName(portNo));
}

} // namespace PortNotices
