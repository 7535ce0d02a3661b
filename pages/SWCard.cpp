#include "pages/SWCard.h"

#include "pages/ChannelGroup.h"

namespace {

using Kind = ChannelGroup::Kind;

const ChannelGroup::Layout Inputs = {
    "SWOnOff1", "Input Select", Kind::Option, {{"optSWInput%1", "Input %1", 1, 8}}, true};
const ChannelGroup::Layout VideoInputs = {
    "SWOnOff2", "Video Select", Kind::Option, {{"optSWVideo%1", "Input %1", 2001, 3}}, true};
const ChannelGroup::Layout SVideoInputs = {
    "SWOnOff3", "S-Video Select", Kind::Option, {{"optSWSVideo%1", "Input %1", 1001, 3}}, true};
const ChannelGroup::Layout GainInputs = {
    "SWOnOff4", "Input Select", Kind::Option, {{"optSWGain%1", "Input %1", 3001, 4}}, false};

constexpr int LeftEdge = 9;
constexpr int Top = 8;
constexpr int Gap = 6;

} // namespace

SWCard::SWCard(const QComboBox *models, GenericHandlers &handlers, QWidget *parent)
    : CardPage({PageDispatch::Page::SWCard, "BackPanelSW", "BlockDiagramSW", 136}, models, parent)
{
    m_inputs = new ChannelGroup(Inputs, this);
    m_video = new ChannelGroup(VideoInputs, this);
    m_sVideo = new ChannelGroup(SVideoInputs, this);
    m_gain = new ChannelGroup(GainInputs, this);
    m_inputs->move(LeftEdge, Top);
    m_video->move(m_inputs->geometry().right() + Gap, Top);
    m_sVideo->move(m_video->geometry().right() + Gap, Top);
    m_gain->move(LeftEdge, Top);
    m_gain->hide();
    for (ChannelGroup *group : {m_inputs, m_video, m_sVideo, m_gain})
        group->BindTo(handlers);
}

void SWCard::LayOut(const PageDispatch::Row &row)
{
    using PageDispatch::Shown;
    const bool videoSVideo = row.shown == Shown::VideoSVideo;
    m_inputs->setVisible(row.shown == Shown::Inputs);
    m_video->setVisible(videoSVideo);
    m_sVideo->setVisible(videoSVideo);
    m_gain->setVisible(row.shown == Shown::InputGain);
    if (row.shown == Shown::Inputs)
        m_inputs->ShowChannels(row.channels);
    if (videoSVideo) {
        m_video->move(LeftEdge, Top);
        m_sVideo->move(LeftEdge, m_video->geometry().bottom() + Gap);
    }
    if (row.shown == Shown::InputGain) {
        m_gain->ShowChannels(row.channels);
        m_gain->move(LeftEdge, Top);
    }
    CardPage::LayOut(row);
}
