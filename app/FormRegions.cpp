#include "app/FormRegions.h"

#include "document/CardCatalog.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRect>
#include <QScrollBar>
#include <QVBoxLayout>

#include <array>

namespace {

struct BoxRow
{
    QGroupBox *FormRegions::*member;
    const char *name;
    const char *caption;
    QRect place;
};

const BoxRow BoxTable[] = {
    {&FormRegions::grpCards, "grpCards", "Slots", QRect(1, 0, 606, 68)},
    {&FormRegions::grpGroups, "grpGroups", "Groups", QRect(610, 0, 181, 95)},
    {&FormRegions::grpControls, "grpControls", "Card Control", QRect(1, 97, 663, 343)},
    {&FormRegions::GroupBox64, "GroupBox64", "Control", QRect(667, 290, 124, 150)},
    {&FormRegions::grpTerminal, "grpTerminal", "Terminal",
     QRect(FormRegions::TerminalLeft, FormRegions::TerminalTop, FormRegions::TerminalWidth,
           FormRegions::TerminalHeight)},
    {&FormRegions::grpProgram, "grpProgram", "Program Code",
     QRect(FormRegions::ProgramLeft, FormRegions::ProgramTop, FormRegions::ProgramWidth,
           FormRegions::ProgramHeight)},
};

const char *const EnclosureItems[] = {"20 Slots Enclosure", "19 Slots Enclosure",
                                      "8  Slots Enclosure", "4  Slots Enclosure"};

// Lets a widget that changes the design take the mouse wheel only while it
// has the keyboard focus, so that scrolling over it changes nothing.
class WheelNeedsFocus : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return event->type() == QEvent::Wheel && !static_cast<QWidget *>(watched)->hasFocus();
    }
};

// In a text box Tab is typed; Ctrl+Tab and Ctrl+Shift+Tab move the focus
// on, as Tab and Shift+Tab do elsewhere.
class CtrlTabMovesOn : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!(key->modifiers() & Qt::ControlModifier)
            || (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab))
            return false;
        QKeyEvent plain(QEvent::KeyPress, key->key(), key->modifiers() & Qt::ShiftModifier);
        QCoreApplication::sendEvent(static_cast<QWidget *>(watched)->parentWidget(), &plain);
        return true;
    }
};

template <typename W>
W *named(W *widget, const char *name, const QRect &place)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(place);
    return widget;
}

} // namespace

FormRegions::FormRegions(QWidget *client)
{
    for (const BoxRow &row : BoxTable)
        this->*row.member = named(new QGroupBox(QLatin1String(row.caption), client), row.name,
                                  row.place);

    cmboItems = named(new QComboBox(client), "cmboItems", QRect(1, 71, 282, 23));
    cmboItems->addItems(CardCatalog::Lines());
    // The open list shows whole catalog lines.
    QAbstractItemView *list = cmboItems->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width()
                          + 2 * list->frameWidth());

    cmboEnclosure = named(new QComboBox(client), "cmboEnclosure", QRect(287, 71, 128, 23));
    for (const char *item : EnclosureItems)
        cmboEnclosure->addItem(QLatin1String(item));

    auto *wheelNeedsFocus = new WheelNeedsFocus(client);
    for (QComboBox *changesDesign : {cmboItems, cmboEnclosure}) {
        changesDesign->setFocusPolicy(Qt::StrongFocus);
        changesDesign->installEventFilter(wheelNeedsFocus);
    }

    CheckBox28 = named(new QCheckBox(QStringLiteral("View Layout"), client), "CheckBox28",
                       QRect(421, 71, 92, 23));
    CheckBox120 = named(new QCheckBox(QStringLiteral("View Front"), client), "CheckBox120",
                        QRect(515, 71, 90, 23));

    Panel1 = named(new QFrame(client), "Panel1", QRect(667, 102, 124, 184));
    Panel1->setFrameShape(QFrame::StyledPanel);

    mmoProgram = new QPlainTextEdit(grpProgram);
    mmoProgram->setObjectName(QStringLiteral("mmoProgram"));
    mmoProgram->setToolTip(QStringLiteral("Program designer"));
    mmoProgram->setLineWrapMode(QPlainTextEdit::NoWrap);
    CheckBox122 = new QCheckBox(grpProgram);
    CheckBox122->setObjectName(QStringLiteral("CheckBox122"));
    CheckBox122->setToolTip(QStringLiteral("Full Screen"));
    auto *programLayout = new QGridLayout(grpProgram);
    programLayout->setContentsMargins(4, 2, 4, 4);
    programLayout->setSpacing(2);
    programLayout->addWidget(mmoProgram, 0, 0, 2, 1);
    programLayout->addWidget(CheckBox122, 1, 1, Qt::AlignBottom);

    grpBaud = named(new QGroupBox(QStringLiteral("Baud"), client), "grpBaud",
                    QRect(667, 290, 124, 150));
    grpBaud->hide();
    BaudItems = new QButtonGroup(grpBaud);
    auto *baudLayout = new QVBoxLayout(grpBaud);
    for (const int rate : BaudRates) {
        auto *item = new QRadioButton(QString::number(rate), grpBaud);
        BaudItems->addButton(item, rate);
        baudLayout->addWidget(item);
    }
}

void FormRegions::ChainTabOrder() const
{
    const QWidget *const visualOrder[] = {grpCards,    cmboItems, cmboEnclosure, CheckBox28,
                                          CheckBox120, grpControls, grpGroups,   Panel1,
                                          GroupBox64,  grpTerminal, grpProgram};
    // Each region's focusable controls, in the order of the chain as it is.
    std::array<QList<QWidget *>, std::size(visualOrder)> members;
    QWidget *window = grpCards->window();
    for (QWidget *widget = window->nextInFocusChain(); widget != window;
         widget = widget->nextInFocusChain()) {
        if (!(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy())
            continue;
        for (std::size_t i = 0; i < std::size(visualOrder); ++i)
            if (widget == visualOrder[i] || visualOrder[i]->isAncestorOf(widget)) {
                members[i].append(widget);
                break;
            }
    }
    QWidget *previous = nullptr;
    auto *ctrlTab = new CtrlTabMovesOn(window);
    for (const QList<QWidget *> &region : members)
        for (QWidget *widget : region) {
            if (previous)
                QWidget::setTabOrder(previous, widget);
            else
                widget->setFocus();  // where the keyboard starts when the window opens
            if (qobject_cast<QPlainTextEdit *>(widget))
                widget->installEventFilter(ctrlTab);
            previous = widget;
        }
}
