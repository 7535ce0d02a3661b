#include "EnclosureArt.h"

#include "DrawingKit.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr qreal OpeningWidth = 30;

QRectF Opening(const Artwork::SlotPlace &place, qreal unit)
{
    const qreal x = place.x / unit, y = place.y / unit;
    return place.turned ? QRectF(x - Artwork::CardHeight, y, Artwork::CardHeight, OpeningWidth)
                        : QRectF(x, y, OpeningWidth, Artwork::CardHeight);
}

void Chassis(QPainter &p, const QSizeF &size)
{
    QLinearGradient paint(0, 0, 0, size.height());
    paint.setColorAt(0, QColor(0x4a, 0x4e, 0x55));
    paint.setColorAt(0.5, QColor(0x35, 0x38, 0x3e));
    paint.setColorAt(1, QColor(0x2a, 0x2c, 0x31));
    p.setPen(QPen(QColor(0x15, 0x15, 0x18), 1));
    p.setBrush(paint);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 3, 3);
    p.setPen(QPen(QColor(0x6a, 0x6e, 0x75), 0.6));
    p.drawLine(QPointF(3, 1.6), QPointF(size.width() - 3, 1.6));
}

void SlotOpening(QPainter &p, const QRectF &opening)
{
    p.setPen(QPen(QColor(0x70, 0x74, 0x7a), 0.6));
    p.setBrush(QColor(0x0c, 0x0c, 0x0e));
    p.drawRect(opening.adjusted(-0.6, -0.6, 0.6, 0.6));
    // Card guide rails inside the opening
    p.setPen(QPen(QColor(0x2c, 0x2e, 0x33), 1.2));
    const bool upright = opening.height() > opening.width();
    if (upright) {
        p.drawLine(QPointF(opening.center().x(), opening.top() + 4), QPointF(opening.center().x(), opening.top() + 14));
        p.drawLine(QPointF(opening.center().x(), opening.bottom() - 14), QPointF(opening.center().x(), opening.bottom() - 4));
    } else {
        p.drawLine(QPointF(opening.left() + 4, opening.center().y()), QPointF(opening.left() + 14, opening.center().y()));
        p.drawLine(QPointF(opening.right() - 14, opening.center().y()), QPointF(opening.right() - 4, opening.center().y()));
    }
}

// Draws the slot number under an upright opening, or beside a turned one
// (left of the leftmost column when there is room, else right); returns the
// right edge of what it drew.
qreal SlotNumber(QPainter &p, const QRectF &opening, int slot, qreal leftmostColumn)
{
    p.setPen(QColor(0xf0, 0xf0, 0xf0));
    p.setFont(ArtFont(6.5, true));
    const QString text = QString::number(slot);
    QRectF box;
    if (opening.height() > opening.width())
        box = QRectF(opening.left(), opening.bottom() + 2, opening.width(), 9);
    else if (opening.left() == leftmostColumn && leftmostColumn >= 12)
        box = QRectF(opening.left() - 12, opening.top(), 11, opening.height());
    else
        box = QRectF(opening.right() + 1, opening.top(), 11, opening.height());
    p.drawText(box, Qt::AlignCenter, text);
    return std::max(box.right(), opening.right());
}

void Screw(QPainter &p, const QPointF &c, qreal r)
{
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 0.5));
    p.setBrush(QColor(0xb8, 0xba, 0xbe));
    p.drawEllipse(c, r, r);
    p.drawLine(c + QPointF(-r * 0.7, 0), c + QPointF(r * 0.7, 0));
    p.drawLine(c + QPointF(0, -r * 0.7), c + QPointF(0, r * 0.7));
}

// Maker and model across `box`, as large as fits; false when it does not fit.
bool Nameplate(QPainter &p, const QRectF &box, const QString &name, bool along)
{
    const QString label = QStringLiteral("QUILLON ") + name;
    const qreal room = along ? box.height() : box.width();
    qreal size = 7;
    while (size > 4 && QFontMetricsF(ArtFont(size, true)).horizontalAdvance(label) > room)
        size -= 0.5;
    if (QFontMetricsF(ArtFont(size, true)).horizontalAdvance(label) > room || (along ? box.width() : box.height()) < 8)
        return false;
    p.save();
    p.setFont(ArtFont(size, true));
    p.setPen(QColor(0xe8, 0xe8, 0xe8));
    if (along) {
        p.translate(box.center().x(), box.bottom());
        p.rotate(-90);
        p.drawText(QRectF(0, -5, room, 10), Qt::AlignLeft | Qt::AlignVCenter, label);
    } else {
        p.drawText(box, Qt::AlignCenter, label);
    }
    p.restore();
    return true;
}

