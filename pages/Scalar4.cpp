#include "pages/Scalar4.h"

#include "command/ControlTags.h"
#include "pages/ACustomSlider.h"
#include "pages/PageControls.h"
#include "pages/PageServices.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {

struct PictureSlider {
    const char *caption;
    const char *slider;
    TACustomSlider::Range range;
    const char *command;
    const char *display;
};

constexpr int ResolutionRow = 0;
const PictureSlider Sliders[] = {
    {"Resolution", "ACustomSlider1", {0, 7, 2}, "[MODER%vC%c%]", "ResolutionDisplay"},
    {"Brighttness", "ACustomSlider2", {0, 48, 24}, "[BRIGHT%vC%c%]", "BrightnessDisplay"},
    {"Contrast", "ACustomSlider3", {0, 48, 40}, "[CONTR%vC%c%]", "ContrastDisplay"},
    {"Color", "ACustomSlider4", {0, 48, 8}, "[COLOR%vC%c%]", "ColorDisplay"},
    {"Hue", "ACustomSlider5", {0, 48, 0}, "[HUE%vC%c%]", "HueDisplay"},
    {"Sharpness", "ACustomSlider6", {0, 48, 0}, "[SHARP%vC%c%]", "SharpnessDisplay"},
};

// Name and mode code of each resolution position.
const struct {
    const char *name;
    int code;
} Resolutions[] = {{"VGA 640x480", 0}, {"SVGA 800x600", 2}, {"XGA 1024x768", 3},
                   {"SXGA 1280x1024", 4}, {"480p", 1}, {"576p", 5}, {"720p", 6}, {"1080i", 7}};

constexpr int InputTags = 5000;
constexpr int RecallInputTags = 5020;
const QList<OptionShape> Inputs = {
    {"optScalar4Input0", "IN0 (S-Video)", InputTags, {10, 22}, true},
    {"optScalar4Input1", "IN1 (C Video) ", InputTags + 1, {10, 44}},
    {"optScalar4Input2", "IN2 (Computer)", InputTags + 2, {10, 66}},
    {"optScalar4Input3", "IN3 (Component)", InputTags + 3, {10, 88}},
};

const struct {
    CommandCheckBox::Shape shape;
    bool storable;
} ControlBoxes[] = {
    {{"chkAspect", "4:3", "[MODEA2C%c%]", "[MODEA1C%c%]", {10, 22}, true}, true},
    {{"chkFreeze", "Freeze", "[FREEZ1C%c%]", "[FREEZ0C%c%]", {10, 44}}, false},
    {{"chkNoise", "Noise", "[MODEN1C%c%]", "[MODEN0C%c%]", {10, 66}, true}, true},
    {{"chkFilter", "Filter", "[MODET1C%c%]", "[MODET0C%c%]", {10, 88}, true}, true},
};

constexpr int RowTop = 24;
constexpr int RowPitch = 34;

} // namespace

Scalar4::Scalar4(const QComboBox *models, const PageServices &services, QWidget *parent)
    : CardPage({PageDispatch::Page::Scalar4, "BackPanelScalar4", "BlockDiagramScalar4", 50,
                "Scalar4BlockConfig"},
               models, parent),
      m_sender(services.target, services.desktop)
{
    QGroupBox *inputs = AddGroup("GroupBox1", "Input Select", {377, 6, 150, 138}, this);
    m_inputs = AddOptions(Inputs, inputs, services.handlers);
    m_switchAndRecall = new QCheckBox(QStringLiteral("Switch and Recall"), inputs);
    m_switchAndRecall->setObjectName(QStringLiteral("chkSwitchAndRecall"));
    m_switchAndRecall->setGeometry(10, 112, 130, ControlHeight);
    connect(m_switchAndRecall, &QCheckBox::clicked, this, &Scalar4::SwitchAndRecallClick);

    QGroupBox *image = AddGroup("GroupBox2", "Image Control", {9, 6, 360, 262}, this);
    for (int row = 0; row < int(std::size(Sliders)); ++row) {
        const PictureSlider &shape = Sliders[row];
        const int top = RowTop + row * RowPitch;
        auto *caption = new QLabel(QString::fromLatin1(shape.caption), image);
        caption->setObjectName(QStringLiteral("lbl") + QLatin1String(shape.slider));
        caption->setGeometry(10, top, 66, 22);
        auto *slider = new TACustomSlider(QString::fromLatin1(shape.slider), shape.range,
                                          Qt::Horizontal, image);
        slider->setGeometry(80, top, 170, 22);
        auto *display = new QLabel(row == ResolutionRow ? QStringLiteral("XGA")
                                                        : QString::number(shape.range.start),
                                   image);
        display->setObjectName(QString::fromLatin1(shape.display));
        display->setGeometry(256, top, 96, 22);
        connect(slider, &TACustomSlider::OnChange, this, [this, row] { SliderChange(row); });
        connect(slider, &TACustomSlider::OnMouseUp, this, [this, row] { SliderMouseUp(row); });
        m_sliders.append(slider);
        m_displays.append(display);
    }
    m_save = new QCheckBox(QStringLiteral("Save"), image);
    m_save->setObjectName(QStringLiteral("chkScalar4Save"));
    m_save->setGeometry(10, RowTop + int(std::size(Sliders)) * RowPitch, 80, ControlHeight);

    QGroupBox *control = AddGroup("GroupBox3", "Control", {377, 152, 150, 116}, this);
    for (const auto &box : ControlBoxes) {
        auto *check = new CommandCheckBox(box.shape, control);
        if (!m_aspect)
            m_aspect = check;
        connect(check, &QCheckBox::clicked, this,
                [this, check, storable = box.storable] { ControlBoxClick(check, storable); });
    }
    SetDiagramCovers({inputs, image, control});
}

void Scalar4::SliderChange(int row)
{
    const int value = m_sliders[row]->Value();
    m_displays[row]->setText(row == ResolutionRow ? QString::fromLatin1(Resolutions[value].name)
                                                  : QString::number(value));
}

void Scalar4::SliderMouseUp(int row)
{
    const int value = m_sliders[row]->Value();
    m_sender.SendCommand(Form(QString::fromLatin1(Sliders[row].command), true), QString(),
                         QString::number(row == ResolutionRow ? Resolutions[value].code : value));
}

void Scalar4::SwitchAndRecallClick()
{
    const int first = m_switchAndRecall->isChecked() ? RecallInputTags : InputTags;
    for (int i = 0; i < m_inputs.size(); ++i)
        SetControlTag(m_inputs[i], first + i);
}

void Scalar4::ControlBoxClick(CommandCheckBox *box, bool storable)
{
    if (box == m_aspect)
        box->setText(box->isChecked() ? QStringLiteral("4:3") : QStringLiteral("16:9"));
    m_sender.SendCommand(Form(box->Command(), storable), QString(), QString());
}

QString Scalar4::Form(const QString &commandTemplate, bool storable) const
{
    if (!storable || !m_save->isChecked())
        return commandTemplate;
    QString storing = commandTemplate;
    return storing.replace(QLatin1String("%]"), QLatin1String("S%]"));
}
