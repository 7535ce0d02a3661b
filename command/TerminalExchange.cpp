#include "command/TerminalExchange.h"

#include "command/CommandContext.h"
#include "command/SerialLine.h"
#include "command/TerminalSink.h"

#include <utility>

namespace {

// Appends `piece` to a text that keeps at least the most recent
// ReceivedTextKept characters. The oldest part is dropped only now and then,
// so that appending stays cheap.
void AppendKept(QString &text, const QString &piece)
{
    text += piece;
    if (text.size() > 2 * TerminalExchange::ReceivedTextKept)
        text.remove(0, text.size() - TerminalExchange::ReceivedTextKept);
}

} // namespace

TerminalExchange::TerminalExchange(CommandContext &context, SerialLine &line,
                                   TerminalSink &terminal, QObject *parent)
    : QObject(parent), m_context(context), m_line(line), m_terminal(terminal)
{
}

void TerminalExchange::MSComRxChar()
{
    if (!m_line.IsOpen())
        return;
    if (m_holds > 0) {
        m_heldArrival = true;
        return;
    }
    const QString received = m_line.ReadAvailable();
    QString shown = received;
    shown.remove(QLatin1Char('\r'));
    if (!shown.isEmpty())
        m_terminal.TerminalWrite(shown, TerminalColor::Received);
    m_lastReply = received;
    AppendKept(m_repliedSinceCleared, received);
    AppendKept(m_receivedText, received);
}

void TerminalExchange::ClearLastReply()
{
    m_lastReply.clear();
    m_repliedSinceCleared.clear();
}

void TerminalExchange::HoldReceived()
{
    ++m_holds;
}

void TerminalExchange::ReleaseReceived()
{
    if (m_holds == 0 || --m_holds > 0 || !std::exchange(m_heldArrival, false))
        return;
    MSComRxChar();
}

void TerminalExchange::SendTyped(const QString &typed)
{
    if (m_context.PortChosen() && m_line.IsOpen())
        m_line.WriteText(typed);
}
