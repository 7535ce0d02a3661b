#pragma once

#include <QSlider>

// The pages' slider: an integer `Value` kept within `MinValue` .. `MaxValue`,
// moved by `Increment`. `OnChange` fires only when the value really changes
// (drag, keyboard or program); `OnMouseUp` fires when a mouse button pressed
// on the slider is let go, moved or not. Pages send their commands on the
// release only, so a drag sends one command and the keyboard none.
class TACustomSlider : public QSlider
{
    Q_OBJECT

public:
    struct Range {
        int min = 0;
        int max = 100;
        int start = 0;
    };

    TACustomSlider(const QString &name, Range range, Qt::Orientation orientation,
                   QWidget *parent);

    int MinValue() const { return minimum(); }
    int MaxValue() const { return maximum(); }
    int Value() const { return value(); }
    // Clamped to the range; OnChange when the value changes.
    void SetValue(int value) { setValue(value); }
    int Increment() const { return singleStep(); }
    // One increment up (direction > 0) or down, within the range.
    void Step(int direction);

signals:
    void OnChange(int value);
    void OnMouseUp();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Qt::MouseButton m_pressed = Qt::NoButton;
};