// Power entry, switch and fan in the free area at the right; the nameplate
// too when it fits there. Returns whether the nameplate was drawn.
bool PowerPanel(QPainter &p, const QRectF &area, const QString &name)
{
    const qreal cx = area.center().x();
    const qreal w = std::min<qreal>(area.width() - 6, 30);
    qreal y = area.top() + 4;
    // Fan grille
    const qreal fan = std::min<qreal>(w, area.height() * 0.3);
    p.setPen(QPen(QColor(0x10, 0x10, 0x12), 0.6));
    p.setBrush(QColor(0x1c, 0x1d, 0x21));
    p.drawEllipse(QPointF(cx, y + fan / 2), fan / 2, fan / 2);
    p.setPen(QPen(QColor(0x5a, 0x5d, 0x63), 0.6));
    p.setBrush(Qt::NoBrush);
    for (qreal r = fan / 2 - 2; r > 2; r -= 2.5)
        p.drawEllipse(QPointF(cx, y + fan / 2), r, r);
    p.drawLine(QPointF(cx - fan / 2 + 1, y + fan / 2), QPointF(cx + fan / 2 - 1, y + fan / 2));
    p.drawLine(QPointF(cx, y + 1), QPointF(cx, y + fan - 1));
    y += fan + 6;
    // Rocker switch
    if (area.bottom() - y > 50) {
        p.setPen(QPen(QColor(0x10, 0x10, 0x10), 0.6));
        p.setBrush(QColor(0x16, 0x16, 0x18));
        p.drawRect(QRectF(cx - 5, y, 10, 15));
        p.setBrush(QColor(0xc0, 0x20, 0x20));
        p.drawRect(QRectF(cx - 3.5, y + 1.5, 7, 6));
        p.setPen(QColor(0xf0, 0xf0, 0xf0));
        p.setFont(ArtFont(4.5, true));
        p.drawText(QRectF(cx - 10, y + 15.5, 20, 6), Qt::AlignCenter, QStringLiteral("POWER"));
        y += 26;
    }
    // IEC inlet
    const QRectF inlet(cx - 8, y, 16, 12);
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 0.6));
    p.setBrush(QColor(0x1a, 0x1a, 0x1c));
    p.drawRoundedRect(inlet, 1.5, 1.5);
    p.setBrush(QColor(0xd0, 0xd0, 0xd0));
    p.setPen(Qt::NoPen);
    for (qreal dx : {-4.5, 3.5})
        p.drawRect(QRectF(cx + dx, y + 4, 1, 4));
    p.drawRect(QRectF(cx - 0.5, y + 2, 1, 3.5));
    p.setPen(QColor(0xf0, 0xf0, 0xf0));
    p.setFont(ArtFont(4.5, true));
    p.drawText(QRectF(cx - 15, y + 12.5, 30, 6), Qt::AlignCenter, QStringLiteral("AC IN"));
    y += 22;
    if (area.width() >= 50)
        return Nameplate(p, QRectF(area.left() + 2, area.bottom() - 14, area.width() - 4, 10), name, false);
    return Nameplate(p, QRectF(area.left(), y, area.width(), area.bottom() - 4 - y), name, true);
}

} // namespace

namespace EnclosureArt {

void Draw(QPainter &p, int kind, const Artwork::SlotPlaces &places, qreal unit)
{
    const QSizeF size = Artwork::EnclosureSize(kind);
    Chassis(p, size);
    const int slotCount = Artwork::SlotCount(kind);
    qreal leftmost = size.width();
    for (int slot = 1; slot <= slotCount; ++slot)
        leftmost = std::min(leftmost, Opening(places[slot - 1], unit).left());
    qreal usedRight = 0, lowestBottom = 0;
    for (int slot = 1; slot <= slotCount; ++slot) {
        const QRectF opening = Opening(places[slot - 1], unit);
        lowestBottom = std::max(lowestBottom, opening.bottom());
        SlotOpening(p, opening);
        usedRight = std::max(usedRight, SlotNumber(p, opening, slot, leftmost));
    }
    for (const QPointF corner : {QPointF(4, 4), QPointF(4, size.height() - 4)})
        Screw(p, corner, 1.8);
    const QRectF panel(usedRight + 3, 4, size.width() - usedRight - 8, size.height() - 8);
    if (!PowerPanel(p, panel, Artwork::EnclosureName(kind)))
        Nameplate(p, QRectF(8, lowestBottom + 1, usedRight - 8, size.height() - lowestBottom - 3),
                  Artwork::EnclosureName(kind), false);
}

} // namespace EnclosureArt
