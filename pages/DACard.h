#pragma once

#include "pages/CardPage.h"

class ChannelGroup;
class GenericHandlers;
class QFrame;

// Distribution amplifier page: output on/off check boxes on the panel
// `DAShowPannel` ("Output control" and the S-Video/Video "Output Control").
class DACard : public CardPage
{
    Q_OBJECT

public:
    DACard(const QComboBox *models, GenericHandlers &handlers, QWidget *parent);

    void LayOut(const PageDispatch::Row &row) override;

private:
    QFrame *m_panel;
    ChannelGroup *m_outputs;
    ChannelGroup *m_sVideoVideo;
};
