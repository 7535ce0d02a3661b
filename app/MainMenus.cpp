#include "app/MainMenus.h"

#include "app/EditingEntries.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>

#include <algorithm>

// One row per menu entry, in display order. An entry named "act..." is the
// shared action of that name (created from the action table); any other
// name creates a plain entry with its own caption, key and handler.
struct MenuRow
{
    enum Flag { None = 0, SeparatorBefore = 1, Hidden = 2, HiddenSeparatorBefore = 4 };

    const char *menu;     // objectName of the menu
    const char *name;     // objectName of the entry
    const char *caption;  // entries only
    const char *shortcut; // entries only
    const char *handler;  // entries only; empty: no handler
    int flags;
};

namespace {

struct ActionRow
{
    const char *name;
    const char *caption;
    const char *shortcut;
    const char *category;
    bool checkable;
    QStyle::StandardPixmap icon;
};

constexpr auto NoIcon = QStyle::SP_CustomBase;

const ActionRow ActionTable[] = {
    {"actNew", "&New", "", "FileMenu", false, QStyle::SP_FileIcon},
    {"actOpen", "&Open...", "Ctrl+O", "FileMenu", false, QStyle::SP_DialogOpenButton},
    {"actLastDoc", "Open ", "", "FileMenu", false, NoIcon},
    {"actSave", "&Save", "Ctrl+S", "FileMenu", false, QStyle::SP_DialogSaveButton},
    {"actSaveAs", "Save &As...", "", "FileMenu", false, NoIcon},
    {"actPageSetup", "Page Setup...", "", "FileMenu", false, NoIcon},
    {"actPrintPreview", "Print Preview...", "", "FileMenu", false, NoIcon},
    {"actPrint", "&Print", "Ctrl+P", "FileMenu", false, NoIcon},
    {"actExportPdf", "Export Report as PDF...", "", "FileMenu", false, NoIcon},
    {"actExportParts", "Export Parts List...", "", "FileMenu", false, NoIcon},
    {"actExit", "E&xit", "", "FileMenu", false, QStyle::SP_DialogCloseButton},
    {"actClearTerminal", "Clear Terminal", "", "ToolsMenu", false, NoIcon},
    {"actLock", "Lock Design", "", "ToolsMenu", true, NoIcon},
    {"actInfo", "Customer Info", "", "ToolsMenu", false, NoIcon},
    {"actFont", "Font...", "", "ToolsMenu", false, NoIcon},
    {"actImport", "Import program...", "", "PopupMenu", false, NoIcon},
    {"actExport", "Export program...", "", "PopupMenu", false, NoIcon},
    {"actAbout", "About", "F1", "HelpMenu", false, QStyle::SP_MessageBoxInformation},
};

struct MenuTitle
{
    const char *name;
    const char *caption; // empty for pop-up menus
};

const MenuTitle MenuTable[] = {
    {"mnuFile", "&File"},   {"mnuTools", "&Tools"},  {"mnuControl", "&Control"},
    {"mnuHelp", "&Help"},   {"PopupMenu", ""},       {"PopUpStatus", ""},
    {"KeyMenu", ""},
};

using F = MenuRow;
const MenuRow EntryTable[] = {
    {"mnuFile", "actNew", "", "", "", F::None},
    {"mnuFile", "actOpen", "", "", "", F::None},
    {"mnuFile", "actLastDoc", "", "", "", F::Hidden},
    {"mnuFile", "actSave", "", "", "", F::None},
    {"mnuFile", "actSaveAs", "", "", "", F::None},
    {"mnuFile", "actPageSetup", "", "", "", F::None},
    {"mnuFile", "actPrintPreview", "", "", "", F::None},
    {"mnuFile", "actPrint", "", "", "", F::None},
    {"mnuFile", "actExportPdf", "", "", "", F::None},
    {"mnuFile", "actExportParts", "", "", "", F::None},
    {"mnuFile", "actExit", "", "", "", F::SeparatorBefore},

    {"mnuTools", "mnuSendProgram", "&Send Program", "F9", "CommandSendProgram", F::None},
    {"mnuTools", "actClearTerminal", "", "", "", F::None},
    {"mnuTools", "actLock", "", "", "", F::None},
    {"mnuTools", "actInfo", "", "", "", F::None},
    {"mnuTools", "actFont", "", "", "", F::SeparatorBefore},
    {"mnuTools", "mnuPorts", "Ports...", "", "PortsClick", F::None},

    {"mnuControl", "mnuCardStatus", "Card Status", "F5", "StatusClick", F::None},
    {"mnuControl", "mnuCardVersion", "Card Version", "F6", "Version1Click", F::None},
    {"mnuControl", "mnuCardHelp", "Card Help", "F7", "HelpInsideClick", F::None},
    {"mnuControl", "mnuCardClear", "Card Clear", "", "CardClear1Click", F::None},
    {"mnuControl", "mnuPanelHelp", "Panel Help", "", "QLHelp1Click", F::SeparatorBefore},

    {"mnuHelp", "mnuDownloadUserManual", "Download User Manual", "", "DownloadUserManual1Click", F::None},
    {"mnuHelp", "mnuDownloadWebPage", "Download Web Page", "", "ConnecttoWeb1Click", F::None},
    {"mnuHelp", "actAbout", "", "", "", F::None},

    {"PopupMenu", "actFont", "", "", "", F::None},
    {"PopupMenu", "actImport", "", "", "", F::None},
    {"PopupMenu", "actExport", "", "", "", F::None},
    {"PopupMenu", "mnuPopupSendProgram", "&Send Program", "F9", "CommandSendProgram", F::None},
    {"PopupMenu", "mnuPopupStatus", "Status", "F5", "StatusClick", F::SeparatorBefore},
    {"PopupMenu", "mnuPopupVersion", "Version", "F6", "Version1Click", F::None},
    {"PopupMenu", "mnuPopupHelp", "Help", "F7", "HelpInsideClick", F::None},
    {"PopupMenu", "mnuPopupClear", "Clear", "", "CardClear1Click", F::None},
    {"PopupMenu", "mnuPopupReset", "Reset Quillon", "F8", "Reset1Click", F::SeparatorBefore},
    // The text boxes handle these keys themselves: the captions only name them.
    {"PopupMenu", "mnuPopupUndo", "&Undo\tCtrl+Z", "", "", F::SeparatorBefore},
    {"PopupMenu", "mnuPopupCut", "Cu&t\tCtrl+X", "", "", F::None},
    {"PopupMenu", "mnuPopupCopy", "&Copy\tCtrl+C", "", "", F::None},
    {"PopupMenu", "mnuPopupPaste", "&Paste\tCtrl+V", "", "", F::None},
    {"PopupMenu", "mnuPopupSelectAll", "Select &All\tCtrl+A", "", "", F::None},

    {"PopUpStatus", "mnuPageStatus", "Status", "F5", "StatusClick", F::None},
    {"PopUpStatus", "mnuPageVersion", "Version", "F6", "Version1Click", F::None},
    {"PopUpStatus", "mnuPageHelp", "Help", "F7", "HelpInsideClick", F::None},
    {"PopUpStatus", "mnuPageClear", "Clear", "", "CardClear1Click", F::None},
    {"PopUpStatus", "mnuGroupStatus", "Group Status", "", "GroupStatus1Click", F::SeparatorBefore},
    {"PopUpStatus", "mnuPageReset", "Reset", "F8", "Reset1Click", F::None},
    {"PopUpStatus", "mnuProgramCardName", "Program Card Name", "F2", "",
     F::Hidden | F::HiddenSeparatorBefore},
    {"PopUpStatus", "mnuPageDownloadUserManual", "Download User Manual", "",
     "DownloadUserManual1Click", F::SeparatorBefore},
    {"PopUpStatus", "mnuPageDownloadWebPage", "Download Web Page", "F12", "ConnecttoWeb1Click",
     F::None},

    {"KeyMenu", "mnuReadKey", "Read Key", "", "ReadKeyAssignmentClick", F::None},
    {"KeyMenu", "mnuClearKey", "Clear Key", "", "ClearKeyClick", F::None},
    {"KeyMenu", "mnuReadAllKeys", "Read All Keys", "", "ReadAllKeyAssignmentsClick", F::None},
    {"KeyMenu", "mnuReadSubroutine", "Read Subroutine", "", "", F::SeparatorBefore | F::Hidden},
    {"KeyMenu", "mnuClearSubroutine", "Clear Subroutine", "", "", F::Hidden},
    {"KeyMenu", "mnuReadAllSubroutines", "Read All Subroutines", "", "ReadAllSubroutinesClick", F::None},
    {"KeyMenu", "mnuClearProgramming", "Clear Programming", "", "ClearProgrammingClick",
     F::SeparatorBefore},
    {"KeyMenu", "mnuKeyReset", "Reset", "F8", "Reset1Click", F::None},
    {"KeyMenu", "mnuTestPanel", "Test Panel", "", "TestQuillonClick", F::SeparatorBefore},
    {"KeyMenu", "mnuKeyVersion", "Version", "F6", "CheckFirmwareVersionClick", F::None},
    {"KeyMenu", "mnuKeyHelp", "Help", "", "QLHelp1Click", F::None},
};

const char *const HandlerProperty = "handler";

} // namespace

