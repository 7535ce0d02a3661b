#pragma once

#include <QCheckBox>
#include <QList>
#include <QPoint>

class GenericHandlers;
class QGroupBox;
class QRadioButton;

inline constexpr int ControlHeight = 20;

// Controls of the card pages built from tables.

// A group box named `name` with the caption `title`.
QGroupBox *AddGroup(const char *name, const char *title, const QRect &place, QWidget *parent);

// A numbered option button sent by the generic option handler.
struct OptionShape {
    const char *name;
    const char *caption;
    int tag;
    QPoint place;
    bool checked = false;
};

// Makes the options in `group`, bound to the generic handlers.
QList<QRadioButton *> AddOptions(const QList<OptionShape> &options, QWidget *group,
                                 GenericHandlers &handlers);

// A check box that stands for one command when checked and another when cleared.
class CommandCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    struct Shape {
        const char *name;
        const char *caption;
        const char *checkedCommand;
        const char *clearedCommand;
        QPoint place;
        bool checked = false;
    };

    CommandCheckBox(const Shape &shape, QWidget *parent);

    // The command of the present state.
    QString Command() const;

private:
    QString m_checked;
    QString m_cleared;
};

