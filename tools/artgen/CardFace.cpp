#include "CardFace.h"

#include "Connectors.h"
#include "DrawingKit.h"
#include "document/Artwork.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal LegendHeight = 6.5;
constexpr qreal GroupGap = 3;
constexpr qreal ConnectorTop = 19;
constexpr qreal ConnectorBottom = 186;

struct GroupLayout {
    int columns;
    int rows;
    qreal height;
};

GroupLayout Layout(const ConnectorGroup &group, qreal width)
{
    const QSizeF cell = Connectors::CellSize(group);
    // As many rows as the width needs, then the connectors spread evenly over them.
    const int widest = std::clamp(static_cast<int>(width / cell.width()), 1, std::max(1, group.count));
    const int rows = (group.count + widest - 1) / widest;
    const int columns = (group.count + rows - 1) / rows;
    return {columns, rows, LegendHeight + rows * cell.height() + GroupGap};
}

void Plate(QPainter &p, const QRectF &face)
{
    QLinearGradient metal(face.topLeft(), face.topRight());
    metal.setColorAt(0, QColor(0xb4, 0xb7, 0xbb));
    metal.setColorAt(0.25, QColor(0xdc, 0xde, 0xe0));
    metal.setColorAt(0.7, QColor(0xcf, 0xd1, 0xd4));
    metal.setColorAt(1, QColor(0xa4, 0xa7, 0xab));
    p.setPen(QPen(QColor(0x4a, 0x4c, 0x50), 0.8));
    p.setBrush(metal);
    p.drawRect(face.adjusted(0.4, 0.4, -0.4, -0.4));
    // Bent flanges at top and bottom
    p.setPen(QPen(QColor(0x8c, 0x8f, 0x94), 0.6));
    p.drawLine(QPointF(face.left() + 1, 2.5), QPointF(face.right() - 1, 2.5));
    p.drawLine(QPointF(face.left() + 1, face.bottom() - 2.5), QPointF(face.right() - 1, face.bottom() - 2.5));
}

void ThumbScrew(QPainter &p, const QPointF &c)
{
    p.setPen(QPen(QColor(0x40, 0x40, 0x44), 0.5));
    QRadialGradient knurl(c - QPointF(1, 1), 4.5);
    knurl.setColorAt(0, QColor(0xf0, 0xf0, 0xf0));
    knurl.setColorAt(1, QColor(0x80, 0x84, 0x8a));
    p.setBrush(knurl);
    p.drawEllipse(c, 4, 4);
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        p.drawLine(c + QPointF(3.2 * std::cos(a), 3.2 * std::sin(a)), c + QPointF(4 * std::cos(a), 4 * std::sin(a)));
    }
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 0.9));
    p.drawLine(c + QPointF(-2.2, 0), c + QPointF(2.2, 0));
}

void Legend(QPainter &p, const QRectF &box, const QString &text)
{
    p.setPen(QColor(0x14, 0x14, 0x60));
    p.setFont(ArtFont(5.2, true));
    p.drawText(box, Qt::AlignCenter, text);
}

void ConnectorArea(QPainter &p, const CardModel &model, qreal width)
{
    const qreal area = width - 4;
    qreal total = 0;
    for (const ConnectorGroup &group : model.face)
        total += Layout(group, area).height;
    const qreal available = ConnectorBottom - ConnectorTop;
    const qreal scale = std::min<qreal>(1, available / total);
    const qreal slack = available - total * scale;

    p.save();
    // Spare height opens up the space between groups, as on a real panel.
    const int groups = static_cast<int>(model.face.size());
    const qreal spread = groups > 1 ? std::min<qreal>((slack - 6) / (groups - 1), 22) / scale : 0;
    p.translate(width / 2, ConnectorTop + std::min<qreal>(slack / 2, 6));
    p.scale(scale, scale);
    const qreal scaledArea = area / scale;
    qreal y = 0;
    for (const ConnectorGroup &group : model.face) {
        const GroupLayout layout = Layout(group, scaledArea);
        const QSizeF cell = Connectors::CellSize(group);
        Legend(p, QRectF(-scaledArea / 2, y, scaledArea, LegendHeight), group.legend);
        y += LegendHeight;
        for (int i = 0; i < group.count; ++i) {
            const int row = i / layout.columns, column = i % layout.columns;
            const int inRow = std::min(layout.columns, group.count - row * layout.columns);
            const qreal x = (column - (inRow - 1) / 2.0) * cell.width();
            Connectors::Draw(p, group, QPointF(x, y + (row + 0.5) * cell.height()), i);
        }
        y += layout.rows * cell.height() + GroupGap + std::max<qreal>(0, spread);
    }
    p.restore();
}

void StatusLed(QPainter &p, const QPointF &c)
{
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 0.4));
    p.setBrush(QColor(0x30, 0xe0, 0x40));
    p.drawEllipse(c, 1.6, 1.6);
}

void CodeLabel(QPainter &p, const CardModel &model, qreal width)
{
    p.save();
    p.translate(width / 2, 229);
    p.rotate(-90);
    p.setFont(ArtFont(8, true));
    p.setPen(QColor(0x10, 0x10, 0x10));
    p.drawText(QRectF(0, -5.2, 44, 10.4), Qt::AlignLeft | Qt::AlignVCenter, model.code);
    p.restore();
    p.setFont(ArtFont(4.6, true));
    p.setPen(QColor(0x50, 0x1a, 0x1a));
    p.drawText(QRectF(0, 231, width, 6), Qt::AlignCenter, QStringLiteral("QUILLON"));
}

void Louvres(QPainter &p, qreal width)
{
    p.setPen(QPen(QColor(0x5a, 0x5d, 0x62), 0.6));
    p.setBrush(QColor(0x3a, 0x3c, 0x40));
    for (int i = 0; i < 14; ++i)
        p.drawRoundedRect(QRectF(7, 30 + i * 11, width - 14, 3.2), 1.5, 1.5);
}

} // namespace

namespace CardFace {

QSize Size(const CardModel &model)
{
    return {Artwork::CardWidth(model.slotWidth), Artwork::CardHeight};
}

void Draw(QPainter &painter, const CardModel &model)
{
    const QSize size = Size(model);
    const QRectF face(0, 0, size.width(), size.height());
    Plate(painter, face);
    ThumbScrew(painter, QPointF(face.center().x(), 9));
    ThumbScrew(painter, QPointF(face.center().x(), face.bottom() - 9));
    if (model.function == Function::Cover) {
        Louvres(painter, face.width());
    } else {
        StatusLed(painter, QPointF(face.right() - 4, 16));
        ConnectorArea(painter, model, face.width());
    }
    CodeLabel(painter, model, face.width());
}

} // namespace CardFace
