#include "BlockDiagram.h"

#include "DrawingKit.h"
#include "document/Artwork.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

const QColor Ink(0x10, 0x10, 0x10);
const QColor Navy(0x00, 0x00, 0x80);
const QColor Maroon(0x80, 0x00, 0x00);
const QColor Fill(0xff, 0xff, 0xe0);
constexpr int BusThreshold = 16; // more lines than this are drawn as a bus

// One drawn line at the edge of the function block.
struct Port {
    qreal y;
    QString label;
    int group;
    int count; // > 1: a bus standing for `count` lines
};

QList<Port> Ports(const QList<Signal> &signalList, qreal top, qreal bottom, const QString &direction)
{
    QList<Port> ports;
    for (int g = 0; g < signalList.size(); ++g) {
        const Signal &s = signalList[g];
        if (s.bus) {
            ports.append({0, s.signal, g, s.count});
        } else if (s.count > BusThreshold) {
            ports.append({0, s.signal + QStringLiteral(" 1-%1").arg(s.count), g, s.count});
        } else {
            for (int i = 1; i <= s.count; ++i) {
                QString label = s.signal;
                if (!direction.isEmpty() && !s.signal.contains(QLatin1Char(' ')))
                    label += QLatin1Char(' ') + direction;
                if (s.count > 1)
                    label += QLatin1Char(' ') + QString::number(i);
                ports.append({0, label, g, 1});
            }
        }
    }
    const int n = static_cast<int>(ports.size());
    const qreal pitch = n > 0 ? std::min<qreal>(24, (bottom - top) / n) : 0;
    const qreal first = (top + bottom) / 2 - pitch * (n - 1) / 2;
    for (int i = 0; i < n; ++i)
        ports[i].y = first + i * pitch;
    return ports;
}

void Arrow(QPainter &p, const QPointF &from, const QPointF &to, int bus)
{
    p.setPen(QPen(Ink, bus > 1 ? 2.2 : 0.9));
    p.drawLine(from, to);
    const qreal dir = to.x() > from.x() ? 1 : -1;
    QPolygonF head;
    head << to << to + QPointF(-4.5 * dir, -2.2) << to + QPointF(-4.5 * dir, 2.2);
    p.setBrush(Ink);
    p.setPen(Qt::NoPen);
    p.drawPolygon(head);
    if (bus > 1) {
        const QPointF mid = (from + to) / 2;
        p.setPen(QPen(Ink, 0.8));
        p.drawLine(mid + QPointF(-3, 4), mid + QPointF(3, -4));
        p.setFont(ArtFont(6.5));
        p.drawText(QRectF(mid.x() - 10, mid.y() - 13, 20, 8), Qt::AlignCenter, QString::number(bus));
    }
}

void Jack(QPainter &p, const QPointF &c)
{
    p.setPen(QPen(Ink, 0.8));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 2.4, 2.4);
}

void Triangle(QPainter &p, const QPointF &tip, qreal length, qreal half)
{
    QPolygonF amp;
    amp << tip << tip + QPointF(-length, -half) << tip + QPointF(-length, half);
    p.setPen(QPen(Ink, 0.9));
    p.setBrush(Qt::white);
    p.drawPolygon(amp);
}

void Wire(QPainter &p, const QPointF &a, const QPointF &b)
{
    p.setPen(QPen(Ink, 0.8));
    const qreal midX = (a.x() + b.x()) / 2;
    p.drawPolyline(QPolygonF{a, QPointF(midX, a.y()), QPointF(midX, b.y()), b});
}

struct Frame {
    QRectF block;          // the function block
    QList<Port> inputs;
    QList<Port> outputs;
    bool outputSwitches = false; // each output can be switched on and off
    bool gainControl = false;    // channels have adjustable gain
};

// An on/off contact in an output line just inside the block edge.
void OutputSwitch(QPainter &p, const QPointF &edge)
{
    const QPointF a = edge - QPointF(16, 0), b = edge - QPointF(6, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xff, 0xe0));
    p.drawRect(QRectF(a.x(), a.y() - 1, b.x() - a.x(), 2));
    p.setPen(QPen(Ink, 0.8));
    p.drawLine(a, a + QPointF(9, -4));
    p.setBrush(Ink);
    p.drawEllipse(a, 0.9, 0.9);
    p.drawEllipse(b, 0.9, 0.9);
}

