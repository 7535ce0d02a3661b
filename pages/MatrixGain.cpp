#include "pages/MatrixGain.h"

#include "pages/LevelRow.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>

namespace {

constexpr int Inputs = 16;
constexpr int Rows = 8;
constexpr int OptionTop = 20;
constexpr int OptionPitch = 24;
constexpr int ColumnLeft[] = {8, 44};

const LevelRow::Shape Gain = {.slider = "GainControl1",
                             .range = {1, 32, 1},
                             .box = "GainControlText1",
                             .orientation = Qt::Vertical};

} // namespace

MatrixGain::MatrixGain(CommandTarget &target, QWidget *parent)
    : QGroupBox(QStringLiteral("Input Control"), parent)
{
    setObjectName(QStringLiteral("MatrixGain"));
    setFixedSize(Size);
    m_inputs = new QButtonGroup(this);
    for (int input = 1; input <= Inputs; ++input) {
        auto *option = new QRadioButton(QString::number(input), this);
        option->setObjectName(QStringLiteral("optGainInput%1").arg(input));
        const int index = input - 1;
        option->setGeometry(ColumnLeft[index / Rows], OptionTop + (index % Rows) * OptionPitch, 36,
                            20);
        m_inputs->addButton(option, input);
    }
    m_inputs->button(1)->setChecked(true);
    connect(m_inputs, &QButtonGroup::idClicked, this, &MatrixGain::GainInputClick);

    auto *level = new LevelRow(Gain, target, this);
    level->SetTemplateSource(
        [this] { return QStringLiteral("[VOL%1A%vC%c%]").arg(m_selectedGainInput); });
    level->Slider()->setGeometry(88, OptionTop, 22, Rows * OptionPitch - 4);
    level->Box()->setGeometry(82, OptionTop + Rows * OptionPitch + 4, 34, 22);
}

void MatrixGain::ShowInputs(int count)
{
    for (int input = 1; input <= Inputs; ++input)
        m_inputs->button(input)->setVisible(input <= count);
    if (m_selectedGainInput > count) {
        m_inputs->button(1)->setChecked(true);
        m_selectedGainInput = 1;
    }
}

void MatrixGain::GainInputClick(int input)
{
    m_selectedGainInput = input;
}
