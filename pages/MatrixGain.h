#pragma once

#include <QGroupBox>

class CommandTarget;
class QButtonGroup;

// "Input Control" of the audio matrices with gain: the input options "1" ..
// "16" choose `SelectedGainInput` (sending nothing); the vertical slider
// `GainControl1` with its number box `GainControlText1` sets that input's
// gain with "[VOL" + input + "A%vC%c%]" on release and on Enter.
class MatrixGain : public QGroupBox
{
    Q_OBJECT

public:
    MatrixGain(CommandTarget &target, QWidget *parent);

    // Offers the options 1 .. count (8 or 16). A chosen input that is no
    // longer offered gives way to input 1.
    void ShowInputs(int count);
    int SelectedGainInput() const { return m_selectedGainInput; }

    static constexpr QSize Size{124, 260};

private:
    void GainInputClick(int input);

    QButtonGroup *m_inputs;
    int m_selectedGainInput = 1;
};
