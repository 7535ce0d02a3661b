#include "ArtOutput.h"

#include "Palette.h"

#include "document/Artwork.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <stdexcept>

ArtOutput::ArtOutput(const QString &folder) : m_folder(folder)
{
    for (const char *sub : {"normal", "HiResArt"})
        if (!m_folder.mkpath(QString::fromLatin1(sub)))
            throw std::runtime_error("cannot create the art folder");
}

QImage ArtOutput::Render(QSize size, const Drawing &drawing, int scale)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDotsPerMeterX(2835); // 72 dots per inch: a point is a pixel
    image.setDotsPerMeterY(2835);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    drawing(painter);
    painter.end();
    return image;
}

namespace {

QByteArray Encode(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        throw std::runtime_error("cannot encode a picture");
    return bytes;
}

} // namespace

void ArtOutput::AddPicture(const QString &name, QSize size, const Drawing &normal, const Drawing &hiRes)
{
    AddResourceFile(name + QStringLiteral(".png"),
                    Encode(Palette::ToIndexed(Render(size, normal, 1)), "PNG"));
    if (!hiRes)
        return;
    const QImage large = Palette::ToIndexed(Render(size, hiRes, Artwork::HiResScale));
    WriteIfChanged(m_folder.filePath(QStringLiteral("HiResArt/") + name + QStringLiteral(".bmp")),
                   Palette::EncodeBmpRle8(large));
}

void ArtOutput::AddResourceFile(const QString &fileName, const QByteArray &bytes)
{
    WriteIfChanged(m_folder.filePath(QStringLiteral("normal/") + fileName), bytes);
    m_resources.append(fileName);
}

int ArtOutput::Finish()
{
    QByteArray qrc = "<RCC>\n  <qresource prefix=\"/art\">\n";
    for (const QString &file : m_resources)
        qrc += "    <file alias=\"" + file.toUtf8() + "\">normal/" + file.toUtf8() + "</file>\n";
    qrc += "  </qresource>\n</RCC>\n";
    WriteIfChanged(m_folder.filePath(QStringLiteral("art.qrc")), qrc);
    return m_written;
}

void ArtOutput::WriteIfChanged(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.readAll() == bytes)
        return;
    file.close();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error(("cannot write " + path).toStdString());
    ++m_written;
}