// The arrow across an amplifier that marks adjustable gain.
void GainArrow(QPainter &p, const QPointF &tip, qreal length, qreal half)
{
    const QPointF from = tip + QPointF(-length - 2, half + 2), to = tip + QPointF(2, -half - 2);
    p.setPen(QPen(Maroon, 0.7));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    p.setBrush(Maroon);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF{to, to - 3 * d + 1.5 * n, to - 3 * d - 1.5 * n});
}

QList<Port> OfGroup(const QList<Port> &ports, int group)
{
    QList<Port> result;
    for (const Port &port : ports)
        if (port.group == group)
            result.append(port);
    return result;
}

qreal MeanY(const QList<Port> &ports, qreal fallback)
{
    if (ports.isEmpty())
        return fallback;
    qreal sum = 0;
    for (const Port &port : ports)
        sum += port.y;
    return sum / ports.size();
}

// Each input group drives an amplifier that fans out to the matching outputs.
void Amplifiers(QPainter &p, const Frame &f, bool dashedFeed)
{
    const int groups = static_cast<int>(std::max(f.inputs.isEmpty() ? 0 : f.inputs.last().group + 1,
                                                 f.outputs.isEmpty() ? 0 : f.outputs.last().group + 1));
    for (int g = 0; g < groups; ++g) {
        const QList<Port> outs = OfGroup(f.outputs, g);
        const QList<Port> ins = OfGroup(f.inputs, std::min<int>(g, f.inputs.last().group));
        const qreal y = MeanY(outs, MeanY(ins, f.block.center().y()));
        const QPointF tip(f.block.center().x() + 18, y);
        QPen feed(Ink, 0.9);
        if (dashedFeed)
            feed.setStyle(Qt::DashLine);
        p.setPen(feed);
        p.drawPolyline(QPolygonF{QPointF(f.block.left(), MeanY(ins, y)),
                                 QPointF(f.block.center().x() - 30, MeanY(ins, y)),
                                 QPointF(f.block.center().x() - 30, y), tip - QPointF(30, 0)});
        Triangle(p, tip, 30, 13);
        for (const Port &out : outs) {
            Wire(p, tip, QPointF(f.block.right(), out.y));
            if (f.outputSwitches)
                OutputSwitch(p, QPointF(f.block.right(), out.y));
        }
        p.setBrush(Ink);
        p.setPen(Qt::NoPen);
        p.drawEllipse(tip + QPointF(6, 0), 1.6, 1.6);
    }
}

// Parallel channels: one amplifier per input, to the output of the same number.
void Channels(QPainter &p, const Frame &f)
{
    for (int i = 0; i < f.inputs.size(); ++i) {
        const qreal yIn = f.inputs[i].y;
        const qreal yOut = i < f.outputs.size() ? f.outputs[i].y : yIn;
        const QPointF tip(f.block.center().x() + 12, (yIn + yOut) / 2);
        const qreal half = std::min<qreal>(8, (f.block.height() / f.inputs.size()) / 2 - 1);
        Wire(p, QPointF(f.block.left(), yIn), tip - QPointF(24, 0));
        Triangle(p, tip, 24, half);
        if (f.gainControl)
            GainArrow(p, tip, 24, half);
        Wire(p, tip, QPointF(f.block.right(), yOut));
    }
}

// Inputs end at contacts; a switch arm connects one of them to the output.
void Switch(QPainter &p, const Frame &f)
{
    const int groups = f.outputs.isEmpty() ? 0 : f.outputs.last().group + 1;
    for (int g = 0; g < groups; ++g) {
        const QList<Port> ins = OfGroup(f.inputs, g);
        const QList<Port> outs = OfGroup(f.outputs, g);
        const qreal contactX = f.block.left() + 26;
        for (const Port &in : ins) {
            p.setPen(QPen(Ink, 0.8));
            p.drawLine(QPointF(f.block.left(), in.y), QPointF(contactX - 2, in.y));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(contactX, in.y), 2, 2);
        }
        const qreal outY = MeanY(outs, f.block.center().y());
        const qreal armY = ins.size() > 1 ? MeanY(ins, outY) + 6 : outY;
        const QPointF pivot(f.block.center().x() + 8, armY);
        p.setBrush(Ink);
        p.drawEllipse(pivot, 2, 2);
        p.setPen(QPen(Ink, 1.3));
        if (!ins.isEmpty())
            p.drawLine(pivot, QPointF(contactX + 2, ins.first().y));
        const QPointF tip(f.block.right() - 8, outY);
        Wire(p, pivot, tip - QPointF(20, 0));
        Triangle(p, tip, 20, 9);
        for (const Port &out : outs)
            Wire(p, tip, QPointF(f.block.right(), out.y));
    }
}