MainMenus::MainMenus(QMainWindow &window)
    : m_window(window)
{
    for (const ActionRow &row : ActionTable) {
        auto *action = new QAction(QString::fromLatin1(row.caption), &window);
        action->setObjectName(QLatin1String(row.name));
        action->setShortcut(QKeySequence(QLatin1String(row.shortcut)));
        action->setCheckable(row.checkable);
        action->setProperty("category", QLatin1String(row.category));
        action->setProperty(HandlerProperty, QLatin1String(row.name) + QLatin1String("Execute"));
        if (row.icon != NoIcon)
            action->setIcon(window.style()->standardIcon(row.icon));
        m_entries.insert(action->objectName(), action);
    }

    QHash<QString, QMenu *> menus;
    for (const MenuTitle &title : MenuTable) {
        const QString caption = QString::fromLatin1(title.caption);
        QMenu *menu = caption.isEmpty() ? new QMenu(&window)
                                        : window.menuBar()->addMenu(caption);
        menu->setObjectName(QLatin1String(title.name));
        menus.insert(menu->objectName(), menu);
        if (caption.isEmpty())
            m_popups.insert(menu->objectName(), menu);
    }

    for (const MenuRow &row : EntryTable)
        AddEntry(menus.value(QLatin1String(row.menu)), row);

    // Function keys work anywhere in the window. Main menu entries have
    // theirs already; a key that only pop-up entries carry goes to the first
    // visible one of them.
    for (const MenuTitle &title : MenuTable)
        if (m_popups.contains(QLatin1String(title.name)))
            for (QAction *entry : m_popups.value(QLatin1String(title.name))->actions())
                if (!entry->shortcut().isEmpty() && entry->isVisible()
                    && !WindowUsesKey(entry->shortcut()))
                    window.addAction(entry);

    m_editing = std::make_unique<EditingEntries>(
        Popup(QStringLiteral("PopupMenu")),
        EditingEntries::Entries{Entry(QStringLiteral("mnuPopupUndo")),
                                Entry(QStringLiteral("mnuPopupCut")),
                                Entry(QStringLiteral("mnuPopupCopy")),
                                Entry(QStringLiteral("mnuPopupPaste")),
                                Entry(QStringLiteral("mnuPopupSelectAll"))});
}

