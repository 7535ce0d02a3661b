#pragma once

#include <QObject>

class CommandTarget;
class Desktop;
class QAbstractButton;

// The handlers shared by many controls of the card pages: each control
// carries a number (ControlTag) from which template and value follow.
class GenericHandlers : public QObject
{
    Q_OBJECT

public:
    GenericHandlers(CommandTarget &target, Desktop &desktop, QObject *parent = nullptr);

    // Check box: on or off command by its state.
    void CommandCheck(QObject *sender);
    // Option button: its command when it is selected.
    void CommandOption(QObject *sender);
    // Push button: input or output half of a crosspoint.
    void ButtonPress(QObject *sender);

    // Runs the matching handler whenever the user clicks `control` (a check
    // box, option button or push button).
    void Bind(QAbstractButton *control);

private:
    CommandTarget &m_target;
    Desktop &m_desktop;
};
