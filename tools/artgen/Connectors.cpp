#include "Connectors.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

const QColor Steel(0xc9, 0xcc, 0xd0);
const QColor DarkSteel(0x6b, 0x70, 0x78);
const QColor Brass(0xd8, 0xb0, 0x4a);
const QColor Black(0x1e, 0x1e, 0x22);
const QColor Plastic(0x2c, 0x2d, 0x33);
const QColor Edge(0x30, 0x30, 0x30);

QPen Outline(qreal width = 0.5)
{
    return QPen(Edge, width);
}

QPolygonF Hexagon(const QPointF &c, qreal r)
{
    QPolygonF hex;
    for (int i = 0; i < 6; ++i) {
        const qreal a = M_PI / 3 * i + M_PI / 6;
        hex << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    return hex;
}

void Bnc(QPainter &p, const QPointF &c)
{
    p.setPen(Outline());
    p.setBrush(DarkSteel);
    p.drawPolygon(Hexagon(c, 6.6));
    QRadialGradient shine(c - QPointF(1.5, 1.5), 6);
    shine.setColorAt(0, QColor(0xf4, 0xf4, 0xf4));
    shine.setColorAt(1, QColor(0x9a, 0x9e, 0xa4));
    p.setBrush(shine);
    p.drawEllipse(c, 5.0, 5.0);
    p.setBrush(QColor(0xe8, 0xe8, 0xe8));
    p.drawEllipse(c, 3.2, 3.2); // bayonet sleeve
    p.setBrush(Black);
    p.drawEllipse(c, 2.3, 2.3); // dielectric
    p.setBrush(Brass);
    p.drawEllipse(c, 0.8, 0.8); // centre pin
    p.setPen(QPen(DarkSteel, 0.8));
    p.drawLine(c + QPointF(-5.6, 0), c + QPointF(-4.6, 0)); // bayonet studs
    p.drawLine(c + QPointF(4.6, 0), c + QPointF(5.6, 0));
}

void DSub(QPainter &p, const QPointF &c, int pinRows, int columns, qreal height)
{
    const qreal w = columns == 3 ? 9.5 : 7.5;
    // Mounting posts
    p.setPen(Outline());
    p.setBrush(QColor(0xb5, 0x9a, 0x4a));
    for (int s : {-1, 1}) {
        const QPointF post = c + QPointF(0, s * (height / 2 + 3.2));
        p.drawPolygon(Hexagon(post, 2.4));
        p.setBrush(Black);
        p.drawEllipse(post, 1.0, 1.0);
        p.setBrush(QColor(0xb5, 0x9a, 0x4a));
    }
    // Shell: a trapezoid, wider at the top
    QPolygonF shell;
    shell << c + QPointF(-w / 2 - 1, -height / 2) << c + QPointF(w / 2 + 1, -height / 2)
          << c + QPointF(w / 2, height / 2) << c + QPointF(-w / 2, height / 2);
    p.setBrush(Steel);
    p.drawPolygon(shell);
    QPolygonF inner;
    inner << c + QPointF(-w / 2 + 0.2, -height / 2 + 1.2) << c + QPointF(w / 2 - 0.2, -height / 2 + 1.2)
          << c + QPointF(w / 2 - 1, height / 2 - 1.2) << c + QPointF(-w / 2 + 1, height / 2 - 1.2);
    p.setBrush(Black);
    p.drawPolygon(inner);
    // Pins
    p.setPen(Qt::NoPen);
    p.setBrush(Brass);
    const qreal pitch = (height - 4) / pinRows;
    for (int col = 0; col < columns; ++col) {
        const int rows = columns == 3 ? pinRows : (col == 0 ? pinRows : pinRows - 1);
        const qreal x = c.x() + (col - (columns - 1) / 2.0) * 2.6;
        const qreal top = c.y() - (rows - 1) * pitch / 2 + (columns == 3 && col == 1 ? 0.3 : 0);
        for (int r = 0; r < rows; ++r)
            p.drawEllipse(QPointF(x, top + r * pitch), 0.55, 0.55);
    }
}

void Rj45(QPainter &p, const QPointF &c)
{
    const QRectF body(c.x() - 6, c.y() - 5.5, 12, 11);
    p.setPen(Outline());
    p.setBrush(Steel);
    p.drawRoundedRect(body, 0.8, 0.8);
    const QRectF mouth = body.adjusted(1.6, 1.4, -1.6, -2.4);
    QPainterPath opening;
    opening.addRect(mouth);
    opening.addRect(QRectF(c.x() - 1.6, mouth.bottom(), 3.2, 1.4)); // latch notch
    p.setBrush(Black);
    p.drawPath(opening.simplified());
    p.setPen(QPen(Brass, 0.35));
    for (int i = 0; i < 8; ++i) {
        const qreal x = mouth.left() + 0.9 + i * (mouth.width() - 1.8) / 7;
        p.drawLine(QPointF(x, mouth.top() + 0.3), QPointF(x, mouth.top() + 2.2));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3c, 0xd0, 0x4a));
    p.drawRect(QRectF(body.left() + 0.8, body.bottom() - 1.6, 2, 1.1)); // link LED
    p.setBrush(QColor(0xf0, 0xb0, 0x20));
    p.drawRect(QRectF(body.right() - 2.8, body.bottom() - 1.6, 2, 1.1));
}

