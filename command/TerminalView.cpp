#include "command/TerminalView.h"

#include <QKeyEvent>
#include <QTextCursor>

namespace {

// The character a key sends to the line; empty for keys that produce none.
QString TypedCharacter(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    case Qt::Key_Delete:
        return QString();
    default:
        return event->text();
    }
}

} // namespace

TerminalView::TerminalView(QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("txtTerminal"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setMaximumBlockCount(ScrollBackLines);
}

void TerminalView::TerminalWrite(const QString &text, const QColor &colour)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setForeground(colour);
    cursor.insertText(text, format);  // plain text: nothing in it is interpreted
    setTextCursor(cursor);
    QMetaObject::invokeMethod(this, &QPlainTextEdit::ensureCursorVisible, Qt::QueuedConnection);
}

void TerminalView::keyPressEvent(QKeyEvent *event)
{
    txtTerminalKeyPress(event);
}

void TerminalView::txtTerminalKeyPress(QKeyEvent *event)
{
    const QString character = TypedCharacter(event);
    if (character.isEmpty()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    QTextCharFormat typed;
    typed.setForeground(TerminalColor::Typed);
    mergeCurrentCharFormat(typed);
    if (character == QLatin1String("\r"))
        event->accept();  // no line breaks from the keyboard
    else
        QPlainTextEdit::keyPressEvent(event);
    emit Typed(character);
}
