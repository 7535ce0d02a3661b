#include "controller/RsIrControl.h"

#include "app/Desktop.h"
#include "app/QLOptions.h"
#include "app/QlError.h"
#include "command/CommandTarget.h"
#include "command/ErrorReport.h"
#include "controller/CardMemory.h"
#include "controller/MemoryNumberField.h"
#include "pages/PageServices.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>

#include <iterator>

// A port the page's commands go to.
struct RsIrPort {
    const char *name;
    const char *caption;
    bool ir;
    int number;
    int left;
    int top;
};

namespace {

const QString BaudQuestion =
    QStringLiteral("Are you sure you want to change Baud Rate for selected RS-232 port?");
const QString ModeQuestion =
    QStringLiteral("Are you sure you want to change IR Mode for selected IR port?");
const QString SaveQuestion =
    QStringLiteral("This command will overwrite existing data. Are you sure?");

constexpr int Margin = 10;
constexpr int BoxWidth = 372;
constexpr int InnerWidth = BoxWidth - 2 * Margin;
constexpr int RowHeight = 20;
constexpr int ButtonHeight = 24;
constexpr int SettingsTop = 146;  // "Baud" and "IR Type" share this place
constexpr int SettingsLeft = 8;
constexpr int SettingsWidth = BoxWidth - 2 * SettingsLeft;
constexpr int LearnTop = 240;

struct BaudButton {
    const char *caption;
    int tag;
};
constexpr BaudButton BaudButtons[] = {{"2400", 1}, {"4800", 2}, {"9600", 3}, {"19200", 4}};
constexpr int ModeCount = 6;
constexpr int ModeTagBase = 10;

// The six ports; exactly one is chosen, RS-232 Port1 at start.
const RsIrPort Ports[] = {
    {"RadioButton331", "RS-232 Port1", false, 1, 10, 100},
    {"RadioButton332", "RS-232 Port2", false, 2, 10, 120},
    {"RadioButton327", "IR Port1", true, 1, 126, 100},
    {"RadioButton328", "IR Port2", true, 2, 126, 120},
    {"RadioButton329", "IR Port3", true, 3, 212, 100},
    {"RadioButton330", "IR Port4", true, 4, 212, 120},
};

QString PortText(const RsIrPort &port)
{
    return QLatin1String(port.ir ? "IR" : "RS") + QString::number(port.number);
}

} // namespace

RsIrControl::RsIrControl(const PageServices &services, QWidget *parent)
    : QGroupBox(QStringLiteral("RS-232/IR Control"), parent),
      m_target(services.target),
      m_desktop(services.desktop),
      m_options(services.options),
      m_learner(services.target, services.desktop, services.replies)
{
    setObjectName(QStringLiteral("GroupBox89"));
    m_saveData = new QLineEdit(this);
    m_saveData->setObjectName(QStringLiteral("SaveData"));
    m_saveData->setToolTip(QStringLiteral("Type RS/IR Data here"));
    m_saveData->setGeometry(Margin, 20, InnerWidth, 22);
    BuildMemoryRow();
    BuildPorts();
    BuildBaudBox();
    BuildModeBox();

    m_learnIR = new QPushButton(QStringLiteral("Learn IR"), this);
    m_learnIR->setObjectName(QStringLiteral("LearnIR"));
    m_learnIR->setToolTip(QStringLiteral("Learn IR code from remote."));
    m_learnIR->setGeometry(Margin, LearnTop, 80, ButtonHeight);
    OnClick(m_learnIR, [this] { LearnIRClick(); });
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(1, IrLearner::ListenSteps);
    m_progress->setValue(1);
    m_progress->setTextVisible(false);
    m_progress->setGeometry(Margin + 88, LearnTop + 2, InnerWidth - 88, RowHeight);

    resize(BoxWidth, LearnTop + ButtonHeight + Margin);
    PortOptionsClick();
}

