#include "pages/MatSWCard2.h"

#include "command/CommandTarget.h"
#include "command/ControlTags.h"
#include "command/ErrorReport.h"
#include "command/GenericHandlers.h"
#include "document/Artwork.h"
#include "pages/JumperMarkers.h"
#include "pages/PageServices.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int PortCount = 6;

// "Matrix Control": per port an input button, an output button and the
// output's ON/OFF box; "Card ON/OFF" and "Switch" below them.
constexpr QRect ControlGroup{5, 4, 240, 256};
constexpr int FirstRowTop = 22;
constexpr int RowPitch = 32;
constexpr QSize ButtonSize{68, 26};
constexpr int InputLeft = 10;
constexpr int OutputLeft = 84;
constexpr int BoxLeft = 162;
constexpr int FooterTop = FirstRowTop + PortCount * RowPitch + 6;

constexpr QRect SplitGroup{252, 4, JumperMarkers::BoardWidth, 132};
constexpr int SplitPitch = 21;
constexpr QRect BoardPlace{252, 150, JumperMarkers::BoardWidth, JumperMarkers::BoardHeight};

const char *const Boards[] = {"ConfigMat1", "ConfigMat2", "ConfigMat3"};

QPixmap ArtPixmap(const char *name)
{
    return QPixmap::fromImage(Artwork::Picture(QString::fromLatin1(name)));
}

// Ports 1 ... count of one side; a three-port side of a card whose third port
// is numbered 4 skips port 3.
QList<int> Side(int count, bool thirdPortIsFour)
{
    QList<int> ports;
    for (int port = 1; port <= count; ++port)
        ports.append(port);
    if (count == 3 && thirdPortIsFour)
        ports.last() = 4;
    return ports;
}

} // namespace

MatSWCard2::MatSWCard2(const QComboBox *models, const PageServices &services, QWidget *parent)
    : CardPage({PageDispatch::Page::MatSWCard2, "BackPanelConfigMAT", "BlockDiagramConfigMAT", 50,
                "MatrixBlcokDiagConfig"},
               models, parent),
      m_target(services.target), m_desktop(services.desktop)
{
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("AdjustableMatrix"));
    m_panel->setGeometry(0, 0, BoardPlace.right() + 5, 289);
    BuildControls(services.handlers);
    BuildSplitOptions();
    BuildBoards();
    ChooseSplit(0);
    SetDiagramCovers({m_panel});
}

void MatSWCard2::BuildControls(GenericHandlers &handlers)
{
    auto *group = new QGroupBox(QStringLiteral("Matrix Control"), m_panel);
    group->setObjectName(QStringLiteral("GroupBox7"));
    group->setGeometry(ControlGroup);
    for (int port = 1; port <= PortCount; ++port) {
        const int top = FirstRowTop + (port - 1) * RowPitch;
        auto *input = new QPushButton(QStringLiteral("Input %1").arg(port), group);
        input->setObjectName(QStringLiteral("btnConfigIn%1").arg(port));
        SetControlTag(input, port);
        input->setGeometry(QRect(QPoint(InputLeft, top), ButtonSize));
        auto *output = new QPushButton(QStringLiteral("Output %1").arg(port), group);
        output->setObjectName(QStringLiteral("btnConfigOut%1").arg(port));
        SetControlTag(output, 1000 + port);
        output->setGeometry(QRect(QPoint(OutputLeft, top), ButtonSize));
        auto *box = new QCheckBox(QStringLiteral("ON/OFF"), group);
        box->setObjectName(QStringLiteral("chkConfigOut%1").arg(port));
        SetControlTag(box, port);
        box->setGeometry(BoxLeft, top + 2, 70, 22);
        for (QAbstractButton *control : {static_cast<QAbstractButton *>(input),
                                         static_cast<QAbstractButton *>(output),
                                         static_cast<QAbstractButton *>(box)})
            handlers.Bind(control);
        m_inputs.append(input);
        m_outputs.append(output);
        m_outputBoxes.append(box);
    }
    auto *card = new QCheckBox(QStringLiteral("Card ON/OFF"), group);
    card->setObjectName(QStringLiteral("chkConfigCard"));
    SetControlTag(card, 100);
    card->setGeometry(InputLeft, FooterTop + 2, 104, 22);
    handlers.Bind(card);

    auto *switchButton = new QPushButton(QStringLiteral("Switch"), group);
    switchButton->setObjectName(QStringLiteral("MatrixSwitch2"));
    switchButton->setGeometry(QRect(QPoint(BoxLeft, FooterTop), ButtonSize));
    connect(switchButton, &QPushButton::clicked, this, &MatSWCard2::SwitchClick);
}

