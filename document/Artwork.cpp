#include "document/Artwork.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Artwork {

QString ResourcePath(const QString &name)
{
    return QStringLiteral(":/art/") + name + QStringLiteral(".png");
}

QImage Picture(const QString &name)
{
    const QString path = ResourcePath(name);
    if (name.isEmpty() || !QFile::exists(path))
        return {};
    return QImage(path);
}

QString BlockDiagramName(const QString &code)
{
    return code + QStringLiteral("BD");
}

QByteArray CoverPlateJpeg()
{
    QFile file(QStringLiteral(":/art/CoverPlate.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString HiResFolder()
{
    return HiResFolderOf(QCoreApplication::applicationDirPath());
}

QString HiResFolderOf(const QString &programFolder)
{
    const QDir folder(programFolder);
    const QString beside = folder.filePath(QStringLiteral("HiResArt"));
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(folder.filePath(QStringLiteral(QL_DATA_FROM_PROGRAM "/HiResArt")));
}

QString HiResPath(const QString &name)
{
    return HiResFolder() + QLatin1Char('/') + name + QStringLiteral(".bmp");
}

QImage HiResPicture(const QString &name)
{
    const QString path = HiResPath(name);
    if (name.isEmpty() || !QFile::exists(path))
        return {};
    return QImage(path);
}

} // namespace Artwork
