#pragma once

#include <QPointer>
#include <QString>

#include <array>

class QAction;
class QMenu;
class QPlainTextEdit;
class QWidget;

// The editing entries of a pop-up menu: Undo, Cut, Copy, Paste and Select
// All. They act on the text box the menu is opened over and show only what
// applies to it.
class EditingEntries
{
public:
    enum Entry { Undo, Cut, Copy, Paste, SelectAll, EntryCount };
    using Entries = std::array<QAction *, EntryCount>;

    EditingEntries(QMenu *popup, const Entries &entries);

    QMenu *Popup() const { return m_popup; }
    // Before the pop-up opens over `widget`. Copy and Select All apply to
    // any text box, Paste to one that is not read-only (a box that does not
    // take edits, the terminal, types what is pasted), Undo and Cut only to
    // one that `takesEdits` and is not read-only. Nothing applies to other
    // widgets. The captions name the keys of that box: in the terminal,
    // where Ctrl+letter goes to the unit, Ctrl+Shift+C and Ctrl+Shift+V.
    void OpenFor(QWidget *widget, bool takesEdits);

private:
    QMenu *m_popup;
    Entries m_entries;
    std::array<QString, EntryCount> m_editorCaptions;
    QPointer<QPlainTextEdit> m_box;
};
