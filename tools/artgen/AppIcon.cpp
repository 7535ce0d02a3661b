#include "AppIcon.h"

#include "ArtOutput.h"

#include "app/ApplicationIdentity.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <array>
#include <cmath>
#include <stdexcept>

namespace AppIcon {

namespace {

// Face colours of the cards, left to right.
constexpr std::array<QRgb, 8> CardColours = {0x2f7fd0, 0xe0a020, 0x3aa15a, 0xd04a3a,
                                            0x25a6a6, 0x8a5cc8, 0x2f7fd0, 0xe0a020};

// The icon is laid out on a 64-unit grid; Grid converts to whole pixels.
struct Grid {
    int size;
    int operator()(double units) const { return int(std::lround(units * size / 64.0)); }
    QRect Rect(double left, double top, double right, double bottom) const
    {
        return QRect(QPoint((*this)(left), (*this)(top)),
                     QPoint((*this)(right) - 1, (*this)(bottom) - 1));
    }
};

void DrawBody(QPainter &p, const Grid &g, const QRect &body)
{
    QLinearGradient metal(body.topLeft(), body.bottomLeft());
    metal.setColorAt(0, QColor(0x6a, 0x77, 0x84));
    metal.setColorAt(1, QColor(0x2c, 0x34, 0x3c));
    const qreal radius = std::max(1.0, g.size / 20.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x16, 0x1b, 0x20));
    p.drawRoundedRect(body, radius, radius);
    const int rim = std::max(1, g.size / 48);
    p.setBrush(metal);
    p.drawRoundedRect(body.adjusted(rim, rim, -rim, -rim), radius - rim / 2.0, radius - rim / 2.0);
}

// Mounting holes in the ears of the chassis, from 48 pixels up.
void DrawEars(QPainter &p, const Grid &g)
{
    p.setBrush(QColor(0x14, 0x18, 0x1c));
    const qreal r = g.size / 48.0;
    for (const double x : {5.5, 58.5})
        for (const double y : {18.0, 46.0})
            p.drawEllipse(QPointF(g(x), g(y)), r * 1.5, r * 1.5);
}

void DrawCard(QPainter &p, const QRect &face, QRgb colour)
{
    QLinearGradient shade(face.topLeft(), face.topRight());
    shade.setColorAt(0, QColor(colour).lighter(125));
    shade.setColorAt(1, QColor(colour).darker(115));
    p.setBrush(shade);
    p.drawRect(face);

    p.setBrush(QColor(0xb8, 0xff, 0x90));
    if (face.width() < 5) { // too narrow for a round lamp: a lit top edge
        p.drawRect(QRect(face.left(), face.top(), face.width(), 1));
        return;
    }
    const qreal cx = face.left() + face.width() / 2.0;
    const qreal led = face.width() / 5.0;
    p.drawEllipse(QPointF(cx, face.top() + led * 2), led, led);
    if (face.width() < 6)
        return;
    // Two round connectors in the lower half, where they are wide enough to read.
    const qreal ring = face.width() * 0.36;
    for (const double at : {0.55, 0.8}) {
        const QPointF centre(cx, face.top() + face.height() * at);
        p.setBrush(QColor(0xe4, 0xe6, 0xea));
        p.drawEllipse(centre, ring, ring);
        p.setBrush(QColor(0x30, 0x34, 0x38));
        p.drawEllipse(centre, ring * 0.45, ring * 0.45);
    }
}

// The cards side by side in the bay, all of one whole-pixel width, centred.
void DrawCards(QPainter &p, const Grid &g, const QRect &bay)
{
    const int count = g.size < 32 ? 4 : g.size < 128 ? 6 : 8;
    const int gap = std::max(1, int(std::lround(bay.width() * 0.035)));
    const int border = g.size < 32 ? 1 : gap + 1;
    const int width = (bay.width() - 2 * border - (count - 1) * gap) / count;
    const int left = bay.left() + (bay.width() - count * width - (count - 1) * gap) / 2;
    for (int i = 0; i < count; ++i)
        DrawCard(p,
                 QRect(left + i * (width + gap), bay.top() + border, width,
                       bay.height() - 2 * border),
                 CardColours[i]);
}

// The controller's strip under the bay: keys and a power lamp.
void DrawControlStrip(QPainter &p, const Grid &g)
{
    p.setBrush(QColor(0xd8, 0xdc, 0xe0));
    const int step = g(6);
    for (int key = 0; key < 5; ++key)
        p.drawRect(QRect(g(10) + key * step, g(47), g(4), g(50) - g(47)));
    p.setBrush(QColor(0x40, 0xf0, 0x50));
    p.drawEllipse(QRectF(g.Rect(52, 46.5, 56, 50.5)));
}

QByteArray EncodePng(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw std::runtime_error("cannot encode the application icon");
    return bytes;
}

QImage Render(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const Grid g{size};
    const bool small = size < 32;

    const QRect body = g.Rect(1, 11, 63, 55);
    DrawBody(p, g, body);
    if (size >= 48)
        DrawEars(p, g);
    const QRect bay = small ? g.Rect(4, 15, 60, 51) : g.Rect(9, 15, 55, 44);
    p.setBrush(QColor(0x12, 0x16, 0x1a));
    p.drawRect(bay);
    DrawCards(p, g, bay);
    if (!small)
        DrawControlStrip(p, g);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

void AddTo(ArtOutput &out)
{
    for (const int size : ApplicationIdentity::IconSizes)
        out.AddResourceFile(ApplicationIdentity::IconPictureName(size) + QStringLiteral(".png"),
                            EncodePng(Render(size)));
}

} // namespace AppIcon