void RsIrControl::BuildMemoryRow()
{
    constexpr int Top = 48;
    auto *label = new QLabel(QStringLiteral("Memory"), this);
    label->setGeometry(Margin, Top, 44, 22);
    m_memory = new MemoryNumberField(this);
    m_memory->move(Margin + 46, Top);
    struct Action {
        const char *name;
        const char *caption;
        const char *hint;
        void (RsIrControl::*handler)();
    };
    const Action actions[] = {
        {"Button4", "Out", "Send Memory Data to Selected Port", &RsIrControl::Button4Click},
        {"Button1", "Read", "Read RS-232/IR Data from selected memory", &RsIrControl::Button1Click},
        {"Button2", "Save", "Save RS-232/IR Data", &RsIrControl::Button2Click},
    };
    int left = 128;
    for (const Action &action : actions) {
        auto *button = new QPushButton(QLatin1String(action.caption), this);
        button->setObjectName(QLatin1String(action.name));
        button->setToolTip(QLatin1String(action.hint));
        button->setGeometry(left, Top - 1, 74, ButtonHeight);
        OnClick(button, [this, handler = action.handler] { (this->*handler)(); });
        left += 78;
    }
    m_append = new QCheckBox(QStringLiteral("Append Data"), this);
    m_append->setObjectName(QStringLiteral("Append"));
    m_append->setGeometry(Margin, 76, 120, RowHeight);
}

void RsIrControl::BuildPorts()
{
    m_ports = new QButtonGroup(this);
    for (int i = 0; i < int(std::size(Ports)); ++i) {
        const RsIrPort &port = Ports[i];
        auto *button = new QRadioButton(QLatin1String(port.caption), this);
        button->setObjectName(QLatin1String(port.name));
        button->setGeometry(port.left, port.top, port.ir ? 84 : 112, RowHeight);
        m_ports->addButton(button, i);
    }
    m_ports->button(0)->setChecked(true);
    connect(m_ports, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            PortOptionsClick();
    });
}

void RsIrControl::BuildBaudBox()
{
    m_baudBox = new QGroupBox(QStringLiteral("Baud"), this);
    m_baudBox->setObjectName(QStringLiteral("GroupBox92"));
    m_baudBox->setToolTip(QStringLiteral("Set Baud Rate for Selected RS port"));
    m_baudBox->setGeometry(SettingsLeft, SettingsTop, SettingsWidth, 54);
    int left = Margin;
    for (const BaudButton &baud : BaudButtons) {
        auto *button = new QPushButton(QLatin1String(baud.caption), m_baudBox);
        button->setObjectName(QStringLiteral("btnBaud%1").arg(QLatin1String(baud.caption)));
        button->setGeometry(left, 20, 78, ButtonHeight);
        OnClick(button, [this, tag = baud.tag] { BaudProgramClick(tag); });
        left += 84;
    }
}

void RsIrControl::BuildModeBox()
{
    m_modeBox = new QGroupBox(QStringLiteral("IR Type"), this);
    m_modeBox->setObjectName(QStringLiteral("GroupBox91"));
    m_modeBox->setGeometry(SettingsLeft, SettingsTop, SettingsWidth, 84);
    constexpr int ColumnWidth = 114;
    for (int mode = 1; mode <= ModeCount; ++mode) {
        const int left = Margin + (mode - 1) % 3 * ColumnWidth;
        const int top = 20 + (mode - 1) / 3 * 30;
        auto *button = new QPushButton(QStringLiteral("Mode%1").arg(mode), m_modeBox);
        button->setObjectName(QStringLiteral("btnMode%1").arg(mode));
        button->setToolTip(QStringLiteral("Set Mode %1 for IR transmitter").arg(mode));
        button->setGeometry(left, top, 70, ButtonHeight);
        OnClick(button, [this, mode] { BaudProgramClick(ModeTagBase + mode); });
        auto *check = new QCheckBox(m_modeBox);
        check->setObjectName(QStringLiteral("ModeChk%1").arg(mode));
        check->setToolTip(QStringLiteral("Auto Detect (Unchecked)"));
        check->setGeometry(left + 76, top + 2, RowHeight, RowHeight);
        connect(check, &QCheckBox::clicked, this, [this, mode] { ModeChkClick(mode); });
        m_modeChecks.append(check);
    }
}

