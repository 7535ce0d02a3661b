#include "pages/ChannelGroup.h"

#include "command/ControlTags.h"
#include "command/GenericHandlers.h"

#include <QCheckBox>
#include <QRadioButton>

namespace {

constexpr int Left = 10;
constexpr int FirstRow = 20;
constexpr int AllGap = 6;

} // namespace

ChannelGroup::ChannelGroup(const Layout &shape, QWidget *parent)
    : QGroupBox(QString::fromLatin1(shape.caption), parent)
{
    setObjectName(QString::fromLatin1(shape.name));
    const int controlWidth = shape.width - 2 * Left + 4;
    int row = 0;
    for (const Run &run : shape.runs) {
        for (int i = 1; i <= run.count; ++i, ++row) {
            QAbstractButton *control = nullptr;
            const QString caption = QString::fromLatin1(run.captionPattern).arg(i);
            if (shape.kind == Kind::Check)
                control = new QCheckBox(caption, this);
            else
                control = new QRadioButton(caption, this);
            control->setObjectName(QString::fromLatin1(run.namePattern).arg(i));
            SetControlTag(control, run.firstTag + i - 1);
            control->setGeometry(Left, FirstRow + row * RowHeight, controlWidth, RowHeight);
            m_channels.append({control, i});
        }
    }
    int height = FirstRow + row * RowHeight + 8;
    if (shape.allBox) {
        const int allTop = FirstRow + row * RowHeight + AllGap;
        m_all = new QCheckBox(QStringLiteral("All ON/OFF"), this);
        m_all->setObjectName(QStringLiteral("chk%1All").arg(objectName()));
        SetControlTag(m_all, 100);
        m_all->setToolTip(QString::fromLatin1(shape.allHint));
        m_all->setGeometry(Left, allTop, controlWidth, RowHeight);
        height = allTop + RowHeight + 8;
    }
    resize(shape.width, height);
}

void ChannelGroup::ShowChannels(int count)
{
    for (const Channel &channel : m_channels)
        channel.control->setVisible(channel.index <= count);
}

int ChannelGroup::CheckedChannel() const
{
    for (const Channel &channel : m_channels)
        if (channel.control->isChecked())
            return channel.index;
    return 0;
}

void ChannelGroup::BindTo(GenericHandlers &handlers)
{
    for (const Channel &channel : m_channels)
        handlers.Bind(channel.control);
    if (m_all)
        handlers.Bind(m_all);
}
