#pragma once

#include <QString>

// What the system lets the current user do with a device file.
namespace DeviceAccess {

// 0 when the user may read and write `path`, else the errno of the refusal
// (ENOENT for a missing device, EACCES when not permitted).
int Refusal(const QString &path);
// The name of the group that owns `path`; empty when unknown.
QString Group(const QString &path);

} // namespace DeviceAccess
