#include "app/FormRegions.h"

#include "document/CardCatalog.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRect>
#include <QVBoxLayout>

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
    cmboItems->view()->setMinimumWidth(480);

    cmboEnclosure = named(new QComboBox(client), "cmboEnclosure", QRect(287, 71, 128, 23));
    for (const char *item : EnclosureItems)
        cmboEnclosure->addItem(QLatin1String(item));

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
