#include "command/TerminalPanel.h"

#include "app/Desktop.h"
#include "command/TerminalView.h"
#include "command/WaitIndicator.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

TerminalPanel::TerminalPanel(Desktop &desktop, QGroupBox *region)
    : QWidget(region),
      m_desktop(desktop),
      m_region(region),
      m_terminal(new TerminalView(this)),
      m_indicator(new WaitIndicator(this)),
      m_clearButton(new QPushButton(QStringLiteral("C"), this)),
      m_fullSize(new QCheckBox(this))
{
    setObjectName(QStringLiteral("TerminalPanel"));
    region->setAutoFillBackground(true);  // opaque over the regions it covers when enlarged
    region->setToolTip(QStringLiteral("Blue - Feedback, Red - Program Code, Black - Terminal"));
    auto *regionLayout = new QGridLayout(region);
    regionLayout->setContentsMargins(4, 2, 4, 4);
    regionLayout->addWidget(this);

    m_clearButton->setObjectName(QStringLiteral("Button146"));
    m_clearButton->setToolTip(QStringLiteral("Clear Terminal"));
    m_clearButton->setFixedSize(WaitIndicator::Side, WaitIndicator::Side);
    m_fullSize->setObjectName(QStringLiteral("CheckBox121"));
    m_fullSize->setToolTip(QStringLiteral("Full Screen"));

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(m_indicator, 0, 0, Qt::AlignHCenter);
    layout->addWidget(m_clearButton, 1, 0, Qt::AlignHCenter);
    layout->addWidget(m_fullSize, 2, 0, Qt::AlignHCenter);
    layout->setRowStretch(3, 1);
    layout->addWidget(m_terminal, 0, 1, 4, 1);
    layout->setColumnStretch(1, 1);

    m_terminal->installEventFilter(this);
    auto *toTerminal = new QShortcut(TerminalKey, this);
    connect(toTerminal, &QShortcut::activated, m_terminal,
            [this] { m_terminal->setFocus(Qt::ShortcutFocusReason); });

    connect(m_clearButton, &QPushButton::clicked, this, &TerminalPanel::Button146Click);
    connect(m_fullSize, &QCheckBox::clicked, this, &TerminalPanel::CheckBox121Click);
}

void TerminalPanel::ClearTerminal()
{
    m_terminal->clear();
}

bool TerminalPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_terminal || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (!(key->modifiers() & Qt::ControlModifier)
        || (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab))
        return false;
    // The clear button follows the terminal in the window's order; going
    // back, the walk goes on from there.
    m_clearButton->setFocus(Qt::TabFocusReason);
    if (key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier))
        focusNextPrevChild(false);
    return true;
}

void TerminalPanel::Button146Click()
{
    if (m_desktop.AskYesNo(ClearQuestion))
        ClearTerminal();
}

void TerminalPanel::CheckBox121Click()
{
    const bool full = m_fullSize->isChecked();
    const QRect place = full ? FullGeometry : NormalGeometry;
    m_region->setGeometry(m_region->x(), place.y(), place.width(), place.height());
    for (QWidget *region : std::as_const(m_covered))
        region->setVisible(!full);
    m_region->raise();
    m_terminal->update();
    // The newest text stays in view when the box shrinks again.
    QMetaObject::invokeMethod(m_terminal, &TerminalView::ensureCursorVisible, Qt::QueuedConnection);
}
