#include "pages/AudioPwrCard.h"

#include "command/ControlTags.h"
#include "command/GenericHandlers.h"
#include "pages/LevelRow.h"
#include "pages/PageControls.h"
#include "pages/PageServices.h"

#include <QGroupBox>
#include <QPushButton>

namespace {

// Enter in a number box (VolumeLevelKeyPress, BassLevelKeyPress,
// TrebleLevelKeyPress, MicInputLevel1KeyPress, LineInputLevel2KeyPress,
// LineInputLevel3KeyPress) runs the row's LevelDisplayKeyPress with its
// Enter command and limit.
const QList<LevelRow::Shape> Rows = {
    {"Volume", "Volume1", {1, 30, 1}, "VolumeLevel1", "UpDown6", "[VLOA%vC%c]", "[VLOA%vC%c%]",
     32, "[SOVC%c%]", "[SLOC%c%]"},
    {"Bass", "Bass1", {1, 15, 1}, "BassLevel1", "UpDown1", "[VBL%vC%c]", "[VBL%vC%c%]", 15,
     "[SBVC%c%]", "[SEBC%c%]"},
    {"Treble", "Treble1", {1, 15, 1}, "TrebleLevel1", "UpDown2", "[VTL%vC%c]", "[VTL%vC%c%]", 15,
     "[STVC%c%]", "[STBC%c%]"},
    {"Mic Input 1", "MicInput1_1", {1, 30, 1}, "MicInputLevel1_1", "UpDown3", "[VL1A%vC%c]",
     "[VL1A%vC%c%]", 32, "[SIV1C%c%]", "[SEL1C%c%]"},
    {"Input 2", "LineInput2_1", {1, 30, 1}, "LineInputLevel2_1", "UpDown4", "[VL2A%vC%c]",
     "[VL2A%vC%c%]", 32, "[SIV2C%c%]", "[SEL2C%c%]"},
    {"Input 3", "LineInput3_1", {1, 30, 1}, "LineInputLevel3_1", "UpDown5", "[VL3A%vC%c]",
     "[VL3A%vC%c%]", 32, "[SIV3C%c%]", "[SEL3C%c%]"},
};
const int Defaults[] = {16, 8, 8, 24, 24, 24};
constexpr LevelRow::Columns RowColumns{10, 64, 150};

const CommandCheckBox::Shape Switches[] = {
    {"chkMute", "Mute", "[MUT1C%c%]", "[MUT0C%c%]", {10, 200}},
    {"chkLoudness", "Loudness", "[LOD1C%c%]", "[LOD0C%c%]", {10, 228}},
};

QPushButton *AddButton(const char *name, const char *caption, const QRect &place, QWidget *parent)
{
    auto *button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    return button;
}

} // namespace

AudioPwrCard::AudioPwrCard(const QComboBox *models, const PageServices &services, QWidget *parent)
    : CardPage({PageDispatch::Page::AudioPwrCard, "AudioPwrBack", "AudioPwrBlock", 50,
                "AudioPowerDiagram"},
               models, parent),
      m_target(services.target), m_desktop(services.desktop),
      m_sender(services.target, services.desktop)
{
    QGroupBox *control = AddGroup("GroupBox17", "Control", {9, 6, 516, 272}, this);
    m_rows = LevelRow::MakeRows(Rows, m_sender, control, RowColumns, 24, 28);

    for (const CommandCheckBox::Shape &shape : Switches) {
        auto *box = new CommandCheckBox(shape, control);
        connect(box, &QCheckBox::clicked, this,
                [this, box] { m_sender.SendCommand(box->Command(), QString(), QString()); });
    }
    QPushButton *loudnessSave =
        AddButton("btnLoudnessSave", "Save", {100, 227, 44, 24}, control);
    connect(loudnessSave, &QPushButton::clicked, this,
            [this] { m_sender.SendCommand(QStringLiteral("[SLVC%c%]"), QString(), QString()); });

    QGroupBox *inputs = AddGroup("grpInputOnOff", "ON/OFF control", {410, 18, 96, 92}, control);
    for (int input = 1; input <= 3; ++input) {
        auto *box = new QCheckBox(QStringLiteral("Input %1").arg(input), inputs);
        box->setObjectName(QStringLiteral("chkAudioInput%1").arg(input));
        box->setGeometry(10, 2 + input * 20, 80, ControlHeight);
        SetControlTag(box, input);
        services.handlers.Bind(box);
    }
    QPushButton *setDefault =
        AddButton("btnSetDefault", "Set Default", {410, 122, 96, 26}, control);
    connect(setDefault, &QPushButton::clicked, this, &AudioPwrCard::AudioDefaultClick);
    SetDiagramCovers({control});
}

void AudioPwrCard::AudioDefaultClick()
{
    for (int row = 0; row < m_rows.size(); ++row)
        m_rows[row]->SetLevel(Defaults[row]);
    ReportErrors(m_desktop, [this] {
        for (const LevelRow *row : std::as_const(m_rows))
            m_target.SendCommand(row->EnterCommand(), QString(), row->Level());
        for (const LevelRow *row : std::as_const(m_rows))
            m_target.SendCommand(row->SaveCommand(), QString(), QString());
    });
}
