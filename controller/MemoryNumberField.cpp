#include "controller/MemoryNumberField.h"

#include "controller/CardMemory.h"

#include <QLineEdit>
#include <QToolButton>

namespace {

constexpr int EditWidth = 38;
constexpr int ArrowWidth = 16;
constexpr int Height = 22;

struct Arrow {
    const char *name;
    Qt::ArrowType type;
    int step;
};
constexpr Arrow Arrows[] = {{"btnMemoryUp", Qt::UpArrow, 1}, {"btnMemoryDown", Qt::DownArrow, -1}};

} // namespace

MemoryNumberField::MemoryNumberField(QWidget *parent) : QWidget(parent)
{
    m_edit = new QLineEdit(QStringLiteral("1"), this);
    m_edit->setObjectName(QStringLiteral("DataMemory"));
    m_edit->setToolTip(QStringLiteral("IR Memory Number"));
    m_edit->setGeometry(0, 0, EditWidth, Height);
    connect(m_edit, &QLineEdit::textChanged, this, &MemoryNumberField::DataMemoryChange);

    auto *upDown = new QWidget(this);
    upDown->setObjectName(QStringLiteral("UpDown13"));
    upDown->setGeometry(EditWidth, 0, ArrowWidth, Height);
    int top = 0;
    for (const Arrow &arrow : Arrows) {
        auto *button = new QToolButton(upDown);
        button->setObjectName(QLatin1String(arrow.name));
        button->setArrowType(arrow.type);
        button->setAutoRepeat(true);
        button->setGeometry(0, top, ArrowWidth, Height / 2);
        top += Height / 2;
        connect(button, &QToolButton::clicked, this,
                [this, step = arrow.step] { UpDown13Click(step); });
    }
    resize(EditWidth + ArrowWidth, Height);
}

int MemoryNumberField::Number() const
{
    return CardMemory::LeadingNumber(m_edit->text());
}

void MemoryNumberField::DataMemoryChange()
{
    const QString clamped = CardMemory::Clamped(m_edit->text());
    if (clamped != m_edit->text())
        m_edit->setText(clamped);
}

void MemoryNumberField::UpDown13Click(int step)
{
    m_edit->setText(QString::number(Number() + step));
}
