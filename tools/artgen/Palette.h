#pragma once

#include <QByteArray>
#include <QImage>

// Compact encodings of the drawn pictures.
namespace Palette {

// Reduces a picture to at most 256 colours: the means of its most used
// colour cells (5 bits a channel); other cells take the nearest of those.
QImage ToIndexed(const QImage &picture);

// A Windows bitmap file of an indexed picture, run-length encoded (BI_RLE8).
QByteArray EncodeBmpRle8(const QImage &indexed);

} // namespace Palette
