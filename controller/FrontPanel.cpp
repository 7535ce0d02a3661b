#include "controller/FrontPanel.h"

#include "app/Desktop.h"
#include "app/MainMenus.h"
#include "command/CommandTarget.h"
#include "command/ControlTags.h"
#include "command/ErrorReport.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>

#include <span>
#include <utility>

namespace {

constexpr QRect PanelRect{6, 20, 651, 318};
constexpr QRect SeparatorRect{8, 228, 635, 3};
constexpr QRect ProgressRect{7, 289, 258, 22};
constexpr int KeyHeight = 41;
constexpr int NarrowKeys = 12; // keys 1..12 are narrow
constexpr int NarrowKeyWidth = 25;
constexpr int WideKeyWidth = 31;

// `count` keys from `first` on, filled into rows of `columns` from `origin`,
// `dx` and `dy` apart.
struct KeyBlock
{
    int first;
    int count;
    int columns;
    QPoint origin;
    int dx;
    int dy;
};

// The two side blocks, the top row of sixteen (keys 20 and 21 touch) and the
// second row of eight.
constexpr KeyBlock WidePanel[] = {
    {1, 6, 2, {8, 24}, 28, 44},   {7, 6, 2, {592, 24}, 28, 44}, {13, 8, 8, {64, 24}, 33, 0},
    {21, 8, 8, {326, 24}, 33, 0}, {29, 8, 8, {64, 68}, 33, 0},
};
// A 3 x 3 keypad at the right and the two rows of eight; the rest is hidden.
constexpr KeyBlock CompactPanel[] = {
    {1, 9, 3, {392, 24}, 28, 44}, {13, 8, 8, {64, 24}, 33, 0}, {29, 8, 8, {64, 68}, 33, 0},
};

bool IsWidePanel(int firstOutside)
{
    return firstOutside == 21 || firstOutside == 20 || firstOutside == 9;
}

const QString FrontCaption = QStringLiteral("Front Control");
const QString CardCaption = QStringLiteral("Card Control");

} // namespace

FrontPanel::FrontPanel(CommandTarget &target, Desktop &desktop, const CardView &cardView)
    : QWidget(cardView.grpControls),
      m_target(target),
      m_desktop(desktop),
      m_cardView(cardView),
      m_progress(new QProgressBar(this))
{
    setObjectName(QStringLiteral("QLControl"));
    setGeometry(PanelRect);
    hide();

    for (int number = 1; number <= KeyCount; ++number) {
        auto *key = new QPushButton(QString::number(number), this);
        key->setObjectName(QStringLiteral("Key%1").arg(number));
        SetControlTag(key, number);
        key->resize(number <= NarrowKeys ? NarrowKeyWidth : WideKeyWidth, KeyHeight);
        key->setCursor(Qt::PointingHandCursor);
        key->installEventFilter(this);
        connect(key, &QPushButton::clicked, this, [this, key] {
            ReportErrors(m_desktop, [&] { FrontKeyPress(key); });
        });
        m_keys[number - 1] = key;
    }

    auto *separator = new QFrame(this);
    separator->setObjectName(QStringLiteral("KeySeparator"));
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(SeparatorRect);

    m_progress->setObjectName(QStringLiteral("Progress"));
    m_progress->setGeometry(ProgressRect);
    m_progress->setTextVisible(false);
    m_progress->hide();

    ArrangeFrontKeys(21);
    connect(cardView.viewFront, &QCheckBox::toggled, this, &FrontPanel::CheckBox120Click);
}

void FrontPanel::ConnectMenus(const MainMenus &menus)
{
    QMenu *keyMenu = menus.Popup(QStringLiteral("KeyMenu"));
    menus.Attach(this, keyMenu);
    for (QPushButton *key : m_keys)
        menus.Attach(key, keyMenu);

    const struct {
        const char *handler;
        void (FrontPanel::*run)();
    } handlers[] = {
        {"ReadKeyAssignmentClick", &FrontPanel::ReadKeyAssignmentClick},
        {"ClearKeyClick", &FrontPanel::ClearKeyClick},
        {"ReadAllKeyAssignmentsClick", &FrontPanel::ReadAllKeyAssignmentsClick},
        {"ReadAllSubroutinesClick", &FrontPanel::ReadAllSubroutinesClick},
    };
    for (const auto &row : handlers)
        for (QAction *entry : menus.EntriesRunning(QLatin1String(row.handler)))
            connect(entry, &QAction::triggered, this,
                    [this, run = row.run] { ReportErrors(m_desktop, [&] { (this->*run)(); }); });
}

void FrontPanel::ArrangeFrontKeys(int firstOutside)
{
    const std::span<const KeyBlock> blocks =
        IsWidePanel(firstOutside) ? std::span<const KeyBlock>(WidePanel) : CompactPanel;
    std::array<bool, KeyCount> placed{};
    for (const KeyBlock &block : blocks)
        for (int i = 0; i < block.count; ++i) {
            Key(block.first + i)->move(block.origin + QPoint(i % block.columns * block.dx,
                                                             i / block.columns * block.dy));
            placed[block.first + i - 1] = true;
        }
    for (int number = 1; number <= KeyCount; ++number)
        Key(number)->setVisible(placed[number - 1]);
}

void FrontPanel::CheckBox120Click()
{
    const bool front = m_cardView.viewFront->isChecked();
    // Clearing "View Layout" also hides the enclosure picture.
    if (front && m_cardView.viewLayout->isChecked())
        m_cardView.viewLayout->click();
    setVisible(front);
    if (front)
        raise();
    m_cardView.grpControls->setTitle(front ? FrontCaption : CardCaption);
    m_cardView.cardControl->setVisible(!front);
    m_cardView.controlView->setVisible(!front);
}

void FrontPanel::FrontKeyPress(QAbstractButton *sender)
{
    if (qobject_cast<QPushButton *>(sender))
        m_target.SendCommand(QStringLiteral("{KEY%v}"), QString(),
                             QString::number(ControlTag(sender)));
}

void FrontPanel::MarkKeyMouseDown(QAbstractButton *sender, Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        m_markedKey = ControlTag(sender);
}

bool FrontPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        MarkKeyMouseDown(static_cast<QAbstractButton *>(watched),
                         static_cast<QMouseEvent *>(event)->button());
    return QWidget::eventFilter(watched, event);
}

void FrontPanel::ReadKeyAssignmentClick()
{
    const int key = std::exchange(m_markedKey, 0);
    m_target.SendCommand(QStringLiteral("{RDK%v}"), QString(), QString::number(key));
}

void FrontPanel::ClearKeyClick()
{
    const int key = std::exchange(m_markedKey, 0);
    if (m_desktop.AskYesNo(ClearKeyQuestion))
        m_target.SendCommand(QStringLiteral("{CLRK%v}"), QString(), QString::number(key));
}

void FrontPanel::ReadAllKeyAssignmentsClick()
{
    m_target.SendCommand(QStringLiteral("{RDK*}"), QString(), QString());
}

void FrontPanel::ReadAllSubroutinesClick()
{
    m_target.SendCommand(QStringLiteral("{RDS*}"), QString(), QString());
}
