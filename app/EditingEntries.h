#pragma once

#include <QPointer>

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
    // any text box; Undo, Cut and Paste only to one that `takesEdits` and
    // is not read-only. Nothing applies to other widgets.
    void OpenFor(QWidget *widget, bool takesEdits);

private:
    QMenu *m_popup;
    Entries m_entries;
    QPointer<QPlainTextEdit> m_box;
};
