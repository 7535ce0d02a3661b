#include "ConfigBoards.h"

#include "ArtOutput.h"
#include "DrawingKit.h"
#include "pages/JumperMarkers.h"

#include <QPainter>

#include <algorithm>

namespace {

using JumperMarkers::Kind;
using JumperMarkers::Marker;

const QColor Board(0x1f, 0x5e, 0x3a);
const QColor Silk(0xf2, 0xf2, 0xe8);
const QColor Copper(0xc8, 0x9a, 0x3c);
const QColor Trace(0x2f, 0x7a, 0x4c);

struct BoardText {
    const char *name;
    const char *title;
    const char *signal; // the signal the jumpers or cables switch
};

const BoardText Boards[] = {
    {"ConfigMat1", "PORT JUMPERS", "VIDEO / SYNC"},
    {"ConfigMat2", "PORT CABLES", "VGA"},
    {"ConfigMat3", "PORT JUMPERS", "S-VIDEO (Y/C)"},
};

// The place a marker takes on an input port (last split) and on an output
// port (first split).
QRectF MarkerRect(const Marker &marker, int split)
{
    const auto [x, y] = JumperMarkers::TopLeft(marker, split);
    const JumperMarkers::Image image = JumperMarkers::ImageOf(marker.kind);
    return QRectF(x, y, image.width, image.height);
}

void Pin(QPainter &p, const QPointF &centre)
{
    p.setPen(QPen(QColor(0x50, 0x40, 0x10), 0.4));
    p.setBrush(Copper);
    p.drawRect(QRectF(centre - QPointF(1.6, 1.6), QSizeF(3.2, 3.2)));
}

void Label(QPainter &p, const QRectF &box, const QString &text, Qt::Alignment align, qreal size = 5.5)
{
    p.setPen(Silk);
    p.setFont(ArtFont(size, true));
    p.drawText(box, align, text);
}

// Three pins under a jumper's two places, with the marker's name and the
// input ("I") and output ("O") ends printed beside them.
void Header(QPainter &p, const Marker &marker)
{
    const QRectF in = MarkerRect(marker, JumperMarkers::SplitCount - 1);
    const QRectF out = MarkerRect(marker, 0);
    const QRectF both = in.united(out);
    p.setPen(QPen(Silk, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(both.adjusted(-1, -1, 1, 1));
    const bool across = marker.kind == Kind::Across;
    const qreal pitch = across ? std::abs(out.left() - in.left()) : std::abs(out.top() - in.top());
    const QPointF first = across ? QPointF(both.left() + in.width() / 4, both.center().y())
                                 : QPointF(both.center().x(), both.top() + in.height() / 4);
    for (int i = 0; i < 3; ++i)
        Pin(p, first + (across ? QPointF(i * pitch, 0) : QPointF(0, i * pitch)));
    const QString name = QString::fromLatin1(marker.name);
    if (across) {
        const bool inLeft = in.left() < out.left();
        Label(p, QRectF(both.left() - 24, both.top() - 2, 14, both.height() + 4), name, Qt::AlignRight | Qt::AlignVCenter);
        Label(p, QRectF(both.left() - 9, both.top() - 2, 7, both.height() + 4), inLeft ? "I" : "O", Qt::AlignCenter);
        Label(p, QRectF(both.right() + 2, both.top() - 2, 7, both.height() + 4), inLeft ? "O" : "I", Qt::AlignCenter);
    } else {
        const bool inTop = in.top() < out.top();
        const QRectF ends(both.right() + 2, both.top(), 7, both.height());
        Label(p, QRectF(ends.left(), ends.top(), ends.width(), 8), inTop ? "I" : "O", Qt::AlignCenter);
        Label(p, QRectF(ends.left(), ends.bottom() - 8, ends.width(), 8), inTop ? "O" : "I", Qt::AlignCenter);
        Label(p, QRectF(both.left() - 4, both.top() - 10, both.width() + 8, 8), name, Qt::AlignCenter);
    }
}

// An input and an output socket for a cable plug, with the cable's name.
void Sockets(QPainter &p, const Marker &marker)
{
    for (int split : {0, JumperMarkers::SplitCount - 1}) {
        const QRectF socket = MarkerRect(marker, split).adjusted(-1, -1, 1, 1);
        p.setPen(QPen(Silk, 0.7));
        p.setBrush(QColor(0x18, 0x18, 0x18));
        p.drawRect(socket);
        for (int i = 0; i < 6; ++i)
            Pin(p, QPointF(socket.left() + 5 + i * 4, socket.center().y()));
    }
    const QRectF in = MarkerRect(marker, JumperMarkers::SplitCount - 1);
    Label(p, QRectF(in.left() - 26, in.top(), 22, in.height()), QString::fromLatin1(marker.name),
          Qt::AlignRight | Qt::AlignVCenter);
}

// The matrix chip that the ports' traces run to.
void Chip(QPainter &p, const QRectF &body, const QString &text)
{
    p.setPen(QPen(Silk, 0.5));
    for (int i = 0; i < 6; ++i) {
        const qreal y = body.top() + 4 + i * (body.height() - 8) / 5;
        p.drawLine(QPointF(body.left() - 3, y), QPointF(body.left(), y));
        p.drawLine(QPointF(body.right(), y), QPointF(body.right() + 3, y));
    }
    p.setPen(QPen(QColor(0x08, 0x08, 0x08), 0.6));
    p.setBrush(QColor(0x22, 0x22, 0x26));
    p.drawRect(body);
    p.setPen(QColor(0xc0, 0xc0, 0xc0));
    p.setFont(ArtFont(5.5, true));
    p.drawText(body, Qt::AlignCenter | Qt::TextWordWrap, text);
}

void DrawBoard(QPainter &p, const BoardText &text)
{
    const QRectF area(0, 0, JumperMarkers::BoardWidth, JumperMarkers::BoardHeight);
    p.setPen(QPen(QColor(0x10, 0x30, 0x1c), 1));
    p.setBrush(Board);
    p.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(QColor(0xb0, 0xb0, 0xa0), 0.8));
    p.setBrush(QColor(0xe0, 0xe0, 0xd8));
    for (const QPointF &hole : {QPointF(7, 7), QPointF(area.right() - 7, 7), QPointF(7, area.bottom() - 7),
                                QPointF(area.right() - 7, area.bottom() - 7)})
        p.drawEllipse(hole, 2.6, 2.6);
    Label(p, QRectF(14, 3, area.width() - 28, 11), QString::fromLatin1(text.title), Qt::AlignLeft | Qt::AlignVCenter, 7);
    Label(p, QRectF(14, 3, area.width() - 28, 11), QString::fromLatin1(text.signal), Qt::AlignRight | Qt::AlignVCenter, 6);

    QList<const Marker *> markers;
    for (const Marker &marker : JumperMarkers::Markers)
        if (QLatin1String(marker.board) == QLatin1String(text.name))
            markers.append(&marker);

    // A board with one bank of pins or sockets shows the matrix chip at its
    // left, with a trace to every row.
    const bool oneBank = std::all_of(markers.begin(), markers.end(), [&markers](const Marker *m) {
        return m->kind == markers.first()->kind;
    });
    if (oneBank) {
        const QRectF chip(18, 52, 30, 50);
        p.setPen(QPen(Trace, 1.4));
        for (const Marker *marker : markers) {
            const QRectF in = MarkerRect(*marker, JumperMarkers::SplitCount - 1);
            const QPointF end(in.united(MarkerRect(*marker, 0)).left() - 28, in.center().y());
            const QPointF start(chip.right() + 3, std::clamp(end.y(), chip.top() + 4, chip.bottom() - 4));
            p.drawPolyline(QPolygonF{start, QPointF((start.x() + end.x()) / 2, start.y()),
                                     QPointF((start.x() + end.x()) / 2, end.y()), end});
        }
        Chip(p, chip, QStringLiteral("XPT"));
    }

    for (const Marker *marker : markers) {
        if (marker->kind == Kind::Cable)
            Sockets(p, *marker);
        else
            Header(p, *marker);
    }
    if (markers.first()->kind == Kind::Cable) {
        const QRectF in = MarkerRect(*markers.first(), JumperMarkers::SplitCount - 1);
        const QRectF out = MarkerRect(*markers.first(), 0);
        Label(p, QRectF(in.left() - 6, in.top() - 16, in.width() + 12, 9), QStringLiteral("INPUT"), Qt::AlignCenter, 6);
        Label(p, QRectF(out.left() - 6, out.top() - 16, out.width() + 12, 9), QStringLiteral("OUTPUT"), Qt::AlignCenter, 6);
    } else {
        Label(p, QRectF(14, area.bottom() - 14, area.width() - 28, 10),
              QStringLiteral("I = INPUT   O = OUTPUT"), Qt::AlignRight | Qt::AlignVCenter, 5.5);
    }
}

// A jumper cap: a dark sleeve with a lighter grip line along it.
void DrawJumper(QPainter &p, Kind kind)
{
    const JumperMarkers::Image image = JumperMarkers::ImageOf(kind);
    const QRectF cap(0, 0, image.width, image.height);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x14, 0x14, 0x18));
    p.drawRect(cap);
    p.setPen(QPen(QColor(0xe0, 0x30, 0x30), 1.4));
    if (kind == Kind::Across)
        p.drawLine(QPointF(2, cap.center().y()), QPointF(cap.right() - 2, cap.center().y()));
    else
        p.drawLine(QPointF(cap.center().x(), 2), QPointF(cap.center().x(), cap.bottom() - 2));
    p.setPen(QPen(QColor(0x70, 0x70, 0x78), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(cap.adjusted(0.3, 0.3, -0.3, -0.3));
}

// A cable plug seen from above: the shell, its latch and the cable's end.
void DrawPlug(QPainter &p)
{
    const JumperMarkers::Image image = JumperMarkers::ImageOf(Kind::Cable);
    const QRectF shell(0, 0, image.width, image.height);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0xe4, 0xd8));
    p.drawRect(shell);
    p.setBrush(QColor(0x30, 0x60, 0xc0));
    p.drawRect(QRectF(shell.left(), shell.top() + 3, 6, shell.height() - 6));
    p.setBrush(QColor(0x90, 0x90, 0x88));
    p.drawRect(QRectF(shell.right() - 6, shell.top() + 2, 3, shell.height() - 4));
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawRect(shell.adjusted(0.4, 0.4, -0.4, -0.4));
}

} // namespace

namespace ConfigBoards {

void AddPictures(ArtOutput &out)
{
    const QSize board(JumperMarkers::BoardWidth, JumperMarkers::BoardHeight);
    for (const BoardText &text : Boards)
        out.AddPicture(QString::fromLatin1(text.name), board, [&text](QPainter &p) { DrawBoard(p, text); });
    for (const Kind kind : {Kind::Across, Kind::UpDown}) {
        const JumperMarkers::Image image = JumperMarkers::ImageOf(kind);
        out.AddPicture(QString::fromLatin1(image.name), QSize(image.width, image.height),
                       [kind](QPainter &p) { DrawJumper(p, kind); });
    }
    const JumperMarkers::Image plug = JumperMarkers::ImageOf(Kind::Cable);
    out.AddPicture(QString::fromLatin1(plug.name), QSize(plug.width, plug.height), DrawPlug);
}

} // namespace ConfigBoards
