#pragma once

#include <QWidget>

class CommandTarget;
class DesignContext;
class Desktop;
class MainMenus;
class QAbstractButton;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class UnitReplies;

// The contents of "Groups": the group number (`txtGroup` with its arrows
// `UpDownGroup`), "+" and "-" to put the selected card into the group or take
// it out, and "Write" and "Read" to exchange all groups with the unit.
class GroupsPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int UnitGroups = 8; // groups 1..8 are written and read
    static inline const QString WriteQuestion = QStringLiteral("Write program groups command?");
    static inline const QString NoGroupsText =
        QStringLiteral("Could not retieve grouping information");
    static inline const QString GroupNumberText =
        QStringLiteral("Please set Group number between 1 and 9");

    // Fills `region` (the group box "Groups").
    GroupsPanel(DesignContext &design, CommandTarget &target, Desktop &desktop,
                UnitReplies &replies, QGroupBox *region);

    // Wires the "Group Status" entries.
    void ConnectMenus(const MainMenus &menus);

    QSpinBox *Selector() const { return m_selector; }
    QAbstractButton *AddButton() const;
    QAbstractButton *RemoveButton() const;

    void btnAddGrpClick();
    void btnRemoveGrpClick();
    void txtGroupChange();
    void btnWriteGrpClick();
    // Reads groups 1..8 from the unit; the design's groups change only when
    // every group was answered readably.
    void btnReadGrpClick();
    void GroupStatus1Click();

signals:
    // The group number or a membership changed: the group strip is stale.
    void GroupsChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void txtGroupEdited(const QString &text);

    DesignContext &m_design;
    CommandTarget &m_target;
    Desktop &m_desktop;
    UnitReplies &m_replies;
    QPushButton *m_write;
    QPushButton *m_read;
    QPushButton *m_add;
    QPushButton *m_remove;
    QLineEdit *m_group;
    QSpinBox *m_selector;
};