void RsIrControl::OnClick(QAbstractButton *button, const std::function<void()> &handler)
{
    connect(button, &QAbstractButton::clicked, this,
            [this, handler] { ReportErrors(m_desktop, handler); });
}

const RsIrPort &RsIrControl::ChosenPort() const
{
    return Ports[qMax(m_ports->checkedId(), 0)];
}

int RsIrControl::TickedMode() const
{
    for (int i = 0; i < m_modeChecks.size(); ++i) {
        if (m_modeChecks[i]->isChecked())
            return i + 1;
    }
    return 0;
}

void RsIrControl::PortOptionsClick()
{
    const bool ir = ChosenPort().ir;
    m_baudBox->setVisible(!ir);
    m_modeBox->setVisible(ir);
    m_learnIR->setVisible(ir);
    m_progress->setVisible(ir);
}

void RsIrControl::Button4Click()
{
    m_target.SendCommand(QStringLiteral("[OUT%1M%vC%c]").arg(PortText(ChosenPort())), QString(),
                         QString::number(m_memory->Number()));
}

void RsIrControl::Button1Click()
{
    m_target.SendCommand(ChosenPort().ir ? QStringLiteral("[RDIRM%vC%c]")
                                         : QStringLiteral("[RDRSM%vC%c]"),
                         QString(), QString::number(m_memory->Number()));
}

void RsIrControl::Button2Click()
{
    const QString data = m_saveData->text();
    const bool ir = ChosenPort().ir;
    // IR data keeps only its digits; RS-232 data must reach the memory as typed.
    if (!ir) {
        const QString problem = CardMemory::SerialDataProblem(
            data, {.blanks = m_options.AllowSpace, .returnsAndTabs = m_options.AllowCR});
        if (!problem.isEmpty())
            throw QlError(problem);
    }
    if (!m_desktop.AskYesNo(SaveQuestion))
        return;
    const QString memory = QString::number(m_memory->Number());
    for (const QString &command : CardMemory::SaveCommands(data, ir, m_append->isChecked()))
        m_target.SendCommand(command, QString(), memory);
}

void RsIrControl::BaudProgramClick(int tag)
{
    const RsIrPort &port = ChosenPort();
    const bool baud = tag < ModeTagBase;
    // The box of the other kind of port is hidden.
    if (baud == port.ir)
        return;
    if (baud) {
        if (m_desktop.AskYesNo(BaudQuestion))
            m_target.SendCommand(QStringLiteral("[MODERS%1,%v,8,3,0C%c]").arg(port.number),
                                 QString(), QString::number(tag));
    } else if (m_desktop.AskYesNo(ModeQuestion)) {
        m_target.SendCommand(QStringLiteral("[MODEIR%1%vC%c]").arg(port.number), QString(),
                             QString::number(tag - ModeTagBase));
    }
}

void RsIrControl::ModeChkClick(int mode)
{
    if (!m_modeChecks[mode - 1]->isChecked())
        return;
    for (int i = 0; i < m_modeChecks.size(); ++i) {
        if (i != mode - 1)
            m_modeChecks[i]->setChecked(false);
    }
}

void RsIrControl::LearnIRClick()
{
    // No second learn while this one waits.
    m_learnIR->setEnabled(false);
    const auto enableAgain = qScopeGuard([this] { m_learnIR->setEnabled(true); });
    const auto learned =
        m_learner.Learn(TickedMode(), [this](int step) { m_progress->setValue(step); });
    if (!learned)
        return;
    m_saveData->setText(learned->bits);
    m_saveData->setCursorPosition(0);  // the code from its start
    m_modeChecks[learned->mode - 1]->setChecked(true);
}