// Crosspoint grid: inputs as rows, outputs as columns.
void Crosspoints(QPainter &p, const Frame &f)
{
    const int rows = std::max<int>(1, f.inputs.size());
    const int columns = std::max<int>(1, f.outputs.size());
    const QRectF grid(f.block.left() + 8, f.block.top() + 22, f.block.width() - 34, f.block.height() - 30);
    const qreal dx = grid.width() / columns;
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 0.5));
    for (int c = 0; c < columns; ++c) {
        const qreal x = grid.left() + (c + 0.5) * dx;
        p.drawLine(QPointF(x, grid.top()), QPointF(x, grid.bottom()));
    }
    for (const Port &in : f.inputs) {
        p.setPen(QPen(Ink, 0.7));
        p.drawLine(QPointF(f.block.left(), in.y), QPointF(grid.right(), in.y));
    }
    // A sample routing: output c takes input c modulo the input count.
    p.setPen(Qt::NoPen);
    for (int c = 0; c < columns; ++c) {
        const qreal x = grid.left() + (c + 0.5) * dx;
        for (int r = 0; r < f.inputs.size(); ++r) {
            const bool on = r == c % rows;
            p.setBrush(on ? Maroon : QColor(0xb0, 0xb0, 0xb0));
            p.drawEllipse(QPointF(x, f.inputs[r].y), on ? 2.0 : 1.0, on ? 2.0 : 1.0);
        }
    }
    // Output buffers collect the columns at the right.
    const QRectF buffers(grid.right() + 4, grid.top(), 12, grid.height());
    p.setPen(QPen(Ink, 0.8));
    p.setBrush(QColor(0xe0, 0xe8, 0xff));
    p.drawRect(buffers);
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 0.5));
    p.drawLine(QPointF(grid.left() + 0.5 * dx, grid.bottom()), QPointF(buffers.left(), grid.bottom()));
    for (const Port &out : f.outputs) {
        p.setPen(QPen(Ink, 0.8));
        p.drawLine(QPointF(buffers.right(), out.y), QPointF(f.block.right(), out.y));
    }
}

// A chain of processing stages; inputs merge into the first, outputs leave the last.
void Chain(QPainter &p, const Frame &f, const QStringList &stages)
{
    const int n = static_cast<int>(stages.size());
    const qreal gap = 8;
    const qreal w = (f.block.width() - 16 - gap * (n - 1)) / n;
    const qreal h = 40;
    const qreal y = f.block.center().y() - h / 2 + 6;
    QList<QRectF> boxes;
    for (int i = 0; i < n; ++i)
        boxes.append(QRectF(f.block.left() + 8 + i * (w + gap), y, w, h));
    for (const Port &in : f.inputs)
        Wire(p, QPointF(f.block.left(), in.y), QPointF(boxes.first().left(), boxes.first().center().y()));
    for (const Port &out : f.outputs)
        Wire(p, QPointF(boxes.last().right(), boxes.last().center().y()), QPointF(f.block.right(), out.y));
    for (int i = 0; i < n; ++i) {
        p.setPen(QPen(Ink, 0.9));
        p.setBrush(QColor(0xe8, 0xf0, 0xff));
        p.drawRect(boxes[i]);
        p.setFont(ArtFont(6.4, true));
        p.drawText(boxes[i].adjusted(1, 1, -1, -1), Qt::AlignCenter | Qt::TextWordWrap, stages[i]);
        if (i > 0)
            Arrow(p, QPointF(boxes[i - 1].right(), boxes[i].center().y()), QPointF(boxes[i].left(), boxes[i].center().y()), 1);
    }
}