void MatSWCard2::BuildSplitOptions()
{
    struct Option {
        const char *name;
        const char *caption;
        void (MatSWCard2::*handler)();
    };
    static const Option Options[JumperMarkers::SplitCount] = {
        {"Matrix2x6", "2 in 6 out (2x6)", &MatSWCard2::Matrix2x6Click},
        {"Matrix3x5", "3 in 5 out (3x5)", &MatSWCard2::Matrix3x5Click},
        {"Matrix4x4", "4 in 4 out (4x4)", &MatSWCard2::Matrix4x4Click},
        {"Matrix5x3", "5 in 3 out (5x3)", &MatSWCard2::Matrix5x3Click},
        {"Matrix6x2", "6 in 2 out (6x2)", &MatSWCard2::Matrix6x2Click},
    };
    auto *group = new QGroupBox(QStringLiteral("Matrix Size"), m_panel);
    group->setObjectName(QStringLiteral("GroupBox54"));
    group->setGeometry(SplitGroup);
    for (int i = 0; i < JumperMarkers::SplitCount; ++i) {
        auto *option = new QRadioButton(QString::fromLatin1(Options[i].caption), group);
        option->setObjectName(QString::fromLatin1(Options[i].name));
        option->setGeometry(10, FirstRowTop + i * SplitPitch, SplitGroup.width() - 20, SplitPitch);
        option->setChecked(i == 0);
        connect(option, &QRadioButton::clicked, this, Options[i].handler);
    }
}

void MatSWCard2::BuildBoards()
{
    for (const char *name : Boards) {
        auto *board = new QLabel(m_panel);
        board->setObjectName(QString::fromLatin1(name));
        board->setPixmap(ArtPixmap(name));
        board->setGeometry(BoardPlace);
        board->hide();
        m_boards.append(board);
    }
    for (const JumperMarkers::Marker &marker : JumperMarkers::Markers) {
        const JumperMarkers::Image image = JumperMarkers::ImageOf(marker.kind);
        QLabel *board = m_panel->findChild<QLabel *>(QString::fromLatin1(marker.board));
        auto *label = new QLabel(board);
        label->setObjectName(QString::fromLatin1(marker.name));
        label->setPixmap(ArtPixmap(image.name));
        label->resize(image.width, image.height);
        m_markers.append(label);
    }
}

void MatSWCard2::LayOut(const PageDispatch::Row &row)
{
    for (QLabel *board : std::as_const(m_boards))
        board->setVisible(board->objectName() == row.configPicture);
    m_thirdPortIsFour = row.models.contains(QStringLiteral("QL346-108"));
    ShowPorts();
    ShowCovered(m_panel, true);
    CardPage::LayOut(row);
}

MatSWCard2::Ports MatSWCard2::OfferedPorts(int split, bool thirdPortIsFour)
{
    return {Side(2 + split, thirdPortIsFour), Side(PortCount - split, thirdPortIsFour)};
}

void MatSWCard2::Matrix2x6Click() { ChooseSplit(0); }
void MatSWCard2::Matrix3x5Click() { ChooseSplit(1); }
void MatSWCard2::Matrix4x4Click() { ChooseSplit(2); }
void MatSWCard2::Matrix5x3Click() { ChooseSplit(3); }
void MatSWCard2::Matrix6x2Click() { ChooseSplit(4); }

void MatSWCard2::ChooseSplit(int split)
{
    m_split = split;
    ShowPorts();
    for (int i = 0; i < m_markers.size(); ++i) {
        const auto [x, y] = JumperMarkers::TopLeft(JumperMarkers::Markers[i], split);
        m_markers[i]->move(x, y);
    }
}

void MatSWCard2::ShowPorts()
{
    const Ports offered = OfferedPorts(m_split, m_thirdPortIsFour);
    for (int port = 1; port <= PortCount; ++port) {
        m_inputs[port - 1]->setVisible(offered.inputs.contains(port));
        const bool output = offered.outputs.contains(port);
        m_outputs[port - 1]->setVisible(output);
        m_outputBoxes[port - 1]->setVisible(output);
    }
}

void MatSWCard2::SwitchClick()
{
    ReportErrors(m_desktop,
                 [this] { m_target.SendCommand(QStringLiteral("[SWC%c%]"), QString(), QString()); });
}
