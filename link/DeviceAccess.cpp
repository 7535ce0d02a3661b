#include "link/DeviceAccess.h"

#include <QFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace DeviceAccess {

int Refusal(const QString &path)
{
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(path).constData(), R_OK | W_OK) == 0 ? 0 : errno;
#else
    Q_UNUSED(path);
    return 0;
#endif
}

QString Group(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status{};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return QString();
    const group *owner = ::getgrgid(status.st_gid);
    return owner ? QString::fromLocal8Bit(owner->gr_name) : QString();
#else
    Q_UNUSED(path);
    return QString();
#endif
}

} // namespace DeviceAccess
