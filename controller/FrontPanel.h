#pragma once

#include <QWidget>

#include <array>

class CommandTarget;
class Desktop;
class MainMenus;
class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QProgressBar;
class QPushButton;

// `QLControl`: the controller's front panel in the "Card Control" box. A left
// click on a key presses it on the unit; the key menu reads or clears the
// programming of the key last right-clicked or of all keys. The panel takes
// the place of the card view while "View Front" is ticked.
class FrontPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int KeyCount = 36;
    static inline const QString ClearKeyQuestion =
        QStringLiteral("This command will remove programming from this key. Are you sure?");

    // The card view that the panel replaces inside `grpControls`.
    struct CardView
    {
        QGroupBox *grpControls;
        QCheckBox *viewFront;  // CheckBox120
        QCheckBox *viewLayout; // CheckBox28
        QWidget *cardControl;  // model tabs
        QWidget *controlView;  // card pages
    };

    FrontPanel(CommandTarget &target, Desktop &desktop, const CardView &cardView);

    // Gives the keys and the panel the key menu and wires its entries.
    void ConnectMenus(const MainMenus &menus);

    // Places the keys for an enclosure whose first missing slot is
    // `firstOutside`: 21, 20 and 9 give the wide panel, anything else the
    // compact one.
    void ArrangeFrontKeys(int firstOutside);

    void CheckBox120Click();
    // Presses key `sender` on the unit.
    void FrontKeyPress(QAbstractButton *sender);
    // A right mouse button on key `sender` marks it for the key menu.
    void MarkKeyMouseDown(QAbstractButton *sender, Qt::MouseButton button);
    int MarkedKey() const { return m_markedKey; }

    void ReadKeyAssignmentClick();
    void ClearKeyClick();
    void ReadAllKeyAssignmentsClick();
    void ReadAllSubroutinesClick();

    QPushButton *Key(int number) const { return m_keys[number - 1]; }
    QProgressBar *Progress() const { return m_progress; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CommandTarget &m_target;
    Desktop &m_desktop;
    CardView m_cardView;
    std::array<QPushButton *, KeyCount> m_keys{};
    QProgressBar *m_progress;
    int m_markedKey = 0;
};