bool MainMenus::WindowUsesKey(const QKeySequence &key) const
{
    QList<QAction *> windowEntries = m_window.actions();
    for (QAction *title : m_window.menuBar()->actions())
        windowEntries += title->menu()->actions();
    return std::any_of(windowEntries.cbegin(), windowEntries.cend(),
                       [&key](const QAction *entry) { return entry->shortcut() == key; });
}

MainMenus::~MainMenus() = default;

QAction *MainMenus::AddEntry(QMenu *menu, const MenuRow &row)
{
    if (row.flags & (MenuRow::SeparatorBefore | MenuRow::HiddenSeparatorBefore))
        menu->addSeparator()->setVisible(!(row.flags & MenuRow::HiddenSeparatorBefore));

    const QString name = QLatin1String(row.name);
    QAction *action = m_entries.value(name);
    if (!action) {
        action = new QAction(QString::fromLatin1(row.caption), menu);
        action->setObjectName(name);
        action->setShortcut(QKeySequence(QLatin1String(row.shortcut)));
        action->setProperty(HandlerProperty, QLatin1String(row.handler));
        m_entries.insert(name, action);
    }
    if (row.flags & MenuRow::Hidden)
        action->setVisible(false);
    menu->addAction(action);
    return action;
}

QAction *MainMenus::Entry(const QString &name) const
{
    return m_entries.value(name);
}

QList<QAction *> MainMenus::EntriesRunning(const QString &handler) const
{
    QList<QAction *> entries;
    for (QAction *action : m_entries)
        if (!handler.isEmpty() && action->property(HandlerProperty).toString() == handler)
            entries << action;
    return entries;
}

QMenu *MainMenus::Popup(const QString &name) const
{
    return m_popups.value(name);
}

void MainMenus::Attach(QWidget *widget, QMenu *popup, Editing editing) const
{
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    // Scroll areas report the click in the coordinates of their viewport.
    const auto *area = qobject_cast<QAbstractScrollArea *>(widget);
    QWidget *origin = area ? area->viewport() : widget;
    EditingEntries *edits = popup == m_editing->Popup() ? m_editing.get() : nullptr;
    QObject::connect(widget, &QWidget::customContextMenuRequested, popup,
                     [widget, origin, popup, edits, editing](const QPoint &pos) {
                         if (edits)
                             edits->OpenFor(widget, editing == Editing::Full);
                         popup->popup(origin->mapToGlobal(pos));
                     });

}

namespace {

// Hands the shortcut key of an entry to the entry chosen at that moment.
class KeyRoute : public QObject
{
public:
    KeyRoute(std::function<QAction *()> choose, QAction *entry)
        : QObject(entry), m_choose(std::move(choose))
    {
        entry->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Shortcut)
            return false;
        m_choose()->trigger();
        return true;
    }

private:
    std::function<QAction *()> m_choose;
};

} // namespace

void MainMenus::RouteKey(const QString &name, const std::function<QString()> &choose) const
{
    new KeyRoute([this, choose] { return Entry(choose()); }, Entry(name));
}
