#include "command/TerminalView.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
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

constexpr Qt::KeyboardModifiers CtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

Qt::KeyboardModifiers Held(const QKeyEvent *event)
{
    return event->modifiers() & ~Qt::KeypadModifier;
}

bool IsCopyKey(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers held = Held(event);
    return (held == CtrlShift && event->key() == Qt::Key_C)
           || (held == Qt::ControlModifier && event->key() == Qt::Key_Insert);
}

bool IsPasteKey(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers held = Held(event);
    return (held == CtrlShift && event->key() == Qt::Key_V)
           || (held == Qt::ShiftModifier && event->key() == Qt::Key_Insert);
}

// The control character of Ctrl+letter (Ctrl+A gives code 1); 0 for other keys.
char16_t ControlCharacter(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers held = Held(event);
    if (!(held & Qt::ControlModifier) || (held & (Qt::AltModifier | Qt::MetaModifier))
        || event->key() < Qt::Key_A || event->key() > Qt::Key_Z)
        return 0;
    return char16_t(event->key() - Qt::Key_A + 1);
}

// `text` as it continues a line of `lineLength` characters, with a line
// break wherever a line would grow past TerminalView::LongestLine.
QString BrokenAtLongestLine(const QString &text, qsizetype lineLength)
{
    QString broken;
    broken.reserve(text.size() + text.size() / TerminalView::LongestLine + 1);
    for (const QChar ch : text) {
        if (ch == QLatin1Char('\n')) {
            lineLength = -1;
        } else if (lineLength == TerminalView::LongestLine) {
            broken += QLatin1Char('\n');
            lineLength = 0;
        }
        broken += ch;
        ++lineLength;
    }
    return broken;
}

} // namespace

TerminalView::TerminalView(QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("txtTerminal"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setMaximumBlockCount(ScrollBackLines);
    setFocusPolicy(Qt::ClickFocus);
    // A drop would change the text without sending it.
    setAcceptDrops(false);
}

void TerminalView::TerminalWrite(const QString &text, const QColor &colour)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setForeground(colour);
    // Plain text: nothing in it is interpreted.
    cursor.insertText(BrokenAtLongestLine(text, cursor.block().length() - 1), format);
    setTextCursor(cursor);
    QMetaObject::invokeMethod(this, &QPlainTextEdit::ensureCursorVisible, Qt::QueuedConnection);
}

void TerminalView::TerminalNotice(const QString &line)
{
    const QTextBlock last = document()->lastBlock();
    const QString start = last.length() > 1 ? QStringLiteral("\n") : QString();
    TerminalWrite(start + line + QLatin1Char('\n'), TerminalColor::Notice);
}

void TerminalView::keyPressEvent(QKeyEvent *event)
{
    if (IsCopyKey(event))
        copy();
    else if (IsPasteKey(event))
        paste();
    else if (const char16_t control = ControlCharacter(event))
        emit Typed(QString(QChar(control)));
    else
        txtTerminalKeyPress(event);
}

void TerminalView::insertFromMimeData(const QMimeData *source)
{
    if (source->hasText())
        TypeText(source->text());
}

void TerminalView::TypeText(const QString &text)
{
    QString sent = text;
    sent.replace(QLatin1String("\r\n"), QLatin1String("\r")).replace(u'\n', u'\r');
    QTextCharFormat typed;
    typed.setForeground(TerminalColor::Typed);
    QTextCursor cursor = textCursor();
    cursor.insertText(QString(sent).remove(u'\r'), typed);
    setTextCursor(cursor);
    emit Typed(sent);
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
