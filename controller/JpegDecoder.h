#pragma once

#include <QByteArray>
#include <QImage>

namespace JpegDecoder {

// Decodes JPEG bytes with libjpeg into an RGB32 picture. Corrupt, truncated or
// empty data raises QlError("Cannot decode JPEG picture: <reason>").
QImage Decode(const QByteArray &jpeg);

} // namespace JpegDecoder
