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
    for (const QChar ch : received) {
        if (ch != QLatin1Char('\r'))
            m_terminal.TerminalWrite(QString(ch), TerminalColor::Received);
    }
    m_lastReply = received;
    m_receivedText += received;
}

void TerminalExchange::SendTyped(const QString &character)
{
    if (m_context.PortChosen() && m_line.IsOpen())
        m_line.WriteText(character);
}
