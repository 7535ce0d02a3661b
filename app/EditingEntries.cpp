#include "app/EditingEntries.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>

EditingEntries::EditingEntries(QMenu *popup, const Entries &entries)
    : m_popup(popup), m_entries(entries)
{
    const std::array<void (QPlainTextEdit::*)(), EntryCount> edits = {
        &QPlainTextEdit::undo, &QPlainTextEdit::cut, &QPlainTextEdit::copy,
        &QPlainTextEdit::paste, &QPlainTextEdit::selectAll};
    for (int entry = 0; entry < EntryCount; ++entry)
        QObject::connect(m_entries[entry], &QAction::triggered, m_entries[entry],
                         [this, edit = edits[entry]] {
                             if (m_box)
                                 (m_box->*edit)();
                         });
}

void EditingEntries::OpenFor(QWidget *widget, bool takesEdits)
{
    m_box = qobject_cast<QPlainTextEdit *>(widget);
    const bool textBox = m_box;
    const bool editable = textBox && takesEdits && !m_box->isReadOnly();
    const bool selection = textBox && m_box->textCursor().hasSelection();
    const struct {
        bool applies;
        bool enabled;
    } states[EntryCount] = {
        {editable, editable && m_box->document()->isUndoAvailable()},
        {editable, selection},
        {textBox, selection},
        {editable, editable && m_box->canPaste()},
        {textBox, textBox && !m_box->document()->isEmpty()},
    };
    for (int entry = 0; entry < EntryCount; ++entry) {
        m_entries[entry]->setVisible(states[entry].applies);
        m_entries[entry]->setEnabled(states[entry].enabled);
    }
}
