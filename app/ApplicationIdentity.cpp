#include "app/ApplicationIdentity.h"

#include "document/Artwork.h"

#include <QFile>
#include <QGuiApplication>

namespace ApplicationIdentity {

QIcon Icon()
{
    QIcon icon;
    for (const int size : IconSizes) {
        const QString path = Artwork::ResourcePath(IconPictureName(size));
        if (QFile::exists(path))
            icon.addFile(path, QSize(size, size));
    }
    return icon;
}

void ApplyTo(QGuiApplication &application)
{
    application.setWindowIcon(Icon());
    application.setDesktopFileName(DesktopName);
}

} // namespace ApplicationIdentity
