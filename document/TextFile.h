#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reading and writing the program's Windows-1252 text files.
namespace TextFile {

// Files larger than this are refused rather than read into memory.
constexpr qint64 MaxSize = 16 * 1024 * 1024;

// The whole file, decoded; QlError when it cannot be read or is not a
// regular file.
QString Read(const QString &path);

// Lines of a text split at CR LF, LF or a lone CR; a final line break adds no
// empty line, and an empty text has no lines.
QStringList SplitLines(const QString &text);

// Replaces the file with `bytes` in one step: a failed write leaves the old
// file whole. Then removes the temporaries that interrupted writes of the
// same file left beside it. QlError when it cannot be written.
void WriteAtomically(const QString &path, const QByteArray &bytes);

} // namespace TextFile
