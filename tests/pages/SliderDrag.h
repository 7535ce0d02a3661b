#pragma once

#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

// Presses the mouse on the thumb of `slider`, moves it pixel by pixel until
// the slider stands at `value` and lets go; with `value` at the present
// position it is a click on the thumb.
inline void DragSlider(QSlider *slider, int value)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.upsideDown = slider->orientation() == Qt::Vertical;
    QPoint at = slider->style()
                    ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
                    .center();
    const int up = value > slider->value() ? 1 : -1;
    const QPoint step = slider->orientation() == Qt::Horizontal ? QPoint(up, 0) : QPoint(0, -up);
    QTest::mousePress(slider, Qt::LeftButton, {}, at);
    for (int i = 0; i < 1000 && slider->value() != value; ++i) {
        at += step;
        QTest::mouseMove(slider, at);
    }
    QTest::mouseRelease(slider, Qt::LeftButton, {}, at);
}
