#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The single-byte Western code page of the document and program text files.
// Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D, which the code page leaves unassigned,
// map to the control characters of the same number, so every byte survives a
// decode/encode round trip.
namespace Cp1252 {

QString Decode(const QByteArray &bytes);

// The bytes of `text`, or nothing when a character has no byte in the code page.
std::optional<QByteArray> Encode(QStringView text);

// The first character of `text` that has no byte in the code page (a whole
// surrogate pair counts as one); empty when there is none.
QString FirstUnencodable(QStringView text);

} // namespace Cp1252
