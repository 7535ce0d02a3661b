#include "command/TerminalGroup.h"

#include "app/Desktop.h"
#include "command/TerminalView.h"
#include "command/WaitIndicator.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

TerminalGroup::TerminalGroup(Desktop &desktop, QWidget *parent)
    : QGroupBox(QStringLiteral("Terminal"), parent),
      m_desktop(desktop),
      m_terminal(new TerminalView(this)),
      m_indicator(new WaitIndicator(this)),
      m_clearButton(new QPushButton(QStringLiteral("C"), this)),
      m_fullSize(new QCheckBox(this))
{
    setObjectName(QStringLiteral("grpTerminal"));
    setToolTip(QStringLiteral("Blue - Feedback, Red - Program Code, Black - Terminal"));

    m_clearButton->setObjectName(QStringLiteral("Button146"));
    m_clearButton->setToolTip(QStringLiteral("Clear Terminal"));
    m_clearButton->setFixedSize(WaitIndicator::Side, WaitIndicator::Side);
    m_fullSize->setObjectName(QStringLiteral("CheckBox121"));
    m_fullSize->setToolTip(QStringLiteral("Full Screen"));

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->setSpacing(3);
    layout->addWidget(m_indicator, 0, 0, Qt::AlignHCenter);
    layout->addWidget(m_clearButton, 1, 0, Qt::AlignHCenter);
    layout->addWidget(m_fullSize, 2, 0, Qt::AlignHCenter);
    layout->setRowStretch(3, 1);
    layout->addWidget(m_terminal, 0, 1, 4, 1);
    layout->setColumnStretch(1, 1);

    connect(m_clearButton, &QPushButton::clicked, this, &TerminalGroup::Button146Click);
    connect(m_fullSize, &QCheckBox::clicked, this, &TerminalGroup::CheckBox121Click);
}

void TerminalGroup::ClearTerminal()
{
    m_terminal->clear();
}

void TerminalGroup::Button146Click()
{
    if (m_desktop.AskYesNo(ClearQuestion))
        ClearTerminal();
}

void TerminalGroup::CheckBox121Click()
{
    const bool full = m_fullSize->isChecked();
    const QRect place = full ? FullGeometry : NormalGeometry;
    setGeometry(x(), place.y(), place.width(), place.height());
    for (QWidget *region : std::as_const(m_covered))
        region->setVisible(!full);
    raise();
    m_terminal->update();
}
