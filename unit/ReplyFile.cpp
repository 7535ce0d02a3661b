#include "unit/ReplyFile.h"

#include "app/QlError.h"
#include "unit/CommandFramer.h"

#include <QFile>
#include <QList>

#include <cctype>

namespace {

QlError LineError(int line, const QString &message)
{
    return QlError(QStringLiteral("line %1: %2").arg(line).arg(message));
}

// The one command that `text` frames, or empty when it frames anything else.
QByteArray SoleCommand(const QByteArray &text)
{
    CommandFramer framer;
    QList<CommandFramer::Piece> pieces = framer.Feed(text);
    pieces += framer.Finish();
    if (pieces.size() != 1 || pieces.first().kind != CommandFramer::Kind::Command)
        return {};
    return pieces.first().text;
}

QByteArray Unescape(const QByteArray &text, int line)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            bytes += text[i];
            continue;
        }
        const char kind = i + 1 < text.size() ? text[++i] : '\0';
        switch (kind) {
        case 'r':
            bytes += '\r';
            break;
        case 'n':
            bytes += '\n';
            break;
        case 't':
            bytes += '\t';
            break;
        case '\\':
            bytes += '\\';
            break;
        case 'x': {
            const QByteArray digits = text.mid(i + 1, 2);
            if (digits.size() != 2 || !std::isxdigit(static_cast<unsigned char>(digits[0]))
                || !std::isxdigit(static_cast<unsigned char>(digits[1])))
                throw LineError(line, QStringLiteral("\\x needs two hexadecimal digits"));
            bytes += static_cast<char>(digits.toInt(nullptr, 16));
            i += 2;
            break;
        }
        default:
            throw LineError(line, QStringLiteral("unknown escape \\%1 (use \\r, \\n, \\t, \\\\ or \\xHH)")
                                      .arg(QLatin1Char(kind)));
        }
    }
    return bytes;
}

} // namespace

ReplyFile::Table ReplyFile::Read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw QlError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    try {
        return Parse(file.readAll());
    } catch (const QlError &error) {
        throw QlError(QStringLiteral("%1: %2").arg(path, error.message()));
    }
}

ReplyFile::Table ReplyFile::Parse(const QByteArray &contents)
{
    Table table;
    const QList<QByteArray> lines = contents.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype closer = line.indexOf(line.startsWith('[') ? ']' : '}');
        const QByteArray command = closer < 0 ? QByteArray() : SoleCommand(line.left(closer + 1));
        if (command.isEmpty())
            throw LineError(number, QStringLiteral("expected a command in [ ] or { } first"));
        const QByteArray rest = line.mid(closer + 1).trimmed();
        if (!rest.startsWith('='))
            throw LineError(number, QStringLiteral("expected \"=\" after %1").arg(QString::fromLatin1(command)));
        const QByteArray reply = Unescape(rest.mid(1).trimmed(), number);
        if (reply.isEmpty())
            throw LineError(number, QStringLiteral("no reply after \"=\""));
        if (const auto earlier = table.constFind(command); earlier != table.cend())
            throw LineError(number, QStringLiteral("%1 has a reply on line %2 already")
                                        .arg(QString::fromLatin1(command))
                                        .arg(earlier->line));
        table.insert(command, {reply, number});
    }
    return table;
}
