#pragma once

#include "controller/IrLearner.h"

#include <QGroupBox>
#include <QList>
#include <functional>

class CommandTarget;
class Desktop;
class MemoryNumberField;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
struct PageServices;
struct RsIrPort;
struct TOptions;

// The box "RS-232/IR Control" (`GroupBox89`) of the control card's page: data
// for a memory of the card, saving, reading and sending memories out of the
// chosen RS-232 or IR port, the baud rates and IR transmitter modes, and IR
// learning.
class RsIrControl : public QGroupBox
{
    Q_OBJECT

public:
    RsIrControl(const PageServices &services, QWidget *parent);

    // A port was chosen: "Baud" for an RS-232 port, "IR Type" and learning
    // for an IR port.
    void PortOptionsClick();
    // "Out": sends the memory out of the chosen port.
    void Button4Click();
    // "Read": reads the memory.
    void Button1Click();
    // "Save": saves the data into the memory.
    void Button2Click();
    // A "Baud" button (tags 1..4) or a "Mode" button (tags 11..16), for the
    // kind of port it belongs to.
    void BaudProgramClick(int tag);
    // ModeChk1Click ... ModeChk6Click: a ticked mode box clears the others.
    void ModeChkClick(int mode);
    // "Learn IR": learns a code into the data.
    void LearnIRClick();

private:
    const RsIrPort &ChosenPort() const;
    // The ticked mode box, 0 for none.
    int TickedMode() const;
    // Runs `handler` on every click of `button`, errors reported.
    void OnClick(QAbstractButton *button, const std::function<void()> &handler);

    void BuildMemoryRow();
    void BuildPorts();
    void BuildBaudBox();
    void BuildModeBox();

    CommandTarget &m_target;
    Desktop &m_desktop;
    const TOptions &m_options;
    IrLearner m_learner;
    QLineEdit *m_saveData;
    MemoryNumberField *m_memory = nullptr;
    QCheckBox *m_append = nullptr;
    QButtonGroup *m_ports = nullptr;
    QGroupBox *m_baudBox = nullptr;
    QGroupBox *m_modeBox = nullptr;
    QList<QCheckBox *> m_modeChecks;
    QPushButton *m_learnIR = nullptr;
    QProgressBar *m_progress = nullptr;
};
