#pragma once

#include "pages/CardPage.h"

#include <QList>

class CommandTarget;
class Desktop;
class GenericHandlers;
class QAbstractButton;
class QFrame;
class QGroupBox;
class QLabel;
class QRadioButton;
struct PageServices;

// Page of the reconfigurable six-port matrices, on the panel
// `AdjustableMatrix`: crosspoint buttons, output ON/OFF boxes, "Card ON/OFF",
// "Switch", the input/output split ("Matrix Size") and the board picture
// whose jumper or cable markers show that split.
class MatSWCard2 : public CardPage
{
    Q_OBJECT

public:
    MatSWCard2(const QComboBox *models, const PageServices &services, QWidget *parent);

    void LayOut(const PageDispatch::Row &row) override;

    // The port numbers offered for a split (0 = 2x6 ... 4 = 6x2). On a card
    // whose third port is numbered 4, a three-port side offers 1, 2 and 4.
    struct Ports {
        QList<int> inputs;
        QList<int> outputs;
        bool operator==(const Ports &) const = default;
    };
    static Ports OfferedPorts(int split, bool thirdPortIsFour);

private:
    // "Matrix Size" options: they send nothing, they set the offered buttons
    // and move the markers.
    void Matrix2x6Click();
    void Matrix3x5Click();
    void Matrix4x4Click();
    void Matrix5x3Click();
    void Matrix6x2Click();
    void SwitchClick();
    void ChooseSplit(int split);
    void ShowPorts();
    void BuildControls(GenericHandlers &handlers);
    void BuildSplitOptions();
    void BuildBoards();

    CommandTarget &m_target;
    Desktop &m_desktop;
    QFrame *m_panel;
    QList<QAbstractButton *> m_inputs;  // Input 1 ... 6
    QList<QAbstractButton *> m_outputs; // Output 1 ... 6
    QList<QAbstractButton *> m_outputBoxes; // their ON/OFF boxes
    QList<QLabel *> m_boards;           // ConfigMat1 ... 3
    QList<QLabel *> m_markers;          // in the order of JumperMarkers::Markers
    int m_split = 0;
    bool m_thirdPortIsFour = false;
};
