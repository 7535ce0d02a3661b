#pragma once

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QPlainTextEdit;
class QWidget;

// The regions of the main window's client area (792 x 564), at fixed
// positions. Each part of the program fills its own region: the slot
// buttons and colour strip go into grpCards, the group controls into
// grpGroups, the card pages, enclosure picture and front panel into
// grpControls, the logo into Panel1, the terminal into grpTerminal and the
// unit and port choice into GroupBox64.
struct FormRegions
{
    explicit FormRegions(QWidget *client);

    // Makes Tab walk the window in its visual order: the slot buttons, the
    // model list, the enclosure list, the view boxes, the card control area,
    // the groups, the logo, the control box, the terminal and the program
    // editor, each region's controls in their own order; the first of them
    // has the focus when the window opens. In the text boxes, where Tab is
    // typed, Ctrl+Tab and Ctrl+Shift+Tab move on. Called once every region
    // has been filled.
    void ChainTabOrder() const;

    // Normal places of the boxes that grow to full size.
    static constexpr int TerminalLeft = 1, TerminalTop = 443, TerminalWidth = 405,
                         TerminalHeight = 118;
    static constexpr int ProgramLeft = 408, ProgramTop = 444, ProgramWidth = 377,
                         ProgramHeight = 118;
    // Place of a box grown to full size (below the slot and group boxes).
    static constexpr int FullLeft = 2, FullTop = 97, FullWidth = 784, FullHeight = 465;

    QGroupBox *grpCards;     // "Slots"
    QGroupBox *grpGroups;    // "Groups"
    QComboBox *cmboItems;    // card catalog
    QComboBox *cmboEnclosure;
    QCheckBox *CheckBox28;   // "View Layout"
    QCheckBox *CheckBox120;  // "View Front"
    QGroupBox *grpControls;  // "Card Control"
    QFrame *Panel1;          // maker's logo
    QGroupBox *grpTerminal;  // "Terminal"
    QGroupBox *GroupBox64;   // "Control"
    QGroupBox *grpProgram;   // "Program Code"
    QPlainTextEdit *mmoProgram;
    QCheckBox *CheckBox122;  // full-size program box
    QGroupBox *grpBaud;      // baud preference, never shown
    QButtonGroup *BaudItems; // its items; each item's id is its rate

    // The items of grpBaud; a rate not among them shows FallbackBaudRate.
    static constexpr int BaudRates[] = {1200, 2400, 4800, 9600};
    static constexpr int FallbackBaudRate = 9600;
};
