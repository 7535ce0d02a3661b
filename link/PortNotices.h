#pragma once

#include "link/PortSelector.h"

// The words in which the program tells what happened to a port and what to do.
namespace PortNotices {

// "COM1", ... as the port list names port n.
QString PortName(int portNo);
// How a user gets read and write access to a device of `group` ("dialout"
// when unknown).
QString PermissionHint(const QString &group);
// A port that could not be opened; `group` owns its device.
QString OpenFailed(const PortOpenFailure &failure, const QString &group);
// The open line failed for `reason`; `reopening` when the port is reopened
// by itself once the device returns.
QString LineLost(int portNo, const QString &device, const QString &reason, bool reopening);
// A lost port opened again when its device came back.
QString Reopened(int portNo, const QString &device);
// A lost port whose device did not come back in time.
QString NotReturned(int portNo, const QString &device);

} // namespace PortNotices
