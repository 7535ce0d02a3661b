#include "unit/DeviceLink.h"

#include "app/QlError.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray LinkTarget(const QByteArray &path)
{
    char buffer[4096];
    const ssize_t size = readlink(path.constData(), buffer, sizeof buffer);
    return size < 0 ? QByteArray() : QByteArray(buffer, size);
}

} // namespace

DeviceLink::DeviceLink(const QString &path, const QString &target)
    : m_path(path.toLocal8Bit()), m_target(target.toLocal8Bit())
{
    struct stat info {};
    if (lstat(m_path.constData(), &info) == 0) {
        if (!S_ISLNK(info.st_mode))
            throw QlError(QStringLiteral("%1 exists and is not a link: not replaced").arg(path));
        unlink(m_path.constData());
    }
    if (symlink(m_target.constData(), m_path.constData()) != 0)
        throw QlError(QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
}

DeviceLink::~DeviceLink()
{
    if (LinkTarget(m_path) == m_target)
        unlink(m_path.constData());
}