// Mixer: each input through a level control into a summing point.
void Summing(QPainter &p, const Frame &f, bool powerStage)
{
    const QPointF sum(f.block.left() + (powerStage ? 52 : 70), f.block.center().y() + 6);
    for (const Port &in : f.inputs) {
        const QPointF tip(f.block.left() + 28, in.y);
        p.setPen(QPen(Ink, 0.8));
        p.drawLine(QPointF(f.block.left(), in.y), tip - QPointF(14, 0));
        Triangle(p, tip, 14, 6);
        p.setPen(QPen(Ink, 0.7));
        p.drawLine(tip + QPointF(-12, 6), tip + QPointF(-2, -6)); // variable gain
        Wire(p, tip, sum - QPointF(7, 0));
    }
    p.setPen(QPen(Ink, 0.9));
    p.setBrush(Qt::white);
    p.drawEllipse(sum, 7, 7);
    p.setFont(ArtFont(9, true));
    p.drawText(QRectF(sum.x() - 7, sum.y() - 7, 14, 14), Qt::AlignCenter, QStringLiteral("\u03a3"));
    QPointF from = sum + QPointF(7, 0);
    if (powerStage) {
        const QPointF tip(f.block.right() - 14, sum.y());
        p.setPen(QPen(Ink, 0.9));
        p.drawLine(from, tip - QPointF(34, 0));
        Triangle(p, tip, 34, 16);
        p.setFont(ArtFont(6, true));
        p.drawText(QRectF(tip.x() - 32, tip.y() - 4, 22, 8), Qt::AlignCenter, QStringLiteral("PWR"));
        from = tip;
    }
    for (const Port &out : f.outputs)
        Wire(p, from, QPointF(f.block.right(), out.y));
}

// Receivers (input cards) or drivers (output cards) per line, joined by the
// bus to the matrix engine.
void Bus(QPainter &p, const Frame &f, bool towardsOutputs)
{
    const QList<Port> &lines = towardsOutputs ? f.inputs : f.outputs;
    const QList<Port> &bus = towardsOutputs ? f.outputs : f.inputs;
    if (lines.isEmpty() || bus.isEmpty())
        return;
    const qreal barX = towardsOutputs ? f.block.right() - 22 : f.block.left() + 22;
    const qreal half = std::min<qreal>(8, (f.block.height() / lines.size()) / 2 - 1);
    for (const Port &line : lines) {
        const qreal from = towardsOutputs ? f.block.left() : barX;
        const qreal to = towardsOutputs ? barX : f.block.right();
        const QPointF tip((from + to) / 2 + 12, line.y);
        p.setPen(QPen(Ink, 0.8));
        p.drawLine(QPointF(from, line.y), tip - QPointF(24, 0));
        Triangle(p, tip, 24, half);
        p.setPen(QPen(Ink, 0.8));
        p.drawLine(tip, QPointF(to, line.y));
    }
    p.setPen(QPen(Navy, 3));
    p.drawLine(QPointF(barX, lines.first().y - 4), QPointF(barX, lines.last().y + 4));
    const qreal busY = bus.first().y;
    p.setPen(QPen(Navy, 2.2));
    if (towardsOutputs)
        p.drawLine(QPointF(barX, busY), QPointF(f.block.right(), busY));
    else
        p.drawLine(QPointF(f.block.left(), busY), QPointF(barX, busY));
}

void Engine(QPainter &p, const Frame &f)
{
    const QRectF core = f.block.adjusted(24, 30, -24, -14);
    p.setPen(QPen(Ink, 0.9));
    p.setBrush(QColor(0xe8, 0xf0, 0xff));
    p.drawRect(core);
    p.setPen(QPen(QColor(0x90, 0x90, 0xb0), 0.4));
    for (int i = 1; i < 12; ++i) {
        p.drawLine(QPointF(core.left() + i * core.width() / 12, core.top()), QPointF(core.left() + i * core.width() / 12, core.bottom()));
        p.drawLine(QPointF(core.left(), core.top() + i * core.height() / 12), QPointF(core.right(), core.top() + i * core.height() / 12));
    }
    p.setPen(Ink);
    p.setFont(ArtFont(10, true));
    p.drawText(core, Qt::AlignCenter, QStringLiteral("64 X 64"));
    for (const Port &in : f.inputs)
        Wire(p, QPointF(f.block.left(), in.y), QPointF(core.left(), core.center().y()));
    for (const Port &out : f.outputs)
        Wire(p, QPointF(core.right(), core.center().y()), QPointF(f.block.right(), out.y));
}

