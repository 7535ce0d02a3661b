#include "controller/GroupsPanel.h"

#include "app/Desktop.h"
#include "app/MainMenus.h"
#include "command/CommandTarget.h"
#include "command/ErrorReport.h"
#include "command/UnitReplies.h"
#include "document/DesignContext.h"
#include "document/QlsDoc.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

constexpr int MaxGroup = 9;
constexpr int GroupFontPixels = 25;

struct ButtonRow
{
    QPushButton *GroupsPanel::*member;
    const char *name;
    const char *caption;
    const char *hint;
    QRect place;
    void (GroupsPanel::*handler)();
};

} // namespace

GroupsPanel::GroupsPanel(DesignContext &design, CommandTarget &target, Desktop &desktop,
                         UnitReplies &replies, QGroupBox *region)
    : QWidget(region),
      m_design(design),
      m_target(target),
      m_desktop(desktop),
      m_replies(replies),
      m_group(new QLineEdit(QStringLiteral("0"), this)),
      m_selector(new QSpinBox(this))
{
    setObjectName(QStringLiteral("GroupsPanel"));
    auto *regionLayout = new QGridLayout(region);
    regionLayout->setContentsMargins(4, 2, 4, 4);
    regionLayout->addWidget(this);

    const ButtonRow buttons[] = {
        {&GroupsPanel::m_write, "btnWriteGrp", "Write", "Show Assigned Groups",
         QRect(4, 2, 54, 30), &GroupsPanel::btnWriteGrpClick},
        {&GroupsPanel::m_read, "btnReadGrp", "Read", "Show Assigned Groups",
         QRect(4, 38, 54, 30), &GroupsPanel::btnReadGrpClick},
        {&GroupsPanel::m_add, "btnAddGrp", "+", "Add Selected Card to group",
         QRect(64, 2, 30, 30), &GroupsPanel::btnAddGrpClick},
        {&GroupsPanel::m_remove, "btnRemoveGrp", "-", "Remove Selected Card from group",
         QRect(64, 38, 30, 30), &GroupsPanel::btnRemoveGrpClick},
    };
    for (const ButtonRow &row : buttons) {
        auto *button = new QPushButton(QLatin1String(row.caption), this);
        button->setObjectName(QLatin1String(row.name));
        button->setToolTip(QLatin1String(row.hint));
        button->setGeometry(row.place);
        connect(button, &QPushButton::clicked, this, [this, handler = row.handler] {
            ReportErrors(m_desktop, [&] { (this->*handler)(); });
        });
        this->*row.member = button;
    }

    m_group->setObjectName(QStringLiteral("txtGroup"));
    m_group->setToolTip(QStringLiteral("Enter Group Number"));
    QFont large = m_group->font();
    large.setPixelSize(GroupFontPixels);
    m_group->setFont(large);
    m_group->setAlignment(Qt::AlignCenter);
    m_group->setGeometry(102, 12, 44, 46);
    m_group->installEventFilter(this);

    // Only the arrows of the spin box show; the number is txtGroup's.
    m_selector->setObjectName(QStringLiteral("UpDownGroup"));
    m_selector->setRange(0, MaxGroup);
    m_selector->setFocusPolicy(Qt::NoFocus);
    m_selector->setGeometry(146, 12, 18, 46);

    connect(m_selector, &QSpinBox::valueChanged, m_group,
            [this](int group) { m_group->setText(QString::number(group)); });
    connect(m_group, &QLineEdit::textEdited, this, &GroupsPanel::txtGroupEdited);
    connect(m_group, &QLineEdit::textChanged, this, &GroupsPanel::txtGroupChange);
}

void GroupsPanel::ConnectMenus(const MainMenus &menus)
{
    for (QAction *entry : menus.EntriesRunning(QStringLiteral("GroupStatus1Click")))
        connect(entry, &QAction::triggered, this,
                [this] { ReportErrors(m_desktop, [this] { GroupStatus1Click(); }); });
}

QAbstractButton *GroupsPanel::AddButton() const
{
    return m_add;
}

QAbstractButton *GroupsPanel::RemoveButton() const
{
    return m_remove;
}

bool GroupsPanel::eventFilter(QObject *watched, QEvent *event)
{
    // The arrow keys in the group field step its number.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            m_selector->stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void GroupsPanel::txtGroupEdited(const QString &text)
{
    // A typed group number moves the arrows' position; other text leaves it.
    bool isNumber = false;
    const int group = text.toInt(&isNumber);
    if (isNumber && group >= 0 && group <= MaxGroup) {
        const QSignalBlocker keepText(m_selector);
        m_selector->setValue(group);
    }
}

void GroupsPanel::txtGroupChange()
{
    emit GroupsChanged();
}

void GroupsPanel::btnAddGrpClick()
{
    TQlsDoc *doc = m_design.Doc();
    if (!doc || doc->Locked())
        return;
    doc->SetGroupMember(m_design.CurrentSlot(), m_selector->value(), true);
    emit GroupsChanged();
}

void GroupsPanel::btnRemoveGrpClick()
{
    TQlsDoc *doc = m_design.Doc();
    if (!doc)
        return;
    doc->SetGroupMember(m_design.CurrentSlot(), m_selector->value(), false);
    emit GroupsChanged();
}

void GroupsPanel::btnWriteGrpClick()
{
    const TQlsDoc *doc = m_design.Doc();
    if (!doc || !m_desktop.AskYesNo(WriteQuestion))
        return;
    // Taken before sending: the design may be replaced while the line pauses.
    QStringList lists;
    for (int group = 1; group <= UnitGroups; ++group)
        lists << doc->GroupList(group);
    m_target.SendCommand(QStringLiteral("[CLRG*]"), QString(), QString());
    for (const QString &list : std::as_const(lists))
        if (!list.isEmpty())
            m_target.SendCommand(QStringLiteral("[WR%v]"), QString(), list);
}

void GroupsPanel::btnReadGrpClick()
{
    if (!m_design.Doc())
        return;
    // Each reply is tried on a scratch design first, so that a missing or
    // unreadable one leaves the real groups as they were.
    TQlsDoc scratch;
    QStringList lists;
    for (int group = 1; group <= UnitGroups; ++group) {
        m_replies.ClearLastReply();
        m_target.SendCommand(QStringLiteral("[RDG%v]"), QString(), QString::number(group));
        m_desktop.ProcessEvents();
        // The reply whole, however many pieces it came in.
        const QString reply = m_replies.RepliedSinceCleared();
        if (reply.isEmpty()) {
            m_desktop.Inform(NoGroupsText);
            return;
        }
        const qsizetype unitMark = reply.indexOf(u'U');
        const QString list = unitMark < 0 ? QString() : reply.left(unitMark);
        if (!scratch.ApplyGroupList(list)) {
            m_desktop.Inform(QStringLiteral("%1 for group %2").arg(NoGroupsText).arg(group));
            return;
        }
        lists << list;
    }
    TQlsDoc *doc = m_design.Doc();
    if (!doc)
        return;
    for (int slot = 1; slot <= TQlsDoc::SlotCount; ++slot)
        doc->ClearSlotGroups(slot);
    for (const QString &list : std::as_const(lists))
        doc->ApplyGroupList(list);
    emit GroupsChanged();
}

void GroupsPanel::GroupStatus1Click()
{
    const QString group = m_group->text();
    if (group == QLatin1String("0"))
        m_desktop.Inform(GroupNumberText);
    else
        m_target.SendCommand(QStringLiteral("[G%v]"), QString(), group);
}
