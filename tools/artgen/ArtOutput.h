#pragma once

#include <QByteArray>
#include <QDir>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class QPainter;

// A drawing in normal-resolution pixels; rendered once normal and, for
// pictures that have one, once at the high-resolution scale.
using Drawing = std::function<void(QPainter &)>;

// Writes the pictures into the art folder: "normal/<name>.png" listed in
// art.qrc under ":/art/", and "HiResArt/<name>.bmp". A file whose content is
// unchanged is not rewritten.
class ArtOutput
{
public:
    explicit ArtOutput(const QString &folder);

    // `hiRes` draws the high-resolution file (in normal pixels, scaled up);
    // without it the picture has no high-resolution file.
    void AddPicture(const QString &name, QSize size, const Drawing &normal, const Drawing &hiRes = {});
    void AddResourceFile(const QString &fileName, const QByteArray &bytes);
    // Writes art.qrc; returns the number of files written.
    int Finish();

    // Renders a drawing at `scale` times its size on white.
    static QImage Render(QSize size, const Drawing &drawing, int scale);

private:
    void WriteIfChanged(const QString &path, const QByteArray &bytes);

    QDir m_folder;
    QStringList m_resources;
    int m_written = 0;
};
