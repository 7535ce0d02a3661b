#pragma once

#include "pages/ACustomSlider.h"

#include <QObject>

#include <functional>

class CommandTarget;
class QLabel;
class QLineEdit;
class QPushButton;
class UpDownArrows;

// One level: a slider with the number box that shows its value and, on the
// pages' rows, a caption, an up/down arrow pair and "Save"/"Select" buttons.
// The level travels as the number box's text: releasing the slider sends the
// release command, Enter in the box the Enter command, each with %v = that
// text. The arrows send "[+]" or "[-]" and step the slider; keyboard changes
// of the slider send nothing.
class LevelRow : public QObject
{
    Q_OBJECT

public:
    struct Shape {
        const char *caption = nullptr; // nullptr: no caption
        const char *slider = nullptr;
        TACustomSlider::Range range;
        const char *box = nullptr;
        const char *arrows = nullptr;  // nullptr: no arrow pair
        const char *command = nullptr; // on release, and on Enter unless enterCommand is set
        const char *enterCommand = nullptr;
        int enterLimit = 0;   // upper limit of a typed level; 0: the slider's maximum
        const char *saveCommand = nullptr;   // "Save" button when set
        const char *selectCommand = nullptr; // "Select" button when set
        Qt::Orientation orientation = Qt::Horizontal;
    };

    // Widths of a horizontal row's caption and slider; the box, arrows and
    // buttons follow at fixed widths.
    struct Columns {
        int left;
        int captionWidth;
        int sliderWidth;
    };
    static constexpr int Height = 22;

    // The controls are made as children of `parent`.
    LevelRow(const Shape &shape, CommandTarget &target, QWidget *parent);
    // Rows in `group`, one under the other from `top`, `pitch` apart.
    static QList<LevelRow *> MakeRows(const QList<Shape> &shapes, CommandTarget &target,
                                      QWidget *group, const Columns &columns, int top, int pitch);

    // The command template at the moment of sending; an empty one sends
    // nothing. Replaces both the release and the Enter command.
    using TemplateSource = std::function<QString()>;
    void SetTemplateSource(const TemplateSource &source);

    // Lays the controls out side by side at `top`.
    void PlaceRow(int top, const Columns &columns);

    TACustomSlider *Slider() const { return m_slider; }
    QLineEdit *Box() const { return m_box; }
    // Moves the slider and the box to `level`.
    void SetLevel(int level);
    QString Level() const;
    QString EnterCommand() const { return m_enter(); }
    QString SaveCommand() const { return QString::fromLatin1(m_shape.saveCommand); }

    // The slider's change notice: the box shows the value.
    void SliderChange(int value);
    // The slider was let go: the release command with the box's level.
    void SliderMouseUp();
    // Enter in the number box.
    void LevelDisplayKeyPress();
    // An arrow: "[+]" or "[-]", then one step of the slider.
    void UpDownClick(int direction);

private:
    void Send(const QString &commandTemplate, const QString &value) const;
    int EnterLimit() const;

    Shape m_shape;
    CommandTarget &m_target;
    TemplateSource m_release;
    TemplateSource m_enter;
    QLabel *m_caption = nullptr;
    TACustomSlider *m_slider;
    QLineEdit *m_box;
    UpDownArrows *m_arrows = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_select = nullptr;
};
