#include "pages/MatSWCard1.h"

#include "command/ControlTags.h"
#include "command/GenericHandlers.h"
#include "pages/MatrixGain.h"
#include "pages/PageServices.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <iterator>

namespace {

constexpr int Channels = 16;
constexpr int Rows = 8;

// Crosspoint buttons: IN 9 ... IN 16 in the first column, IN 1 ... IN 8 in
// the second, OUT 1 ... OUT 8 in the third, OUT 9 ... OUT 16 in the fourth.
constexpr QRect CrosspointGroup{5, 4, 236, 262};
constexpr int FirstRowTop = 20;
constexpr int RowPitch = 26;
constexpr QSize InSize{50, 24};
constexpr QSize OutSize{54, 24};
constexpr int InColumns[2] = {8, 60};
constexpr int OutColumns[2] = {118, 174};
constexpr int FooterTop = FirstRowTop + Rows * RowPitch + 6;

const char *const OutCaptions[Channels] = {
    "OUT 1", "OUT 2", "OUT3",  "OUT4",  "OUT5",  "OUT6",  "OUT7",  "OUT8",
    "OUT 9", "OUT10", "OUT11", "OUT12", "OUT13", "OUT14", "OUT15", "OUT16",
};

// "In to all Out": options 1 ... 8 in the first column, 9 ... 16 in the second;
// the size groups share the place below it.
constexpr int SideLeft = CrosspointGroup.right() + 4;
constexpr int SideWidth = 97;
constexpr int OptionPitch = 19;
constexpr QRect OneToAllGroup{SideLeft, 4, SideWidth, FirstRowTop + Rows * OptionPitch + 4};
constexpr int SizeGroupTop = OneToAllGroup.bottom() + 7;

struct SizeOption {
    const char *name;
    const char *caption;
    const char *hint;
    int number; // MatrixSize number
    int inputs;
    int outputs;
};

struct SizeGroupShape {
    const char *name;
    SizeOption options[3];
};

const SizeGroupShape SizeGroups[] = {
    {"MatrixControl3",
     {{"optSize16x16", "16 x 16", "16x16 1 Channel", 5, 16, 16},
      {"optSize8x8", "8 x 8 ", "8x8 2 Channels", 3, 8, 8},
      {"optSize4x4", "4 x 4 ", "4x4 4 Channels", 4, 4, 4}}},
    {"MatrixControl4",
     {{"optSize16x8", "16 x 8", "16x8 1 Channel", 1, 16, 8},
      {"optSize8x4", "8 x 4 ", "8x4 2 Channels", 2, 8, 4},
      {"optSize4x2", "4 x 2 ", "4x2 4 Channels", 6, 4, 2}}},
    {"MatrixControl5",
     {{"optSize8x16", "8 x 16", "8x16 1 Channel", 7, 8, 16},
      {"optSize4x8", "4 x 8", "4x8 2 Channels", 8, 4, 8},
      {"optSize2x4", "2 x 4", "2x4 4 Channels", 9, 2, 4}}},
};

const char *const SizeTemplates[] = {
    "[MAT16X8C%c%]", "[MAT8X4C%c%]",   "[MAT8X8C%c%]", "[MAT4X4C%c%]",  "[MAT16X16C%c%]",
    "[MAT4X2C%c%]",  "[MAT8X16C%c%]",  "[MAT4X8C%c%]", "[MAT2X4C%c%]",
};

QPushButton *NumberedButton(const QString &caption, const QString &name, int tag, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    SetControlTag(button, tag);
    return button;
}

} // namespace

MatSWCard1::MatSWCard1(const QComboBox *models, const PageServices &services, QWidget *parent)
    : CardPage({PageDispatch::Page::MatSWCard1, "BackPanelMAT1", "BlockDiagramMAT1", 50,
                "MatrixBlockDiagram"},
               models, parent),
      m_sender(services.target, services.desktop)
{
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("MatrixShowPannel"));
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel->setGeometry(0, 0, InputControlPlace.right() + 5, 289);

    auto *crosspoints = new QGroupBox(QStringLiteral("Matrix Control"), m_panel);
    crosspoints->setObjectName(QStringLiteral("MatrixControl1"));
    crosspoints->setGeometry(CrosspointGroup);
    BuildCrosspoints(crosspoints, services.handlers);
    BuildOneToAll();
    BuildSizeGroups();
    m_gain = new MatrixGain(m_sender, m_panel);
    m_gain->move(InputControlPlace.topLeft());
    m_gain->hide();
    SetDiagramCovers({m_panel});
}

