#include "pages/ACustomSlider.h"

#include <QMouseEvent>

TACustomSlider::TACustomSlider(const QString &name, Range range, Qt::Orientation orientation,
                               QWidget *parent)
    : QSlider(orientation, parent)
{
    setObjectName(name);
    setRange(range.min, range.max);
    setSingleStep(1);
    setPageStep(1);
    setValue(range.start);
    connect(this, &QSlider::valueChanged, this, &TACustomSlider::OnChange);
}

void TACustomSlider::Step(int direction)
{
    SetValue(Value() + (direction > 0 ? Increment() : -Increment()));
}

void TACustomSlider::mousePressEvent(QMouseEvent *event)
{
    QSlider::mousePressEvent(event);
    // Buttons the slider does not use are passed on (the card menu).
    if (event->isAccepted() && m_pressed == Qt::NoButton)
        m_pressed = event->button();
}

void TACustomSlider::mouseReleaseEvent(QMouseEvent *event)
{
    QSlider::mouseReleaseEvent(event);
    if (m_pressed == Qt::NoButton || event->button() != m_pressed)
        return;
    m_pressed = Qt::NoButton;
    emit OnMouseUp();
}
