#include "document/ProgramTextFile.h"

#include "app/QlError.h"
#include "document/Cp1252.h"
#include "document/TextFile.h"

namespace ProgramTextFile {

QStringList Read(const QString &path)
{
    return TextFile::SplitLines(TextFile::Read(path));
}

void Write(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (int n = 0; n < lines.size(); ++n) {
        const std::optional<QByteArray> line = Cp1252::Encode(lines[n]);
        if (!line)
            throw QlError(QStringLiteral("Line %1 of the program holds \"%2\", which "
                                         "Windows-1252 cannot represent; nothing was exported.")
                              .arg(n + 1)
                              .arg(Cp1252::FirstUnencodable(lines[n])));
        bytes += *line + "\r\n";
    }
    TextFile::WriteAtomically(path, bytes);
}

} // namespace ProgramTextFile
