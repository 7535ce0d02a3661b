#include "command/UnitCommands.h"

#include "app/Desktop.h"
#include "app/MainMenus.h"
#include "command/CommandTarget.h"
#include "command/ControlPanel.h"
#include "command/ErrorReport.h"
#include "command/UnitExchange.h"

#include <QAction>
#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int ClearProgrammingSteps = 44;
constexpr int PanelTestSteps = 190;
constexpr int ProgressStepMs = 500;
constexpr int BetweenClearsMs = 350;
constexpr int UnitIdSteps = 100;
constexpr int UnitIdFirstStepMs = 20;
constexpr int UnitIdSecondStepMs = 70;
constexpr int BeforeUnitIdCommandMs = 1000;
constexpr int BeforeRestartWaitMs = 2000;

const QString PowerCycleQuestion =
    QStringLiteral("Please turn Quillon OFF and ON to finalize settings. Confirm when done.");

// The question before a card is cleared, naming the slot or group the
// command goes to.
QString ClearCardQuestion(const CommandAddressing &addressing)
{
    if (addressing.GroupText != QLatin1String("0"))
        return QStringLiteral("Clear the cards of group %1? Their settings on the unit will be "
                              "erased.")
            .arg(addressing.GroupText);
    return QStringLiteral("Clear the card in slot %1? Its settings on the unit will be erased.")
        .arg(ExpandCommand(QStringLiteral("%c"), QString(), QString(), addressing));
}

// What arrives while the window handles no user input waits, as it would in
// the port, until the stretch ends.
class HeldArrivals
{
public:
    explicit HeldArrivals(UnitExchange &exchange) : m_exchange(exchange)
    {
        m_exchange.HoldReceived();
    }
    ~HeldArrivals() { m_exchange.ReleaseReceived(); }
    HeldArrivals(const HeldArrivals &) = delete;
    HeldArrivals &operator=(const HeldArrivals &) = delete;

private:
    UnitExchange &m_exchange;
};

} // namespace

using C = UnitCommands;
const C::Command C::Commands[] = {
    {"StatusClick", {"[C%c%]"}, nullptr, &C::SendTemplates},
    {"Version1Click", {"[VERC%c]"}, nullptr, &C::SendTemplates},
    {"HelpInsideClick", {"[HELPC%c%]"}, nullptr, &C::SendTemplates},
    {"CardClear1Click", {"[CLRC%c%]"}, nullptr, &C::CardClear1Click},
    {"QLHelp1Click", {"[HELP%]"}, nullptr, &C::SendTemplates},
    {"Reset1Click", {"[RES]"}, nullptr, &C::SendTemplates},
    {"CheckFirmwareVersionClick", {"[VER%]"}, nullptr, &C::SendTemplates},
    {"ClearProgrammingClick", {"{CLRK*}", "{LED*=0}", "{CLRS*}"},
     "This command requires 2 minutes to complete. Are you sure?", &C::ClearProgrammingClick},
    {"TestQuillonClick", {"{TEST}"}, "This will take a bout 1.5 minutes. Continue?",
     &C::TestQuillonClick},
    // "%1" is the chosen unit ID.
    {"SetUnitIDClick", {"[SETU%1]", "{SETU%1}"}, "This command will change unit ID. Are you sure?",
     &C::SetUnitIDClick},
};

UnitCommands::UnitCommands(CommandTarget &target, Desktop &desktop, UnitExchange &exchange,
                           QProgressBar *progress, QCheckBox *viewFront)
    : QObject(progress),
      m_target(target),
      m_desktop(desktop),
      m_exchange(exchange),
      m_progress(progress),
      m_viewFront(viewFront)
{
}

void UnitCommands::ConnectMenus(const MainMenus &menus)
{
    for (const Command &command : Commands) {
        for (QAction *entry : menus.EntriesRunning(QLatin1String(command.handler)))
            connect(entry, &QAction::triggered, this, [this, &command] { Run(command); });
        if (command.run == &C::SetUnitIDClick)
            connect(m_exchange.Control()->SetUnitIdButton(), &QPushButton::clicked, this,
                    [this, &command] { Run(command); });
    }
}

void UnitCommands::Run(const Command &command)
{
    ReportErrors(m_desktop, [&] { (this->*command.run)(command); });
}

void UnitCommands::Send(const QString &commandTemplate)
{
    m_target.SendCommand(commandTemplate, QString(), QString());
}

void UnitCommands::SendTemplates(const Command &command)
{
    for (const QString &commandTemplate : command.templates)
        Send(commandTemplate);
}

void UnitCommands::CardClear1Click(const Command &command)
{
    if (m_desktop.AskYesNo(ClearCardQuestion(m_exchange.AddressingNow())))
        SendTemplates(command);
}

void UnitCommands::ClearProgrammingClick(const Command &command)
{
    if (!m_desktop.AskYesNo(QLatin1String(command.question)))
        return;
    StartProgress(ClearProgrammingSteps);
    for (qsizetype i = 0; i < command.templates.size(); ++i) {
        if (i > 0)
            m_desktop.Sleep(BetweenClearsMs);
        Send(command.templates[i]);
    }
    AdvanceHeld(ClearProgrammingSteps);
    m_progress->hide();
}

void UnitCommands::TestQuillonClick(const Command &command)
{
    if (!m_desktop.AskYesNo(QLatin1String(command.question)))
        return;
    StartProgress(PanelTestSteps);
    SendTemplates(command);
    AdvanceHeld(PanelTestSteps);
    m_progress->hide();
}

void UnitCommands::SetUnitIDClick(const Command &command)
{
    m_viewFront->setChecked(true);
    if (!m_desktop.AskYesNo(QLatin1String(command.question)))
        return;
    const QString unitId = QString::number(m_exchange.Control()->UnitId());
    StartProgress(UnitIdSteps);
    Send(command.templates[0].arg(unitId));
    Advance(UnitIdSteps, UnitIdFirstStepMs, &Desktop::ProcessEvents);
    m_desktop.Sleep(BeforeUnitIdCommandMs);
    Send(command.templates[1].arg(unitId));
    m_progress->hide();
    StartProgress(UnitIdSteps);
    {
        const HeldArrivals held(m_exchange);
        m_desktop.ProcessPaintEvents();
        m_desktop.Sleep(BeforeRestartWaitMs);
    }
    Advance(UnitIdSteps, UnitIdSecondStepMs, &Desktop::ProcessEvents);
    if (m_desktop.AskYesNo(PowerCycleQuestion))
        m_progress->hide();
}

void UnitCommands::StartProgress(int maximum)
{
    m_progress->setRange(0, maximum);
    m_progress->setValue(0);
    m_progress->show();
}

void UnitCommands::AdvanceHeld(int steps)
{
    const HeldArrivals held(m_exchange);
    Advance(steps, ProgressStepMs, &Desktop::ProcessPaintEvents);
}

void UnitCommands::Advance(int steps, int stepMs, void (Desktop::*pump)())
{
    // Counted, not read back from the bar: a command run from the events
    // pumped here may have set it meanwhile.
    for (int step = 1; step <= steps; ++step) {
        m_desktop.Sleep(stepMs);
        m_progress->setValue(step);
        (m_desktop.*pump)();
    }
}
