#pragma once

#include "pages/CardPage.h"
#include "pages/ReportingTarget.h"

struct PageServices;
class QLabel;
class QRadioButton;
class CommandCheckBox;
class TACustomSlider;

// Scaler page: input options with "Switch and Recall" (`GroupBox1`), the
// resolution and picture sliders with "Save" (`GroupBox2`) and the "4:3",
// "Freeze", "Noise" and "Filter" boxes (`GroupBox3`). While "Save" is checked
// the sliders and the boxes but "Freeze" send their storing forms.
class Scalar4 : public CardPage
{
    Q_OBJECT

public:
    Scalar4(const QComboBox *models, const PageServices &services, QWidget *parent);

private:
    // A slider's change notice: its label shows the value (or the resolution).
    void SliderChange(int row);
    // A slider was let go: its command with the value (or the mode code).
    void SliderMouseUp(int row);
    // Renumbers the input options; sends nothing.
    void SwitchAndRecallClick();
    void ControlBoxClick(CommandCheckBox *box, bool storable);
    QString Form(const QString &commandTemplate, bool storable) const;

    ReportingTarget m_sender;
    QList<QRadioButton *> m_inputs;
    QCheckBox *m_switchAndRecall;
    QList<TACustomSlider *> m_sliders;
    QList<QLabel *> m_displays;
    QCheckBox *m_save;
    CommandCheckBox *m_aspect = nullptr;
};
