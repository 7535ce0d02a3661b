#include "pages/Scalar2.h"

#include "pages/LevelRow.h"
#include "pages/PageControls.h"
#include "pages/PageServices.h"

#include <QGroupBox>

namespace {

const QList<LevelRow::Shape> Rows = {
    {"H Position", "HPosition2", {0, 20, 5}, "HPos2", "UpDown20", "[HPOS%vC%c%]"},
    {"V Position", "VPosition2", {0, 20, 19}, "VPos2", "UpDown21", "[VPOS%vC%c%]"},
    {"H Size", "HSize2", {0, 20, 19}, "HorSize2", "UpDown22", "[HSIZE%vC%c%]"},
    {"V Size", "VSize2", {0, 20, 19}, "Vertsize2", "UpDown23", "[VSIZE%vC%c%]"},
    {"Sharpness", "Sharpness2", {0, 3, 2}, "Sharp2", "UpDown24", "[SHARP%vC%c%]"},
    {"Brightness", "Brightness2", {0, 20, 10}, "Bright2", "UpDown25", "[BRIG%vC%c%]"},
    {"Color", "Color2", {0, 20, 10}, "ColorText2", "UpDown26", "[COLOR%vC%c%]"},
    {"Hue", "Hue2", {0, 20, 10}, "HueText2", "UpDown27", "[HUE%vC%c%]"},
};
constexpr LevelRow::Columns RowColumns{10, 62, 180};

const QList<OptionShape> Inputs = {
    {"optScalar2Input0", "S-Video", 0, {10, 22}},
    {"optScalar2Input1", "C Video 1", 1, {10, 44}},
    {"optScalar2Input2", "C Video 2", 2, {10, 66}},
    {"optScalar2Input3", "C Video3", 3, {10, 88}},
};

} // namespace

Scalar2::Scalar2(const QComboBox *models, const PageServices &services, QWidget *parent)
    : CardPage({PageDispatch::Page::Scalar2, "BackPanelScalar2", "BlockDiagramScalar2", 50,
                "Scalar2BlockConfig"},
               models, parent),
      m_sender(services.target, services.desktop)
{
    QGroupBox *control = AddGroup("Control", "Control", {9, 6, 328, 270}, this);
    LevelRow::MakeRows(Rows, m_sender, control, RowColumns, 24, 30);
    QGroupBox *inputs = AddGroup("GroupBox18", "Input Select", {345, 6, 120, 116}, this);
    AddOptions(Inputs, inputs, services.handlers);
    SetDiagramCovers({control, inputs});
}
