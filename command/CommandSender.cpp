#include "command/CommandSender.h"

#include "app/Desktop.h"
#include "command/CommandContext.h"
#include "command/SerialLine.h"
#include "command/TerminalSink.h"

namespace {

constexpr QChar FlushMarker = QLatin1Char('^');

bool EndsChunk(QChar ch)
{
    return ch == QLatin1Char(']') || ch == QLatin1Char('}') || ch == FlushMarker;
}

} // namespace

CommandSender::CommandSender(CommandContext &context, SerialLine &line, TerminalSink &terminal,
                             Desktop &desktop, QObject *parent)
    : QObject(parent), m_context(context), m_line(line), m_terminal(terminal), m_desktop(desktop)
{
}

void CommandSender::SendCommand(const QString &commandTemplate, const QString &text,
                                const QString &value)
{
    SetSending(true);
    try {
        const QString expanded = ExpandCommand(commandTemplate, text, value, m_context.Addressing());
        if (m_context.PortChosen()) {
            SendChunks(expanded);
        } else {
            QString shown = expanded;
            if (shown.endsWith(FlushMarker))
                shown.chop(1);
            m_terminal.TerminalWrite(shown, TerminalColor::Sent);
        }
    } catch (...) {
        // A failed write must not leave the indicator busy.
        SetSending(false);
        throw;
    }
    SetSending(false);
}

void CommandSender::SendChunks(const QString &expanded)
{
    QString chunk;
    for (const QChar ch : expanded) {
        m_desktop.ProcessEvents();
        if (ch != FlushMarker) {
            chunk += ch;
            m_terminal.TerminalWrite(QString(ch), TerminalColor::Sent);
        }
        emit WaitIndicatorChanged();
        if (EndsChunk(ch)) {
            m_line.WriteText(chunk);
            Pause();
            chunk.clear();
            emit WaitIndicatorChanged();
        }
    }
}

void CommandSender::Pause()
{
    for (int i = 0; i < PauseSteps; ++i) {
        m_desktop.Sleep(PauseStepMs);
        m_desktop.ProcessEvents();
    }
}

void CommandSender::SetSending(bool sending)
{
    m_sending = sending;
    emit WaitIndicatorChanged();
}
