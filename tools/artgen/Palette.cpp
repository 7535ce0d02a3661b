#include "Palette.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

namespace {

constexpr int Cells = 1 << 15;

int CellOf(QRgb rgb)
{
    return ((qRed(rgb) >> 3) << 10) | ((qGreen(rgb) >> 3) << 5) | (qBlue(rgb) >> 3);
}

int Distance(QRgb a, QRgb b)
{
    const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), bl = qBlue(a) - qBlue(b);
    return r * r + g * g + bl * bl;
}

struct Cell {
    qint64 count = 0;
    qint64 red = 0, green = 0, blue = 0;
};

void PutLe32(QByteArray &out, quint32 value)
{
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&le), 4);
}

void PutLe16(QByteArray &out, quint16 value)
{
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&le), 2);
}

// One row in RLE8: repeated runs as (count, index), stretches of differing
// pixels in absolute mode (0, count, pixels, padded to an even length).
void EncodeRow(QByteArray &out, const uchar *row, int width)
{
    int i = 0;
    while (i < width) {
        int run = 1;
        while (i + run < width && run < 255 && row[i + run] == row[i])
            ++run;
        if (run >= 3 || i + run == width) {
            out.append(static_cast<char>(run));
            out.append(static_cast<char>(row[i]));
            i += run;
            continue;
        }
        // Literal stretch up to the next run of three.
        int length = 0;
        while (i + length < width && length < 255) {
            const int at = i + length;
            if (at + 2 < width && row[at] == row[at + 1] && row[at] == row[at + 2])
                break;
            ++length;
        }
        if (length < 3) {
            for (int k = 0; k < length; ++k) {
                out.append(static_cast<char>(1));
                out.append(static_cast<char>(row[i + k]));
            }
        } else {
            out.append(static_cast<char>(0));
            out.append(static_cast<char>(length));
            out.append(reinterpret_cast<const char *>(row + i), length);
            if (length % 2)
                out.append(static_cast<char>(0));
        }
        i += length;
    }
    out.append(static_cast<char>(0)); // end of line
    out.append(static_cast<char>(0));
}

} // namespace

namespace Palette {

QImage ToIndexed(const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    std::vector<Cell> cells(Cells);
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            Cell &cell = cells[CellOf(line[x])];
            ++cell.count;
            cell.red += qRed(line[x]);
            cell.green += qGreen(line[x]);
            cell.blue += qBlue(line[x]);
        }
    }
    std::vector<int> order(Cells);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&cells](int a, int b) { return cells[a].count > cells[b].count; });

    QList<QRgb> colours;
    for (int k = 0; k < 256 && cells[order[k]].count > 0; ++k) {
        const Cell &cell = cells[order[k]];
        colours.append(qRgb(static_cast<int>(cell.red / cell.count), static_cast<int>(cell.green / cell.count),
                            static_cast<int>(cell.blue / cell.count)));
    }
    std::vector<uchar> nearest(Cells, 0);
    for (int c = 0; c < Cells; ++c) {
        if (cells[c].count == 0)
            continue;
        const Cell &cell = cells[c];
        const QRgb mean = qRgb(static_cast<int>(cell.red / cell.count), static_cast<int>(cell.green / cell.count),
                               static_cast<int>(cell.blue / cell.count));
        int best = 0;
        for (int k = 1; k < colours.size(); ++k)
            if (Distance(mean, colours[k]) < Distance(mean, colours[best]))
                best = k;
        nearest[c] = static_cast<uchar>(best);
    }

    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(colours);
    indexed.setDotsPerMeterX(rgb.dotsPerMeterX());
    indexed.setDotsPerMeterY(rgb.dotsPerMeterY());
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x)
            out[x] = nearest[CellOf(line[x])];
    }
    return indexed;
}

QByteArray EncodeBmpRle8(const QImage &indexed)
{
    QByteArray pixels;
    for (int y = indexed.height() - 1; y >= 0; --y) // bottom-up
        EncodeRow(pixels, indexed.constScanLine(y), indexed.width());
    pixels.append(static_cast<char>(0)); // end of bitmap
    pixels.append(static_cast<char>(1));

    const QList<QRgb> colours = indexed.colorTable();
    const quint32 headers = 14 + 40 + 4 * 256;
    QByteArray out;
    out.append("BM", 2);
    PutLe32(out, headers + static_cast<quint32>(pixels.size()));
    PutLe32(out, 0);
    PutLe32(out, headers);
    PutLe32(out, 40);
    PutLe32(out, static_cast<quint32>(indexed.width()));
    PutLe32(out, static_cast<quint32>(indexed.height()));
    PutLe16(out, 1);
    PutLe16(out, 8);
    PutLe32(out, 1); // BI_RLE8
    PutLe32(out, static_cast<quint32>(pixels.size()));
    PutLe32(out, static_cast<quint32>(indexed.dotsPerMeterX()));
    PutLe32(out, static_cast<quint32>(indexed.dotsPerMeterY()));
    PutLe32(out, 256);
    PutLe32(out, 0);
    for (int k = 0; k < 256; ++k) {
        const QRgb c = k < colours.size() ? colours[k] : 0;
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append(static_cast<char>(0));
    }
    return out + pixels;
}

} // namespace Palette
