#pragma once

#include "pages/CardPage.h"
#include "pages/ReportingTarget.h"

class ChannelGroup;
struct PageServices;

// Switcher page: input option buttons ("Input Select", "Video Select",
// "S-Video Select") and the line-driver gain group `SWOnOff4`, whose vertical
// slider `GainControl2` sets the gain of the checked input.
class SWCard : public CardPage
{
    Q_OBJECT

public:
    SWCard(const QComboBox *models, const PageServices &services, QWidget *parent);

    void LayOut(const PageDispatch::Row &row) override;

private:
    // "+" and "-" of the gain group.
    void GainStepClick(int direction);

    ReportingTarget m_sender;
    ChannelGroup *m_inputs;
    ChannelGroup *m_video;
    ChannelGroup *m_sVideo;
    ChannelGroup *m_gain;
};
