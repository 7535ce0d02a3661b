#include "controller/CardMemory.h"

#include <QList>

namespace CardMemory {

int LeadingNumber(const QString &text)
{
    qsizetype at = 0;
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        at = 1;
    // Past the clamp's range the exact value no longer matters.
    constexpr int Ceiling = 1000;
    int number = 0;
    for (; at < text.size() && text.at(at) >= u'0' && text.at(at) <= u'9'; ++at)
        number = qMin(number * 10 + (text.at(at).unicode() - u'0'), Ceiling);
    return negative ? -number : number;
}

QString Clamped(const QString &text)
{
    const int number = LeadingNumber(text);
    if (number > LastNumber)
        return QString::number(LastNumber);
    if (number < FirstNumber)
        return QString::number(FirstNumber);
    return text;
}

namespace {

// Collects the save commands of one save.
class Pieces
{
public:
    Pieces(const char *port, bool append) : m_port(QLatin1String(port)), m_firstPiece(!append) {}

    void Send(const QString &piece)
    {
        const QChar flag = m_firstPiece ? u'1' : u'0';
        m_commands << QStringLiteral("[SAV") + m_port + flag + u',' + piece
                          + QStringLiteral(",M%vC%c]");
        m_firstPiece = false;
    }
    // Later pieces add to what the memory holds.
    void EndFirstPiece() { m_firstPiece = false; }
    const QStringList &Commands() const { return m_commands; }

private:
    QString m_port;
    bool m_firstPiece;
    QStringList m_commands;
};

constexpr qsizetype PieceLength = 8;

QStringList SerialPieces(const QString &data, bool append)
{
    Pieces pieces("RS", append);
    QString piece;
    for (const QChar ch : data) {
        if (ch == u'%') {
            if (!piece.isEmpty())
                pieces.Send(piece);
            pieces.EndFirstPiece();
            piece = QStringLiteral("|");
            continue;
        }
        piece += ch;
        if (piece.size() == PieceLength) {
            pieces.Send(piece);
            piece.clear();
        }
    }
    pieces.Send(piece);
    return pieces.Commands();
}

QStringList IrPieces(const QString &data, bool append)
{
    Pieces pieces("IR", append);
    QString piece;
    for (const QChar ch : data) {
        if (ch != u'0' && ch != u'1')
            continue;
        piece += ch;
        if (piece.size() == PieceLength) {
            pieces.Send(piece);
            piece.clear();
        }
    }
    if (!piece.isEmpty())
        pieces.Send(piece);
    return pieces.Commands();
}

} // namespace

QStringList SaveCommands(const QString &data, bool irPort, bool append)
{
    return irPort ? IrPieces(data, append) : SerialPieces(data, append);
}

char32_t FirstUnsendable(const QString &data)
{
    for (const char32_t ch : data.toUcs4()) {
        if (ch > 0xFF)
            return ch;
    }
    return 0;
}

} // namespace CardMemory
