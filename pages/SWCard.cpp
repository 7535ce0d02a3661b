#include "pages/SWCard.h"

#include "pages/ChannelGroup.h"
#include "pages/LevelRow.h"
#include "pages/PageServices.h"

#include <QLineEdit>
#include <QPushButton>

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

const LevelRow::Shape Gain = {.slider = "GainControl2",
                             .range = {1, 16, 1},
                             .box = "GainControlText2",
                             .orientation = Qt::Vertical};

const struct {
    const char *name;
    const char *caption;
    int direction;
} GainSteps[] = {{"btnGainUp", "+", 1}, {"btnGainDown", "-", -1}};

constexpr int LeftEdge = 9;
constexpr int Top = 8;
constexpr int Gap = 6;

} // namespace

SWCard::SWCard(const QComboBox *models, const PageServices &services, QWidget *parent)
    : CardPage({PageDispatch::Page::SWCard, "BackPanelSW", "BlockDiagramSW", 136}, models, parent),
      m_sender(services.target, services.desktop)
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
        group->BindTo(services.handlers);

    // Below the four inputs: "+" and "-" beside the slider, the number box under it.
    const int gainTop = m_gain->height();
    for (int i = 0; i < int(std::size(GainSteps)); ++i) {
        auto *button = new QPushButton(QString::fromLatin1(GainSteps[i].caption), m_gain);
        button->setObjectName(QString::fromLatin1(GainSteps[i].name));
        button->setGeometry(12, gainTop + i * 30, 30, 24);
        connect(button, &QPushButton::clicked, this,
                [this, direction = GainSteps[i].direction] { GainStepClick(direction); });
    }
    auto *level = new LevelRow(Gain, m_sender, m_gain);
    level->SetTemplateSource([this] {
        const int input = m_gain->CheckedChannel();
        return input ? QStringLiteral("[VOL%1A%vC%c%]").arg(input) : QString();
    });
    level->Slider()->setGeometry(62, gainTop - 4, 22, 120);
    level->Box()->setGeometry(56, gainTop + 122, 34, 22);
    m_gain->resize(m_gain->width(), gainTop + 154);
}

void SWCard::GainStepClick(int direction)
{
    m_sender.SendCommand(direction > 0 ? QStringLiteral("[+]") : QStringLiteral("[-]"), QString(),
                         QString());
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
