#include "unit/UnitLog.h"

#include "unit/CommandFramer.h"

#include <QFile>

namespace {

constexpr qsizetype BriefLength = 48;

QString Readable(const QByteArray &bytes)
{
    QString text;
    for (char c : bytes) {
        switch (c) {
        case '\r':
            text += QStringLiteral("\\r");
            break;
        case '\n':
            text += QStringLiteral("\\n");
            break;
        case '\t':
            text += QStringLiteral("\\t");
            break;
        case '\\':
            text += QStringLiteral("\\\\");
            break;
        default:
            if (c >= 0x20 && c < 0x7F)
                text += QLatin1Char(c);
            else
                text += QStringLiteral("\\x%1").arg(static_cast<unsigned char>(c), 2, 16, QLatin1Char('0'));
        }
    }
    return text;
}

QString Brief(const QByteArray &bytes)
{
    if (bytes.size() <= CommandFramer::MaxLength)
        return Readable(bytes);
    return QStringLiteral("%1... (%2 bytes)").arg(Readable(bytes.left(BriefLength))).arg(bytes.size());
}

} // namespace

void UnitLog::Arrived(qint64 at, qint64 pause, const char *kind, const QByteArray &bytes)
{
    Line(at, QStringLiteral("+%1 ms").arg(pause), kind, bytes);
}

void UnitLog::Did(qint64 at, const char *kind, const QByteArray &bytes)
{
    Line(at, QString(), kind, bytes);
}

void UnitLog::Line(qint64 at, const QString &pause, const char *kind, const QByteArray &bytes)
{
    const QString line =
        QStringLiteral("%1 ms %2  %3 %4\n").arg(at, 8).arg(pause, 10).arg(QLatin1String(kind), Brief(bytes));
    m_out.write(line.toLatin1());
    m_out.flush();
}
