#pragma once

#include "pages/CardPage.h"

class ChannelGroup;
class GenericHandlers;

// Switcher page: input option buttons ("Input Select", "Video Select",
// "S-Video Select") and the line-driver gain group `SWOnOff4`.
class SWCard : public CardPage
{
    Q_OBJECT

public:
    SWCard(const QComboBox *models, GenericHandlers &handlers, QWidget *parent);

    void LayOut(const PageDispatch::Row &row) override;

private:
    ChannelGroup *m_inputs;
    ChannelGroup *m_video;
    ChannelGroup *m_sVideo;
    ChannelGroup *m_gain;
};