void Processor(QPainter &p, const Frame &f)
{
    const QRectF core(f.block.center().x() - 22, f.block.center().y() - 22, 44, 52);
    for (const Port &in : f.inputs)
        Wire(p, QPointF(f.block.left(), in.y), QPointF(core.left(), std::clamp(in.y, core.top() + 3, core.bottom() - 3)));
    for (const Port &out : f.outputs) {
        const QPointF end(f.block.right(), out.y);
        if (out.label.startsWith(QLatin1String("RELAY"))) {
            // Relay contact on the way out
            const QPointF contact(f.block.right() - 16, out.y);
            Wire(p, QPointF(core.right(), std::clamp(out.y, core.top() + 3, core.bottom() - 3)), contact - QPointF(10, 0));
            p.setPen(QPen(Ink, 0.9));
            p.drawLine(contact - QPointF(10, 0), contact + QPointF(-1, -4));
            p.drawLine(contact, end);
        } else {
            Wire(p, QPointF(core.right(), std::clamp(out.y, core.top() + 3, core.bottom() - 3)), end);
        }
    }
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(0x40, 0x40, 0x48));
    p.drawRect(core);
    p.setPen(QPen(QColor(0xa0, 0xa0, 0xa0), 0.6));
    for (int i = 0; i < 8; ++i) {
        const qreal y = core.top() + 4 + i * (core.height() - 8) / 7;
        p.drawLine(QPointF(core.left() - 3, y), QPointF(core.left(), y));
        p.drawLine(QPointF(core.right(), y), QPointF(core.right() + 3, y));
    }
    p.setPen(Qt::white);
    p.setFont(ArtFont(6.5, true));
    p.drawText(core, Qt::AlignCenter, QStringLiteral("\u00b5C"));
}

// The expansion bus that links the card with its expansion cards.
void ExpansionPort(QPainter &p, const Frame &f)
{
    const qreal x = f.block.left() + 14;
    const qreal y = MeanY(f.inputs, f.block.center().y());
    QPen dashed(Navy, 1.2, Qt::DashLine);
    p.setPen(dashed);
    p.drawLine(QPointF(x, y + 3), QPointF(x, f.block.bottom()));
    p.setBrush(Navy);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(x, y), 1.6, 1.6);
    p.setPen(Navy);
    p.setFont(ArtFont(5.8, true));
    p.drawText(QRectF(x + 3, f.block.bottom() - 11, 80, 9), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("EXPANSION BUS"));
}

void Columns(QPainter &p, const QList<Port> &ports, qreal x, qreal edge, bool left, const QFont &font)
{
    p.setFont(font);
    for (const Port &port : ports) {
        const QPointF jack(x, port.y);
        if (left) {
            p.setPen(Navy);
            p.drawText(QRectF(2, port.y - 6, x - 7, 12), Qt::AlignRight | Qt::AlignVCenter, port.label);
            Jack(p, jack);
            Arrow(p, jack + QPointF(2.4, 0), QPointF(edge, port.y), port.count);
        } else {
            Arrow(p, QPointF(edge, port.y), jack - QPointF(2.4, 0), port.count);
            Jack(p, jack);
            p.setPen(Navy);
            p.drawText(QRectF(x + 5, port.y - 6, 200, 12), Qt::AlignLeft | Qt::AlignVCenter, port.label);
        }
    }
}

} // namespace

