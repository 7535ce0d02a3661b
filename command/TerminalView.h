#pragma once

#include "command/TerminalSink.h"

#include <QPlainTextEdit>

// The terminal `txtTerminal`: shows commands sent, replies and typed text in
// their colours as plain text, and hands every typed character to the line.
// It shows what it sends: Ctrl+letter sends its control character only;
// Ctrl+Shift+C and Ctrl+Insert copy; Ctrl+Shift+V, Shift+Insert and Paste
// type the clipboard's text. The Tab walk passes it by; inside it Tab is
// typed. A plain-text box, so that a long stream costs only what each
// arrival adds.
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
    // Typed text for the line: a key's character (Backspace gives code 8,
    // Enter code 13) or pasted text (each line end as Enter sends it).
    void Typed(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // Pasting types the text.
    void insertFromMimeData(const QMimeData *source) override;

private:
    void txtTerminalKeyPress(QKeyEvent *event);
    // Shows `text` at the caret in the typed colour, without line ends, and
    // sends it with each line end as Enter sends it.
    void TypeText(const QString &text);
};
