#pragma once

#include "command/TerminalSink.h"

#include <QTextEdit>

// The terminal `txtTerminal`: shows commands sent, replies and typed text in
// their colours as plain text, and hands every typed character to the line.
class TerminalView : public QTextEdit, public TerminalSink
{
    Q_OBJECT

public:
    explicit TerminalView(QWidget *parent = nullptr);

    void TerminalWrite(const QString &text, const QColor &colour) override;

signals:
    // A key produced this character (Backspace gives code 8, Enter code 13).
    void Typed(const QString &character);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void txtTerminalKeyPress(QKeyEvent *event);
};
