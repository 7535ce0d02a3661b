#pragma once

#include <QObject>
#include <QStringList>

class CommandTarget;
class Desktop;
class MainMenus;
class QCheckBox;
class QProgressBar;
class UnitExchange;

// The fixed unit-wide and card housekeeping commands of the Control menu and
// the pop-up menus, and the unit-ID programming of the "P" button. Three of
// them ask first and then run a timed progress bar on the front panel.
class UnitCommands : public QObject
{
    Q_OBJECT

public:
    struct Command
    {
        const char *handler;    // name of the menu entries' handler
        QStringList templates;  // sent in order, with no text and no value
        const char *question;   // asked first; only Yes goes on
        void (UnitCommands::*run)(const Command &);
    };

    // `progress` is the front panel's bar; `viewFront` brings it into sight.
    UnitCommands(CommandTarget &target, Desktop &desktop, UnitExchange &exchange,
                 QProgressBar *progress, QCheckBox *viewFront);

    // Wires every menu entry of each command and the "P" button.
    void ConnectMenus(const MainMenus &menus);

private:
    // Runs `command`; a failing write is shown and ends it where it was.
    void Run(const Command &command);
    void SendTemplates(const Command &command);
    // Asks first, naming the slot or group the command goes to.
    void CardClear1Click(const Command &command);
    void ClearProgrammingClick(const Command &command);
    void TestQuillonClick(const Command &command);
    void SetUnitIDClick(const Command &command);

    void Send(const QString &commandTemplate);
    // Position 0 of `maximum`, shown.
    void StartProgress(int maximum);
    // `steps` times: sleep `stepMs`, advance the bar by one, then `pump`.
    void Advance(int steps, int stepMs, void (Desktop::*pump)());
    // The long commands' progress: steps of 500 ms with only the
    // window repainted; what the unit sends meanwhile is taken in at the end.
    void AdvanceHeld(int steps);

    static const Command Commands[];

    CommandTarget &m_target;
    Desktop &m_desktop;
    UnitExchange &m_exchange;
    QProgressBar *m_progress;
    QCheckBox *m_viewFront;
};