void TerminalBlock(QPainter &p, const QPointF &c, int pins)
{
    const qreal pitch = 5.0;
    const QRectF body(c.x() - 5, c.y() - pins * pitch / 2, 10, pins * pitch);
    p.setPen(Outline());
    p.setBrush(QColor(0x2e, 0x7d, 0x45)); // green plug
    p.drawRect(body);
    for (int i = 0; i < pins; ++i) {
        const QPointF screw(c.x() - 1.5, body.top() + pitch / 2 + i * pitch);
        p.setBrush(QColor(0xd8, 0xd8, 0xd8));
        p.drawEllipse(screw, 1.7, 1.7);
        p.setPen(QPen(Edge, 0.5));
        p.drawLine(screw + QPointF(-1.2, 0), screw + QPointF(1.2, 0));
        p.setPen(Outline());
        p.setBrush(Black);
        p.drawRect(QRectF(c.x() + 1.4, screw.y() - 1.1, 2.6, 2.2)); // wire entry
    }
    p.setPen(QPen(QColor(0x1b, 0x4d, 0x2a), 0.4));
    for (int i = 1; i < pins; ++i)
        p.drawLine(QPointF(body.left(), body.top() + i * pitch), QPointF(body.right(), body.top() + i * pitch));
}

void RoundJack(QPainter &p, const QPointF &c, qreal r, const QColor &ring)
{
    p.setPen(Outline());
    p.setBrush(DarkSteel);
    p.drawPolygon(Hexagon(c, r + 1.3));
    p.setBrush(ring);
    p.drawEllipse(c, r, r);
    p.setBrush(Black);
    p.drawEllipse(c, r * 0.45, r * 0.45);
}

void Rca(QPainter &p, const QPointF &c, int index)
{
    p.setPen(Outline());
    p.setBrush(index % 2 == 0 ? QColor(0xf2, 0xf2, 0xf2) : QColor(0xd0, 0x2a, 0x2a));
    p.drawEllipse(c, 5.2, 5.2);
    QRadialGradient shine(c - QPointF(1, 1), 3.5);
    shine.setColorAt(0, QColor(0xff, 0xf0, 0xb0));
    shine.setColorAt(1, Brass);
    p.setBrush(shine);
    p.drawEllipse(c, 3.2, 3.2);
    p.setBrush(Black);
    p.drawEllipse(c, 1.1, 1.1);
}

void MiniDin(QPainter &p, const QPointF &c, int pins, const QColor &colour)
{
    p.setPen(Outline());
    p.setBrush(colour);
    p.drawEllipse(c, 5.5, 5.5);
    p.setBrush(Steel);
    p.drawEllipse(c, 4.4, 4.4);
    p.setBrush(Black);
    p.drawEllipse(c, 3.6, 3.6);
    p.setBrush(Steel);
    p.drawRect(QRectF(c.x() - 0.9, c.y() - 3.7, 1.8, 1.6)); // key
    p.setPen(Qt::NoPen);
    p.setBrush(Brass);
    const qreal angles6[] = {200, 340, 160, 20, 250, 290};
    const qreal angles4[] = {210, 330, 150, 30};
    for (int i = 0; i < pins; ++i) {
        const qreal a = (pins == 6 ? angles6[i] : angles4[i]) * M_PI / 180;
        p.drawEllipse(c + QPointF(2.3 * std::cos(a), -2.3 * std::sin(a)), 0.5, 0.5);
    }
}

void Iec(QPainter &p, const QPointF &c)
{
    QPolygonF shell;
    shell << c + QPointF(-11, -8) << c + QPointF(11, -8) << c + QPointF(11, 3) << c + QPointF(6, 8)
          << c + QPointF(-6, 8) << c + QPointF(-11, 3);
    p.setPen(Outline());
    p.setBrush(Plastic);
    p.drawPolygon(shell.translated(0, 0));
    QPolygonF inner;
    inner << c + QPointF(-9, -6) << c + QPointF(9, -6) << c + QPointF(9, 2.5) << c + QPointF(5, 6.2)
          << c + QPointF(-5, 6.2) << c + QPointF(-9, 2.5);
    p.setBrush(QColor(0x12, 0x12, 0x14));
    p.drawPolygon(inner);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd9, 0xd9, 0xd9));
    p.drawRect(QRectF(c.x() - 6.2, c.y() - 2.5, 1.5, 4.5));
    p.drawRect(QRectF(c.x() + 4.7, c.y() - 2.5, 1.5, 4.5));
    p.drawRect(QRectF(c.x() - 0.75, c.y() - 4.5, 1.5, 4.5));
    p.setPen(Outline());
    p.setBrush(DarkSteel);
    p.drawEllipse(c + QPointF(-13.5, 0), 1.4, 1.4);
    p.drawEllipse(c + QPointF(13.5, 0), 1.4, 1.4);
}