void MatSWCard1::BuildCrosspoints(QGroupBox *group, GenericHandlers &handlers)
{
    for (int n = 1; n <= Channels; ++n) {
        const int row = (n - 1) % Rows;
        const int top = FirstRowTop + row * RowPitch;
        QPushButton *in = NumberedButton(QStringLiteral("IN %1").arg(n),
                                         QStringLiteral("btnMatrixIn%1").arg(n), n, group);
        in->setGeometry(QRect(QPoint(InColumns[n <= Rows ? 1 : 0], top), InSize));
        QPushButton *out = NumberedButton(QString::fromLatin1(OutCaptions[n - 1]),
                                          QStringLiteral("btnMatrixOut%1").arg(n), 1000 + n, group);
        out->setGeometry(QRect(QPoint(OutColumns[n <= Rows ? 0 : 1], top), OutSize));
        handlers.Bind(in);
        handlers.Bind(out);
        m_inputs.append(in);
        m_outputs.append(out);
    }
    auto *card = new QCheckBox(QStringLiteral("Card ON/OFF"), group);
    card->setObjectName(QStringLiteral("chkMatrixCard"));
    SetControlTag(card, 100);
    card->setGeometry(InColumns[0], FooterTop + 1, 104, 22);
    handlers.Bind(card);

    auto *switchButton = new QPushButton(QStringLiteral("Switch"), group);
    switchButton->setObjectName(QStringLiteral("MatrixSwitch1"));
    switchButton->setGeometry(QRect(QPoint(OutColumns[1], FooterTop), OutSize));
    connect(switchButton, &QPushButton::clicked, this, &MatSWCard1::SwitchClick);
}

void MatSWCard1::BuildOneToAll()
{
    auto *group = new QGroupBox(QStringLiteral("In to all Out"), m_panel);
    group->setObjectName(QStringLiteral("MatrixControl2"));
    group->setGeometry(OneToAllGroup);
    for (int n = 1; n <= Channels; ++n) {
        auto *option = new QRadioButton(QString::number(n), group);
        option->setObjectName(QStringLiteral("optInToAll%1").arg(n));
        option->setGeometry(n <= Rows ? 8 : 52, FirstRowTop + (n - 1) % Rows * OptionPitch, 40,
                            OptionPitch);
        connect(option, &QRadioButton::clicked, this, [this, n] { OneToAll(n); });
        m_oneToAll.append(option);
    }
}

void MatSWCard1::BuildSizeGroups()
{
    for (const SizeGroupShape &shape : SizeGroups) {
        SizeGroup size{new QGroupBox(QStringLiteral("Matrix Size"), m_panel), {}};
        size.group->setObjectName(QString::fromLatin1(shape.name));
        size.group->setGeometry(SideLeft, SizeGroupTop, SideWidth, FirstRowTop + 3 * OptionPitch + 6);
        for (const SizeOption &entry : shape.options) {
            auto *option = new QRadioButton(QString::fromLatin1(entry.caption), size.group);
            option->setObjectName(QString::fromLatin1(entry.name));
            option->setToolTip(QString::fromLatin1(entry.hint));
            const int number = entry.number;
            connect(option, &QRadioButton::clicked, this, [this, number] { MatrixSize(number); });
            size.options.append(option);
        }
        size.options.first()->setChecked(true);
        size.group->hide();
        m_sizeGroups.append(size);
    }
}

void MatSWCard1::LayOut(const PageDispatch::Row &row)
{
    m_panel->setFrameStyle(QFrame::NoFrame);
    for (int n = 1; n <= Channels; ++n) {
        m_inputs[n - 1]->setVisible(n <= row.channels);
        m_outputs[n - 1]->setVisible(n <= row.outputs);
        // One option per output, and never fewer than one column.
        m_oneToAll[n - 1]->setVisible(n <= qMax(row.outputs, Rows));
    }
    ShowSizeGroup(row);
    m_gain->ShowInputs(qMax(row.outputs, Rows));
    m_gain->setVisible(row.inputControl);
    ShowCovered(m_panel, true);
    CardPage::LayOut(row);
}

void MatSWCard1::ShowSizeGroup(const PageDispatch::Row &row)
{
    // A group holding the layout's own size offers that size and the
    // smaller splits after it.
    for (int g = 0; g < m_sizeGroups.size(); ++g) {
        const SizeOption *options = SizeGroups[g].options;
        int first = 0;
        while (first < 3 && !(options[first].inputs == row.channels &&
                              options[first].outputs == row.outputs))
            ++first;
        const bool shown = row.sizeGroup && first < 3;
        const SizeGroup &size = m_sizeGroups[g];
        size.group->setVisible(shown);
        if (!shown)
            continue;
        int top = FirstRowTop;
        for (int i = 0; i < 3; ++i) {
            size.options[i]->setVisible(i >= first);
            if (i >= first) {
                size.options[i]->setGeometry(8, top, SideWidth - 12, OptionPitch);
                top += OptionPitch;
            }
        }
        size.group->resize(SideWidth, top + 6);
    }
}

QString MatSWCard1::MatrixSizeTemplate(int number)
{
    if (number < 1 || number > static_cast<int>(std::size(SizeTemplates)))
        return {};
    return QString::fromLatin1(SizeTemplates[number - 1]);
}

void MatSWCard1::SwitchClick()
{
    Send(QStringLiteral("[SWC%c%]"));
}

void MatSWCard1::OneToAll(int input)
{
    Send(QStringLiteral("[I%vO*C%c%]"), QString::number(input));
}

void MatSWCard1::MatrixSize(int number)
{
    const QString commandTemplate = MatrixSizeTemplate(number);
    if (!commandTemplate.isEmpty())
        Send(commandTemplate);
}

void MatSWCard1::Send(const QString &commandTemplate, const QString &value)
{
    m_sender.SendCommand(commandTemplate, QString(), value);
}
