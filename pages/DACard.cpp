#include "pages/DACard.h"

#include "pages/ChannelGroup.h"

#include <QFrame>

namespace {

using Kind = ChannelGroup::Kind;

const ChannelGroup::Layout Outputs = {
    "DAOnOff1", "Output control", Kind::Check,
    {{"chkDAOutput%1", "%1 On/Off", 1, 8}},
    true, "Turn all outputs ON/OFF", 100};

const ChannelGroup::Layout SVideoVideoOutputs = {
    "DAOnOff2", "Output Control", Kind::Check,
    {{"chkDASVideo%1", "%1 S-V On/Off", 51, 3}, {"chkDAVideo%1", "%1 Vid On/Off", 61, 3}},
    true, "", 116};

constexpr int LeftEdge = 9;
constexpr int Top = 8;
constexpr int PanelMargin = 5;

} // namespace

DACard::DACard(const QComboBox *models, GenericHandlers &handlers, QWidget *parent)
    : CardPage({PageDispatch::Page::DACard, "BackPanelDA", "BlockDiagramDA", 80, "DABlockDiagram",
                true},
               models, parent)
{
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("DAShowPannel"));
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel->setAutoFillBackground(true);
    m_outputs = new ChannelGroup(Outputs, m_panel);
    m_outputs->move(LeftEdge, Top);
    m_sVideoVideo = new ChannelGroup(SVideoVideoOutputs, m_panel);
    m_sVideoVideo->move(m_outputs->geometry().right() + LeftEdge, Top);
    m_panel->setGeometry(0, 0, m_sVideoVideo->geometry().right() + LeftEdge, 289);
    m_outputs->BindTo(handlers);
    m_sVideoVideo->BindTo(handlers);
    SetDiagramCovers({m_panel});
}

void DACard::LayOut(const PageDispatch::Row &row)
{
    using PageDispatch::Shown;
    m_panel->setFrameStyle(QFrame::NoFrame);
    ChannelGroup *shown = row.shown == Shown::Outputs       ? m_outputs
                          : row.shown == Shown::SVideoVideo ? m_sVideoVideo
                                                            : nullptr;
    m_outputs->setVisible(shown == m_outputs);
    m_sVideoVideo->setVisible(shown == m_sVideoVideo);
    // The panel covers the left of the block diagram exactly as far as its group.
    ShowCovered(m_panel, shown);
    if (shown) {
        shown->ShowChannels(row.channels);
        shown->move(LeftEdge, Top);
        m_panel->resize(shown->geometry().right() + PanelMargin, m_panel->height());
    }
    CardPage::LayOut(row);
}
