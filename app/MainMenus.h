#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

class EditingEntries;
class QAction;
class QKeySequence;
class QMainWindow;
class QMenu;
class QWidget;
struct MenuRow;

// The main window's actions, menu bar and pop-up menus, built from one table.
// Actions are named after their action (actNew, ...); the other entries
// carry a "mnu" name and the name of the handler that runs them (property
// "handler"), so the part that owns a handler wires every entry of it with
// EntriesRunning(). The pop-up menus are PopupMenu (terminal and program
// editor), PopUpStatus (card tabs and control pages) and KeyMenu (front
// panel keys). Every function key of a visible entry works anywhere in the
// window.
class MainMenus
{
public:
    // What the editing entries of PopupMenu may do in a widget: everything,
    // or copy and paste (the terminal, which types what is pasted).
    enum class Editing { Full, CopyAndPaste };

    explicit MainMenus(QMainWindow &window);
    ~MainMenus();

    // An action or menu entry by its objectName; nullptr when unknown.
    QAction *Entry(const QString &name) const;
    // Every entry that runs `handler` ("StatusClick", "CommandSendProgram", ...).
    QList<QAction *> EntriesRunning(const QString &handler) const;
    // A pop-up menu by its objectName; nullptr when unknown.
    QMenu *Popup(const QString &name) const;

    // Makes `popup` the context menu of `widget`; the editing entries act on
    // `widget` as `editing` allows.
    void Attach(QWidget *widget, QMenu *popup, Editing editing = Editing::Full) const;
    // The shortcut key of entry `name` runs the entry that `choose` names
    // when the key is pressed; choosing the entry itself still runs it.
    void RouteKey(const QString &name, const std::function<QString()> &choose) const;

private:
    QAction *AddEntry(QMenu *menu, const MenuRow &row);
    bool WindowUsesKey(const QKeySequence &key) const;

    QMainWindow &m_window;
    QHash<QString, QAction *> m_entries;
    QHash<QString, QMenu *> m_popups;
    std::unique_ptr<EditingEntries> m_editing;
};
