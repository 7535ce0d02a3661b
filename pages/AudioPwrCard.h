#pragma once

#include "pages/CardPage.h"
#include "pages/ReportingTarget.h"

struct PageServices;
class LevelRow;
class CommandCheckBox;

// Audio mixer and amplifier page, all in "Control" (`GroupBox17`): the volume,
// tone and input level rows with their "Save" and "Select" buttons, "Mute",
// "Loudness" with its "Save", the input on/off boxes of "ON/OFF control" and
// "Set Default".
class AudioPwrCard : public CardPage
{
    Q_OBJECT

public:
    AudioPwrCard(const QComboBox *models, const PageServices &services, QWidget *parent);

private:
    // Puts every level to its default and stores it on the card.
    void AudioDefaultClick();

    CommandTarget &m_target;
    Desktop &m_desktop;
    ReportingTarget m_sender;
    QList<LevelRow *> m_rows;
};
