#include "document/TextFile.h"

#include "app/QlError.h"
#include "document/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace TextFile {

namespace {

constexpr qint64 ReadChunk = 64 * 1024;

// A temporary that an interrupted atomic write of `path` left beside it:
// the file's name, a dot and six random letters of mixed case. Names such
// as "plant.qls.backup" are written in one case and are left alone.
bool IsStaleTemporary(const QString &name, const QString &fileName)
{
    static const QRegularExpression suffix(QStringLiteral("^\\.[A-Za-z]{6}$"));
    if (!name.startsWith(fileName))
        return false;
    const QString rest = name.mid(fileName.size());
    return suffix.match(rest).hasMatch() && rest != rest.toLower() && rest != rest.toUpper();
}

void RemoveStaleTemporaries(const QString &path)
{
    const QFileInfo target(path);
    const QDir folder = target.absoluteDir();
    const QString fileName = target.fileName();
    for (const QFileInfo &entry : folder.entryInfoList(QDir::Files | QDir::Hidden))
        if (!entry.isSymLink() && IsStaleTemporary(entry.fileName(), fileName))
            QFile::remove(entry.absoluteFilePath());
}

} // namespace

QString Read(const QString &path)
{
    const QFileInfo info(path);
    // A pipe or device would block the window until something writes to it.
    if (info.exists() && !info.isFile())
        throw QlError(QStringLiteral("Cannot open \"%1\": it is not a regular file").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw QlError(QStringLiteral("Cannot open \"%1\": %2").arg(path, file.errorString()));
    QByteArray bytes;
    bytes.reserve(qMin(file.size(), MaxSize) + 1);
    QByteArray chunk(ReadChunk, Qt::Uninitialized);
    qint64 got = 0;
    while ((got = file.read(chunk.data(), ReadChunk)) > 0) {
        bytes.append(chunk.constData(), got);
        if (bytes.size() > MaxSize)
            throw QlError(QStringLiteral("Cannot read \"%1\": the file is larger than %2 MB")
                              .arg(path)
                              .arg(MaxSize / (1024 * 1024)));
    }
    if (got < 0)
        throw QlError(QStringLiteral("Cannot read \"%1\": %2").arg(path, file.errorString()));
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
    RemoveStaleTemporaries(path);
}

} // namespace TextFile
