#pragma once

#include "command/TerminalSink.h"

#include <QPlainTextEdit>

// The terminal `txtTerminal`: shows commands sent, replies and typed text in
// their colours as plain text, and hands every typed character to the line.
// A plain-text box, so that a long stream costs only what each arrival adds.
class TerminalView : public QPlainTextEdit, public TerminalSink
{
    Q_OBJECT

public:
    // Lines kept for scrolling back; older lines are dropped as new ones come.
    static constexpr int ScrollBackLines = 10000;
    // A longer line continues on the next one, so that a stream without line
    // breaks costs no more per arrival than one with them.
    static constexpr int LongestLine = 4096;

    explicit TerminalView(QWidget *parent = nullptr);

    void TerminalWrite(const QString &text, const QColor &colour) override;
    // Writes `line` as a line of its own in the notice colour. Notices are
    // only shown: they never reach the line or the received text.
    void TerminalNotice(const QString &line);

signals:
    // A key produced this character (Backspace gives code 8, Enter code 13).
    void Typed(const QString &character);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void txtTerminalKeyPress(QKeyEvent *event);
};
