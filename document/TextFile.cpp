#include "document/TextFile.h"

#include "app/QlError.h"
#include "document/Cp1252.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace TextFile {

QString Read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw QlError(QStringLiteral("Cannot open \"%1\": %2").arg(path, file.errorString()));
    const QByteArray bytes = file.read(MaxSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw QlError(QStringLiteral("Cannot read \"%1\": %2").arg(path, file.errorString()));
    if (bytes.size() > MaxSize)
        throw QlError(QStringLiteral("Cannot read \"%1\": the file is larger than %2 MB")
                          .arg(path).arg(MaxSize / (1024 * 1024)));
    return Cp1252::Decode(bytes);
}

QStringList SplitLines(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineBreak);
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void WriteAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw QlError(QStringLiteral("Cannot create \"%1\": %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw QlError(QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString()));
}

} // namespace TextFile
