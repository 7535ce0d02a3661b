#include "unit/CommandFramer.h"

#include <algorithm>
#include <cctype>

namespace {

char CloserOf(char opener)
{
    switch (opener) {
    case '[':
        return ']';
    case '{':
        return '}';
    default:
        return 0;
    }
}

// Tab, carriage return and line feed can come from a template; other control
// bytes and bytes above 126 are line noise.
bool IsCommandByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x20 && byte < 0x7F) || c == '\t' || c == '\r' || c == '\n';
}

bool IsBlank(const QByteArray &text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// The input half of a crosspoint command ("[I3" of [I3O5C5]); empty for
// other commands.
QByteArray CrosspointInput(const QByteArray &command)
{
    if (!command.startsWith("[I"))
        return {};
    qsizetype digitsEnd = 2;
    while (digitsEnd < command.size() && std::isdigit(static_cast<unsigned char>(command[digitsEnd])))
        ++digitsEnd;
    if (digitsEnd == 2 || digitsEnd == command.size() || command[digitsEnd] != 'O')
        return {};
    return command.left(digitsEnd);
}

} // namespace

QList<CommandFramer::Piece> CommandFramer::Feed(const QByteArray &data)
{
    QList<Piece> pieces;
    for (char c : data)
        Take(c, pieces);
    return pieces;
}

QList<CommandFramer::Piece> CommandFramer::Finish()
{
    QList<Piece> pieces;
    if (m_closer)
        EndOpenCommand(pieces);
    else
        EndStray(pieces);
    m_skipping = false;
    m_crosspointInput.clear();
    return pieces;
}

void CommandFramer::Take(char c, QList<Piece> &pieces)
{
    if (!m_closer) {
        // The unit reads a further output half as a crosspoint of its own.
        if (c == 'O' && m_text.isEmpty() && !m_skipping && !m_crosspointInput.isEmpty()) {
            m_closer = ']';
            m_text = m_crosspointInput;
        }
        m_crosspointInput.clear();
    }
    if (const char closer = CloserOf(c)) {
        if (m_closer)
            EndOpenCommand(pieces);
        else
            EndStray(pieces);
        m_skipping = false;
        m_closer = closer;
        m_text = QByteArray(1, c);
        return;
    }
    if (m_closer && c == m_closer) {
        if (!m_skipping) {
            m_text += c;
            const bool clean = std::all_of(m_text.begin(), m_text.end(), IsCommandByte);
            pieces.append({clean ? Kind::Command : Kind::Noise, m_text});
            if (clean)
                m_crosspointInput = CrosspointInput(m_text);
        }
        m_closer = 0;
        m_skipping = false;
        m_text.clear();
        return;
    }
    if (!m_closer && (c == '\r' || c == '\n')) {
        EndStray(pieces);
        m_skipping = false;
        return;
    }
    if (m_skipping)
        return;
    m_text += c;
    if (m_text.size() > MaxLength) {
        pieces.append({Kind::Overlong, m_text});
        m_text.clear();
        m_skipping = true;
    }
}

void CommandFramer::EndStray(QList<Piece> &pieces)
{
    if (!IsBlank(m_text))
        pieces.append({Kind::Noise, m_text});
    m_text.clear();
}

void CommandFramer::EndOpenCommand(QList<Piece> &pieces)
{
    if (!m_skipping)
        pieces.append({Kind::Unterminated, m_text});
    m_closer = 0;
    m_text.clear();
}