void Nema(QPainter &p, const QPointF &c)
{
    const QRectF plate(c.x() - 11, c.y() - 13, 22, 26);
    p.setPen(Outline());
    p.setBrush(QColor(0xee, 0xe8, 0xd8)); // ivory receptacle
    p.drawRoundedRect(plate, 4, 4);
    p.setBrush(QColor(0xe2, 0xdb, 0xc8));
    p.drawEllipse(c, 9, 10.5);
    p.setBrush(Black);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(c.x() - 5, c.y() - 6, 1.6, 6)); // neutral (taller)
    p.drawRect(QRectF(c.x() + 3.6, c.y() - 5, 1.6, 5));
    QPainterPath ground;
    ground.moveTo(c.x() - 1.5, c.y() + 6.5);
    ground.lineTo(c.x() - 1.5, c.y() + 4.2);
    ground.arcTo(QRectF(c.x() - 1.5, c.y() + 2.8, 3, 3), 180, -180);
    ground.lineTo(c.x() + 1.5, c.y() + 6.5);
    ground.closeSubpath();
    p.drawPath(ground);
    p.setPen(Outline());
    p.setBrush(DarkSteel);
    p.drawEllipse(QPointF(c.x(), plate.top() + 1.8), 0.9, 0.9);
}

void FiberSt(QPainter &p, const QPointF &c)
{
    p.setPen(Outline());
    p.setBrush(DarkSteel);
    p.drawPolygon(Hexagon(c, 5.6));
    p.setBrush(QColor(0xd6, 0xd8, 0xdc));
    p.drawEllipse(c, 4, 4);
    p.setBrush(QColor(0xf4, 0xf4, 0xe6)); // ceramic ferrule
    p.drawEllipse(c, 1.8, 1.8);
    p.setBrush(Black);
    p.drawEllipse(c, 0.5, 0.5);
    p.setBrush(DarkSteel);
    p.drawRect(QRectF(c.x() + 3.6, c.y() - 0.6, 1.8, 1.2)); // bayonet key
}

void Usb(QPainter &p, const QPointF &c)
{
    const QRectF shell(c.x() - 3.4, c.y() - 6.5, 6.8, 13);
    p.setPen(Outline());
    p.setBrush(Steel);
    p.drawRect(shell);
    p.setBrush(Black);
    p.drawRect(shell.adjusted(0.9, 0.9, -0.9, -0.9));
    p.setBrush(QColor(0x20, 0x50, 0xb0)); // blue tongue of USB 2.0
    p.drawRect(QRectF(c.x() - 2.4, c.y() - 5.4, 1.6, 10.8));
}

} // namespace

namespace Connectors {

QSizeF CellSize(const ConnectorGroup &group)
{
    switch (group.type) {
    case Connector::Bnc: return {15, 15};
    case Connector::Hd15: return {13, 36};
    case Connector::Db9: return {11, 28};
    case Connector::Rj45: return {14, 13};
    case Connector::Tb: return {12, 5.0 * group.pins + 1.5};
    case Connector::Jack35: return {12, 12};
    case Connector::Rca: return {13, 12.5};
    case Connector::Iec: return {30, 19};
    case Connector::Nema: return {26, 29};
    case Connector::FiberSt: return {14, 13.5};
    case Connector::MiniDin4:
    case Connector::MiniDin6: return {13, 13};
    case Connector::Usb: return {9, 15};
    }
    return {12, 12};
}

void Draw(QPainter &painter, const ConnectorGroup &group, const QPointF &centre, int index)
{
    painter.save();
    switch (group.type) {
    case Connector::Bnc: Bnc(painter, centre); break;
    case Connector::Hd15: DSub(painter, centre, 5, 3, 21); break;
    case Connector::Db9: DSub(painter, centre, 5, 2, 15); break;
    case Connector::Rj45: Rj45(painter, centre); break;
    case Connector::Tb: TerminalBlock(painter, centre, group.pins); break;
    case Connector::Jack35: RoundJack(painter, centre, 3.4, QColor(0x6a, 0xb8, 0x3c)); break;
    case Connector::Rca: Rca(painter, centre, index); break;
    case Connector::Iec: Iec(painter, centre); break;
    case Connector::Nema: Nema(painter, centre); break;
    case Connector::FiberSt: FiberSt(painter, centre); break;
    case Connector::MiniDin4: MiniDin(painter, centre, 4, QColor(0x30, 0x30, 0x34)); break;
    case Connector::MiniDin6:
        MiniDin(painter, centre, 6, index % 2 == 0 ? QColor(0x8a, 0x4a, 0xc0) : QColor(0x3c, 0xa0, 0x40));
        break;
    case Connector::Usb: Usb(painter, centre); break;
    }
    painter.restore();
}

} // namespace Connectors
