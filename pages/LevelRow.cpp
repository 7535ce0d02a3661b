#include "pages/LevelRow.h"

#include "command/CommandTarget.h"
#include "pages/UpDownArrows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int Gap = 4;
constexpr int BoxWidth = 34;
constexpr int ArrowsWidth = 16;
constexpr int SaveWidth = 44;
constexpr int SelectWidth = 48;

LevelRow::TemplateSource Fixed(const char *commandTemplate)
{
    return [text = QString::fromLatin1(commandTemplate)] { return text; };
}

} // namespace

LevelRow::LevelRow(const Shape &shape, CommandTarget &target, QWidget *parent)
    : QObject(parent), m_shape(shape), m_target(target), m_release(Fixed(shape.command)),
      m_enter(Fixed(shape.enterCommand ? shape.enterCommand : shape.command))
{
    const QString sliderName = QString::fromLatin1(shape.slider);
    if (shape.caption) {
        m_caption = new QLabel(QString::fromLatin1(shape.caption), parent);
        m_caption->setObjectName(QStringLiteral("lbl") + sliderName);
    }
    m_slider = new TACustomSlider(sliderName, shape.range, shape.orientation, parent);
    m_box = new QLineEdit(QString::number(shape.range.start), parent);
    m_box->setObjectName(QString::fromLatin1(shape.box));
    connect(m_slider, &TACustomSlider::OnChange, this, &LevelRow::SliderChange);
    connect(m_slider, &TACustomSlider::OnMouseUp, this, &LevelRow::SliderMouseUp);
    connect(m_box, &QLineEdit::returnPressed, this, &LevelRow::LevelDisplayKeyPress);
    if (shape.arrows) {
        m_arrows = new UpDownArrows(QString::fromLatin1(shape.arrows), parent);
        connect(m_arrows, &UpDownArrows::Click, this, &LevelRow::UpDownClick);
    }
    const struct {
        QPushButton *&button;
        const char *command;
        const char *caption;
    } buttons[] = {{m_save, shape.saveCommand, "Save"}, {m_select, shape.selectCommand, "Select"}};
    for (const auto &button : buttons) {
        if (!button.command)
            continue;
        button.button = new QPushButton(QString::fromLatin1(button.caption), parent);
        button.button->setObjectName(QStringLiteral("btn%1%2").arg(sliderName,
                                                                   QLatin1String(button.caption)));
        connect(button.button, &QPushButton::clicked, this,
                [this, command = QString::fromLatin1(button.command)] { Send(command, QString()); });
    }
}

QList<LevelRow *> LevelRow::MakeRows(const QList<Shape> &shapes, CommandTarget &target,
                                     QWidget *group, const Columns &columns, int top, int pitch)
{
    QList<LevelRow *> rows;
    for (const Shape &shape : shapes) {
        rows.append(new LevelRow(shape, target, group));
        rows.last()->PlaceRow(top, columns);
        top += pitch;
    }
    return rows;
}

void LevelRow::SetTemplateSource(const TemplateSource &source)
{
    m_release = source;
    m_enter = source;
}

void LevelRow::PlaceRow(int top, const Columns &columns)
{
    int x = columns.left;
    auto place = [&x, top](QWidget *control, int width, int grow = 0) {
        if (!control)
            return;
        control->setGeometry(x, top - grow, width, Height + 2 * grow);
        x += width + Gap;
    };
    place(m_caption, columns.captionWidth);
    place(m_slider, columns.sliderWidth);
    place(m_box, BoxWidth);
    place(m_arrows, ArrowsWidth);
    place(m_save, SaveWidth, 1);
    place(m_select, SelectWidth, 1);
}

void LevelRow::SetLevel(int level)
{
    m_slider->SetValue(level);
    m_box->setText(QString::number(level));
}

QString LevelRow::Level() const
{
    return m_box->text();
}

int LevelRow::EnterLimit() const
{
    return m_shape.enterLimit ? m_shape.enterLimit : m_slider->MaxValue();
}

void LevelRow::SliderChange(int value)
{
    m_box->setText(QString::number(value));
}

void LevelRow::SliderMouseUp()
{
    // Text typed without Enter goes out only as a level within the row's
    // limits; anything else gives way to the slider's value.
    bool number = false;
    const int typed = m_box->text().trimmed().toInt(&number);
    const bool valid = number && typed >= m_slider->MinValue() && typed <= EnterLimit();
    m_box->setText(QString::number(valid ? typed : m_slider->Value()));
    Send(m_release(), m_box->text());
}

void LevelRow::LevelDisplayKeyPress()
{
    bool number = false;
    const int typed = m_box->text().trimmed().toInt(&number);
    if (!number)
        return;
    const int before = m_slider->Value();
    m_slider->SetValue(typed);
    // Above the limit the limit goes out, below the slider's minimum the
    // minimum; a level beyond the slider's end but within the limit goes out
    // as typed when the slider already stood there.
    const int level = typed > EnterLimit()               ? EnterLimit()
                      : typed < m_slider->MinValue()     ? m_slider->MinValue()
                      : m_slider->Value() != before      ? m_slider->Value()
                                                         : typed;
    m_box->setText(QString::number(level));
    Send(m_enter(), m_box->text());
}

void LevelRow::UpDownClick(int direction)
{
    Send(direction > 0 ? QStringLiteral("[+]") : QStringLiteral("[-]"), QString());
    m_slider->Step(direction);
}

void LevelRow::Send(const QString &commandTemplate, const QString &value) const
{
    if (!commandTemplate.isEmpty())
        m_target.SendCommand(commandTemplate, QString(), value);
}
