#include "WindowArt.h"

#include "ArtOutput.h"
#include "DrawingKit.h"

#include "document/Artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Fills the window's logo panel inside its frame.
const QSize LogoSize(120, 180);
const QColor Ink(0x16, 0x2b, 0x4e);
const QColor Accent(0x1f, 0x8f, 0xd6);

// The emblem: a rounded square with a "K" made of a bar and two signal
// paths fanning out of it.
void DrawEmblem(QPainter &p, const QRectF &box)
{
    QLinearGradient fill(box.topLeft(), box.bottomRight());
    fill.setColorAt(0, Accent.lighter(125));
    fill.setColorAt(1, Ink);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(box, 12, 12);

    const QPointF hub(box.left() + box.width() * 0.42, box.center().y());
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(box.left() + box.width() * 0.3, box.top() + 12),
               QPointF(box.left() + box.width() * 0.3, box.bottom() - 12));
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (const int side : {-1, 1}) {
        QPainterPath path(hub);
        const QPointF end(box.right() - 12, side < 0 ? box.top() + 12 : box.bottom() - 12);
        path.cubicTo(QPointF(hub.x() + 10, hub.y()), QPointF(end.x() - 14, end.y()), end);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(hub, 4.5, 4.5);
}

void DrawLogo(QPainter &p)
{
    const QRectF area(QPointF(0, 0), QSizeF(LogoSize));
    QLinearGradient backdrop(area.topLeft(), area.bottomLeft());
    backdrop.setColorAt(0, Qt::white);
    backdrop.setColorAt(1, QColor(0xe4, 0xec, 0xf6));
    p.fillRect(area, backdrop);

    DrawEmblem(p, QRectF(24, 14, 72, 72));

    p.setPen(Ink);
    p.setFont(ArtFont(17, true));
    p.drawText(QRectF(0, 94, area.width(), 24), Qt::AlignCenter, QStringLiteral("KORVANE"));
    p.setPen(QPen(Accent, 1.5));
    p.drawLine(QPointF(18, 122), QPointF(area.width() - 18, 122));
    p.setPen(Ink);
    p.setFont(ArtFont(12));
    p.drawText(QRectF(0, 126, area.width(), 20), Qt::AlignCenter, QStringLiteral("Quillon"));
    p.setPen(Ink.lighter(170));
    p.setFont(ArtFont(8));
    p.drawText(QRectF(0, 146, area.width(), 28), Qt::AlignCenter,
               QStringLiteral("signal management\nsystems"));
}

// A sheet of paper with a folded corner and lines of text.
void DrawPage(QPainter &p, const QRectF &sheet)
{
    const qreal fold = 6;
    QPainterPath outline;
    outline.moveTo(sheet.topLeft());
    outline.lineTo(sheet.right() - fold, sheet.top());
    outline.lineTo(sheet.right(), sheet.top() + fold);
    outline.lineTo(sheet.bottomRight());
    outline.lineTo(sheet.bottomLeft());
    outline.closeSubpath();
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(Qt::white);
    p.drawPath(outline);
    p.setBrush(QColor(0xd0, 0xd0, 0xd0));
    p.drawPolygon(QPolygonF{QPointF(sheet.right() - fold, sheet.top()),
                            QPointF(sheet.right() - fold, sheet.top() + fold),
                            QPointF(sheet.right(), sheet.top() + fold)});
    p.setPen(QPen(Accent, 1.5));
    for (qreal y = sheet.top() + fold + 3; y < sheet.bottom() - 3; y += 3.5)
        p.drawLine(QPointF(sheet.left() + 3, y), QPointF(sheet.right() - 3, y));
}

} // namespace

namespace WindowArt {

void AddPictures(ArtOutput &out)
{
    out.AddPicture(Artwork::MakerLogo, LogoSize, DrawLogo);
    const QSize orientation(32, 32);
    out.AddPicture(Artwork::PortraitPage, orientation,
                   [](QPainter &p) { DrawPage(p, QRectF(5.5, 1.5, 21, 29)); });
    out.AddPicture(Artwork::LandscapePage, orientation,
                   [](QPainter &p) { DrawPage(p, QRectF(1.5, 5.5, 29, 21)); });
}

} // namespace WindowArt
