#pragma once

#include <QString>

// A symbolic link to the served device, so that the program's settings can
// name one path for every run. It replaces a link left by an earlier run and
// is removed when the unit stops, unless it points elsewhere by then.
class DeviceLink
{
public:
    // Throws QlError when `path` is something other than a link, or the link
    // cannot be made.
    DeviceLink(const QString &path, const QString &target);
    ~DeviceLink();

    DeviceLink(const DeviceLink &) = delete;
    DeviceLink &operator=(const DeviceLink &) = delete;

private:
    QByteArray m_path;
    QByteArray m_target;
};