namespace BlockDiagram {

QSize Size(const CardModel &model)
{
    return {model.diagramWidth, Artwork::DiagramHeight};
}

void Draw(QPainter &p, const CardModel &model)
{
    const QSize size = Size(model);
    // A left strip that a page's panel covers stays blank; the diagram is
    // drawn right of it.
    p.translate(model.diagramInset, 0);
    const qreal width = size.width() - model.diagramInset;
    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 0.5, width - 1, size.height() - 1));

    // Title
    p.setPen(Maroon);
    p.setFont(ArtFont(12, true));
    p.drawText(QRectF(8, 4, width - 16, 16), Qt::AlignLeft | Qt::AlignVCenter, model.code);
    p.setPen(Ink);
    p.setFont(ArtFont(6.5));
    const QString description = QFontMetricsF(p.font()).elidedText(model.description.simplified(),
                                                                  Qt::ElideRight, width - 16);
    p.drawText(QRectF(8, 20, width - 16, 9), Qt::AlignLeft | Qt::AlignVCenter, description);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 0.6));
    p.drawLine(QPointF(6, 31), QPointF(width - 6, 31));

    // Layout: labels and jacks at the sides, the function block in the middle.
    const qreal blockTop = 44, blockBottom = 256;
    const QStringList features = Features(model.description);
    // A narrow diagram leaves the direction off its labels to keep room for the block.
    const bool narrow = width < 200;
    Frame frame{{}, Ports(model.inputs, blockTop + 22, blockBottom - 8, narrow ? QString() : QStringLiteral("IN")),
                Ports(model.outputs, blockTop + 22, blockBottom - 8, narrow ? QString() : QStringLiteral("OUT")),
                features.contains(QLatin1String("OUTPUT CONTROL")) || features.contains(QLatin1String("OUTPUT ON/OFF")),
                features.contains(QLatin1String("GAIN CONTROL"))};
    const int lines = static_cast<int>(std::max(frame.inputs.size(), frame.outputs.size()));
    const QFont labelFont = ArtFont(lines > 12 ? 6.2 : width < 300 ? 6.4 : 7.5);
    const QFontMetricsF metrics(labelFont);
    auto labelWidth = [&metrics](const QList<Port> &ports) {
        qreal widest = 0;
        for (const Port &port : ports)
            widest = std::max(widest, metrics.horizontalAdvance(port.label));
        return widest;
    };
    const qreal arrowRoom = width < 300 ? 16 : 24;
    const qreal inJackX = frame.inputs.isEmpty() ? 8 : labelWidth(frame.inputs) + 10;
    const qreal outJackX = width - labelWidth(frame.outputs) - 10;
    frame.block = QRectF(inJackX + arrowRoom, blockTop, outJackX - inJackX - 2 * arrowRoom, blockBottom - blockTop);
    const QRectF block = frame.block;

    p.setPen(QPen(Ink, 1.2));
    p.setBrush(Fill);
    p.drawRoundedRect(block, 4, 4);
    p.setPen(Maroon);
    // The caption's longest word fits the block's width.
    qreal captionSize = 7.5;
    const QStringList words = model.caption.split(QLatin1Char(' '));
    auto widest = [&words](qreal size) {
        const QFontMetricsF metrics(ArtFont(size, true));
        qreal w = 0;
        for (const QString &word : words)
            w = std::max(w, metrics.horizontalAdvance(word));
        return w;
    };
    while (captionSize > 5.5 && widest(captionSize) > block.width() - 6)
        captionSize -= 0.5;
    p.setFont(ArtFont(captionSize, true));
    p.drawText(block.adjusted(2, 3, -2, 0), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, model.caption);

    switch (model.function) {
    case Function::Amplifier: Amplifiers(p, frame, false); break;
    case Function::Expansion:
        if (model.outputs.size() == 1 && model.outputs.first().count == 1)
            Switch(p, frame);
        else
            Amplifiers(p, frame, true);
        break;
    case Function::Switcher: Switch(p, frame); break;
    case Function::Matrix: Crosspoints(p, frame); break;
    case Function::Channels: Channels(p, frame); break;
    case Function::Scaler:
        if (model.caption.contains(QLatin1String("TRANSMITTER")))
            Chain(p, frame, {QStringLiteral("INPUT BUFFERS"), QStringLiteral("UTP LINE DRIVER")});
        else if (model.caption.contains(QLatin1String("RECEIVER")))
            Chain(p, frame, {QStringLiteral("UTP LINE RECEIVER"), QStringLiteral("EQUALIZER / SPLITTER")});
        else
            Chain(p, frame, {QStringLiteral("DECODER"), QStringLiteral("SCALER"), QStringLiteral("ENCODER")});
        break;
    case Function::Player:
        Chain(p, frame, {QStringLiteral("1 GB FLASH"), QStringLiteral("MPEG DECODER"), QStringLiteral("OUTPUT STAGE")});
        break;
    case Function::Engine: Engine(p, frame); break;
    case Function::EngineInput: Bus(p, frame, true); break;
    case Function::EngineOutput: Bus(p, frame, false); break;
    case Function::PowerAmp: Summing(p, frame, true); break;
    case Function::Mixer: Summing(p, frame, false); break;
    case Function::Ports: Processor(p, frame); break;
    case Function::Power:
        Chain(p, frame, {QStringLiteral("BREAKER"), QStringLiteral("CURRENT SENSOR"), QStringLiteral("OUTLET RELAYS")});
        break;
    case Function::Cover: break;
    }

    if (features.contains(QLatin1String("EXPANDABLE")) && model.function != Function::Expansion)
        ExpansionPort(p, frame);

    Columns(p, frame.inputs, inJackX, block.left(), true, labelFont);
    Columns(p, frame.outputs, outJackX, block.right(), false, labelFont);

    // Features
    p.setPen(Ink);
    p.setFont(ArtFont(7, true));
    p.drawText(QRectF(8, size.height() - 26, width - 16, 20), Qt::AlignCenter | Qt::TextWordWrap,
               features.join(QStringLiteral("  \u2022  ")));
}

} // namespace BlockDiagram
