#pragma once

#include "command/CommandTarget.h"

#include <QObject>

class CommandContext;
class Desktop;
class SerialLine;
class TerminalSink;

// Expands a command template and puts it on the line in chunks ended by "]",
// "}" or the flush marker "^", echoing it in the terminal and pausing after
// each chunk with events handled; without a port it only echoes.
class CommandSender : public QObject, public CommandTarget
{
    Q_OBJECT

public:
    static constexpr int PauseSteps = 500;  // sleeps of PauseStepMs after each chunk
    static constexpr int PauseStepMs = 1;

    CommandSender(CommandContext &context, SerialLine &line, TerminalSink &terminal,
                  Desktop &desktop, QObject *parent = nullptr);

    void SendCommand(const QString &commandTemplate, const QString &text,
                     const QString &value) override;

    // True while a command is being sent.
    bool Sending() const { return m_sending; }

signals:
    // The wait indicator should be repainted.
    void WaitIndicatorChanged();

private:
    void SetSending(bool sending);
    void SendChunks(const QString &expanded);
    void Pause();

    CommandContext &m_context;
    SerialLine &m_line;
    TerminalSink &m_terminal;
    Desktop &m_desktop;
    bool m_sending = false;
};
