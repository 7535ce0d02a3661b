#include "command/TerminalExchange.h"

#include "command/CommandContext.h"
#include "command/SerialLine.h"
#include "command/TerminalSink.h"

TerminalExchange::TerminalExchange(CommandContext &context, SerialLine &line,
                                   TerminalSink &terminal, QObject *parent)
    : QObject(parent), m_context(context), m_line(line), m_terminal(terminal)
{
}

void TerminalExchange::MSComRxChar()
{
    if (!m_line.IsOpen())
        return;
    const QString received = m_line.ReadAvailable();
    QString shown = received;
    shown.remove(QLatin1Char('\r'));
    if (!shown.isEmpty())
        m_terminal.TerminalWrite(shown, TerminalColor::Received);
    m_lastReply = received;
    m_receivedText += received;
    // Drop the oldest part only now and then, so that appending stays cheap.
    if (m_receivedText.size() > 2 * ReceivedTextKept)
        m_receivedText.remove(0, m_receivedText.size() - ReceivedTextKept);
}

void TerminalExchange::SendTyped(const QString &character)
{
    if (m_context.PortChosen() && m_line.IsOpen())
        m_line.WriteText(character);
}
