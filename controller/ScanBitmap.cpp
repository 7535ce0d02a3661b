#include "controller/ScanBitmap.h"

#include "app/QlError.h"
#include "document/Artwork.h"

#include <QFile>
#include <QPainter>

#include <cstring>

TScanBitmap::TScanBitmap(QImage &bitmap)
{
    if (bitmap.format() != QImage::Format_BGR888)
        bitmap = bitmap.convertToFormat(QImage::Format_BGR888);
    m_height = bitmap.height();
    m_width = bitmap.width();
    m_rows.reserve(m_height);
    for (int r = 0; r < m_height; ++r)
        m_rows.push_back(bitmap.scanLine(r));
}

template <typename SourceOf>
QImage TScanBitmap::Turned(int width, int height, SourceOf sourceOf) const
{
    QImage result(width, height, QImage::Format_BGR888);
    for (int r = 0; r < height; ++r) {
        uchar *out = result.scanLine(r);
        for (int c = 0; c < width; ++c) {
            const auto [sr, sc] = sourceOf(r, c);
            std::memcpy(out + 3 * c, m_rows[sr] + 3 * sc, 3);
        }
    }
    return result;
}

QImage TScanBitmap::Rotated90() const
{
    const int h = m_height;
    return Turned(m_height, m_width, [h](int r, int c) { return std::pair{h - 1 - c, r}; });
}

QImage TScanBitmap::Rotated180() const
{
    const int h = m_height, w = m_width;
    return Turned(m_width, m_height,
                  [h, w](int r, int c) { return std::pair{h - 1 - r, w - 1 - c}; });
}

QImage TScanBitmap::Rotated270() const
{
    const int w = m_width;
    return Turned(m_height, m_width, [w](int r, int c) { return std::pair{c, w - 1 - r}; });
}

void DrawRotated(const QImage &bitmap, QPainter &canvas, int x, int turn, int y)
{
    if (turn == TurnNone) {
        canvas.drawImage(x, y, bitmap);
        return;
    }
    if (turn != Turn90 && turn != Turn180 && turn != Turn270)
        throw QlError(QStringLiteral("Invalid picture turn %1").arg(turn));
    QImage source = bitmap;
    const TScanBitmap scan(source);
    const int w = scan.Width(), h = scan.Height();
    if (turn == Turn90)
        canvas.drawImage(x - h, y, scan.Rotated90());
    else if (turn == Turn180)
        canvas.drawImage(x - w, y - h, scan.Rotated180());
    else
        canvas.drawImage(x, y - w, scan.Rotated270());
}

void DrawFileBitmap(QPainter &canvas, const QString &path, int x, bool turned, int y)
{
    if (!QFile::exists(path))
        return;
    const QImage bitmap(path);
    if (bitmap.isNull())
        throw QlError(QStringLiteral("Cannot read picture file %1").arg(path));
    DrawRotated(bitmap, canvas, x, turned ? Turn90 : TurnNone, y);
}

void DrawResourceBitmap(QPainter &canvas, const QString &name, int x, bool turned, int y)
{
    const QImage bitmap = Artwork::Picture(name);
    if (!bitmap.isNull())
        DrawRotated(bitmap, canvas, x, turned ? Turn90 : TurnNone, y);
}
