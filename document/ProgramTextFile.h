#pragma once

#include <QString>
#include <QStringList>

// Import and export of the controller program as a plain Windows-1252 text file.
namespace ProgramTextFile {

// The file's lines (CR LF, LF or CR end a line); QlError when it cannot be read.
QStringList Read(const QString &path);

// Writes each line followed by CR LF, replacing the file in one step; QlError
// when it cannot be written or a line holds a character the code page lacks
// (nothing is written then).
void Write(const QString &path, const QStringList &lines);

} // namespace ProgramTextFile
