#pragma once

#include <QGroupBox>
#include <QList>

class CommandTarget;
class Desktop;
class QCheckBox;

// A box of check boxes for the card's relays or I/O lines. Every click sends
// one command that names all positions: the clicked one set by the box's
// state, every other one "X" (unchanged); the "All" box sets them all.
class SwitchBox : public QGroupBox
{
    Q_OBJECT

public:
    struct Shape {
        const char *name;
        const char *caption;
        const char *command;        // "WRRL": the command's letters
        QList<const char *> boxes;  // positions 1..n, captioned "1".."n"
        const char *allName;
        const char *allCaption;
        char ticked;                // position character of a ticked box
        char cleared;
    };
    SwitchBox(const Shape &shape, CommandTarget &target, Desktop &desktop, QWidget *parent);

    // RelayControlClick and IOControlClick: sends the command of `position`
    // (1..n, 0 for the "All" box) for `ticked`.
    void SwitchClick(int position, bool ticked);

private:
    Shape m_shape;
    CommandTarget &m_target;
    Desktop &m_desktop;
};
