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

QString SerialDataProblem(const QString &data, const LineKeeps &keeps)
{
    const auto dropped = [](const char *what, qsizetype position, const char *option) {
        return QStringLiteral("The %1 at position %2 would not reach the unit: the program "
                              "drops %1s unless \"%3\" is on in the settings. Nothing was saved; "
                              "remove it or turn \"%3\" on, then save again.")
            .arg(QLatin1String(what))
            .arg(position)
            .arg(QLatin1String(option));
    };
    const auto character = [](char32_t ch, qsizetype position, const QString &why) {
        return QStringLiteral("The character \"%1\" at position %2 %3. Nothing was saved; "
                              "remove it, then save again.")
            .arg(QString::fromUcs4(&ch, 1))
            .arg(position)
            .arg(why);
    };
    qsizetype position = 0;
    for (const char32_t ch : data.toUcs4()) {
        ++position;
        switch (ch) {
        case U' ':
            if (!keeps.blanks)
                return dropped("blank", position, "AllowSpace");
            break;
        case U'\t':
            if (!keeps.returnsAndTabs)
                return dropped("tab", position, "AllowCR");
            break;
        case U'\r':
            if (!keeps.returnsAndTabs)
                return dropped("carriage return", position, "AllowCR");
            break;
        case U'|':
            return character(ch, position, QStringLiteral("would reach the unit as \"%\""));
        case U']':
        case U'}':
        case U'^':
            return character(ch, position, QStringLiteral("would end the save command early"));
        default:
            if (ch > 0xFF)
                return character(ch, position,
                                 QStringLiteral("(U+%1) cannot be sent to the unit")
                                     .arg(QString::number(uint(ch), 16)
                                              .toUpper()
                                              .rightJustified(4, u'0')));
        }
    }
    return {};
}

} // namespace CardMemory
