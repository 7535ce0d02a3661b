#include "app/EditingEntries.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>

namespace {

// Keys of the entries in a box that takes no edits; empty: none.
constexpr const char *TypingKeys[EditingEntries::EntryCount] = {"", "", "Ctrl+Shift+C",
                                                                 "Ctrl+Shift+V", ""};

} // namespace

EditingEntries::EditingEntries(QMenu *popup, const Entries &entries)
    : m_popup(popup), m_entries(entries)
{
    for (int entry = 0; entry < EntryCount; ++entry)
        m_editorCaptions[entry] = m_entries[entry]->text();
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
    const bool writable = textBox && !m_box->isReadOnly();
    const bool editable = writable && takesEdits;
    const bool selection = textBox && m_box->textCursor().hasSelection();
    const struct {
        bool applies;
        bool enabled;
    } states[EntryCount] = {
        {editable, editable && m_box->document()->isUndoAvailable()},
        {editable, selection},
        {textBox, selection},
        {writable, writable && m_box->canPaste()},
        {textBox, textBox && !m_box->document()->isEmpty()},
    };
    for (int entry = 0; entry < EntryCount; ++entry) {
        m_entries[entry]->setVisible(states[entry].applies);
        m_entries[entry]->setEnabled(states[entry].enabled);
        const QString &caption = m_editorCaptions[entry];
        const QLatin1String typingKey(TypingKeys[entry]);
        QString shown = caption;
        if (!takesEdits) {
            shown = caption.section(u'\t', 0, 0);
            if (!typingKey.isEmpty())
                shown += QLatin1Char('\t') + QString(typingKey);
        }
        m_entries[entry]->setText(shown);
    }
}
