#pragma once

#include <QObject>
#include <QString>

class CommandContext;
class SerialLine;
class TerminalSink;

// The terminal's traffic that bypasses SendCommand: replies arriving from the
// unit, and characters typed into the terminal going straight to the line.
class TerminalExchange : public QObject
{
    Q_OBJECT

public:
    // The least ReceivedText keeps of a long stream: its most recent 64 KB
    // (one character per byte), far more than IR learning ever waits for.
    static constexpr qsizetype ReceivedTextKept = 64 * 1024;

    TerminalExchange(CommandContext &context, SerialLine &line, TerminalSink &terminal,
                     QObject *parent = nullptr);

    // Handler of the link's arrival of characters.
    void MSComRxChar();
    // While held, arrivals stay with the port and nothing is shown or kept;
    // the last release takes in everything that arrived meanwhile, in order.
    // Holds nest.
    void HoldReceived();
    void ReleaseReceived();
    // Writes typed text to the line at once when a port is chosen and open.
    void SendTyped(const QString &typed);

    // The piece delivered by the most recent receive event.
    const QString &LastReply() const { return m_lastReply; }
    // Empties LastReply and RepliedSinceCleared.
    void ClearLastReply();
    // Every piece received since LastReply was last emptied, in order; of a
    // long stream only the most recent part (at least ReceivedTextKept).
    const QString &RepliedSinceCleared() const { return m_repliedSinceCleared; }
    // Everything received, in order, until a reader empties it; of a long
    // stream only the most recent part (at least ReceivedTextKept).
    const QString &ReceivedText() const { return m_receivedText; }
    void ClearReceivedText() { m_receivedText.clear(); }

private:
    CommandContext &m_context;
    SerialLine &m_line;
    TerminalSink &m_terminal;
    QString m_lastReply;
    QString m_repliedSinceCleared;
    QString m_receivedText;
    int m_holds = 0;
    bool m_heldArrival = false;
};
