#include "pages/Scalar1.h"

#include "pages/LevelRow.h"
#include "pages/PageControls.h"
#include "pages/PageServices.h"

#include <QGroupBox>

namespace {

const QList<LevelRow::Shape> Rows = {
    {"H Position", "HPosition1", {0, 20, 10}, "HPos1", "UpDown14", "[HPOS%vC%c%]"},
    {"V Position", "VPosition1", {0, 20, 10}, "VPos1", "UpDown15", "[VPOS%vC%c%]"},
    {"H Size", "HSize1", {0, 20, 10}, "HorSize1", "UpDown16", "[HSIZE%vC%c%]"},
    {"V Size", "VSize1", {0, 20, 10}, "VertSize1", "UpDown17", "[VSIZE%vC%c%]"},
    {"Sharpness", "Sharpness1", {0, 20, 10}, "Sharp1", "UpDown18", "[SHARP%vC%c%]"},
    {"Brightness", "Brightness1", {0, 20, 10}, "Bright1", "UpDown19", "[BRIG%vC%c%]"},
};
constexpr LevelRow::Columns RowColumns{10, 62, 180};

const CommandCheckBox::Shape NTSCPAL = {"NTSCPAL", "NTSC/PAL", "[OUT1C%c%]", "[OUT0C%c%]", {330, 22}};

const QList<OptionShape> Outputs = {
    {"optVideoOut", "Video Out", 5100, {330, 54}, true},
    {"optTestOutColor", "Test Out Color", 5101, {330, 76}},
    {"optTestOutMono", "Test Out Mono", 5102, {330, 98}},
};

// Centre, top left, top right, bottom left, bottom right.
const QList<OptionShape> Zooms = {
    {"optZoom0", "", 5200, {57, 56}, true}, {"optZoom1", "", 5201, {24, 28}},
    {"optZoom2", "", 5202, {90, 28}},       {"optZoom3", "", 5203, {24, 84}},
    {"optZoom4", "", 5204, {90, 84}},
};

} // namespace

Scalar1::Scalar1(const QComboBox *models, const PageServices &services, QWidget *parent)
    : CardPage({PageDispatch::Page::Scalar1, "BackPanelScalar1", "BlockDiagramScalar1", 50,
                "Scalar1BlockConfig", false, 272},
               models, parent),
      m_sender(services.target, services.desktop)
{
    QGroupBox *control = AddGroup("GroupBox32", "Control", {9, 6, 438, 212}, this);
    LevelRow::MakeRows(Rows, m_sender, control, RowColumns, 24, 30);
    m_ntscPal = new CommandCheckBox(NTSCPAL, control);
    connect(m_ntscPal, &QCheckBox::clicked, this, &Scalar1::NTSCPALClick);
    AddOptions(Outputs, control, services.handlers);

    QGroupBox *zoom = AddGroup("ZoomControl", "Zoom VGA", {456, 6, 130, 112}, this);
    AddOptions(Zooms, zoom, services.handlers);
    SetDiagramCovers({control, zoom});
}

void Scalar1::NTSCPALClick()
{
    m_sender.SendCommand(m_ntscPal->Command(), QString(), QString());
}
