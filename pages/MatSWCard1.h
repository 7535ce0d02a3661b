#pragma once

#include "pages/CardPage.h"
#include "pages/ReportingTarget.h"

#include <QList>
#include <QRect>

class GenericHandlers;
class MatrixGain;
class QAbstractButton;
class QFrame;
class QGroupBox;
class QRadioButton;
struct PageServices;

// Page of the fixed-size matrices: crosspoint buttons ("IN"/"OUT" halves),
// "In to all Out", the matrix-size groups, "Card ON/OFF", "Switch" and, for the
// audio matrices with gain, "Input Control", all on the panel `MatrixShowPannel`.
class MatSWCard1 : public CardPage
{
    Q_OBJECT

public:
    MatSWCard1(const QComboBox *models, const PageServices &services, QWidget *parent);

    void LayOut(const PageDispatch::Row &row) override;

    // Where the "Input Control" gain group stands on `MatrixShowPannel`; it
    // offers as many inputs as "In to all Out" does.
    static constexpr QRect InputControlPlace{344, 4, 130, 270};

    // The size command of a `MatrixSize` option number; empty for numbers
    // outside 1 ... 9.
    static QString MatrixSizeTemplate(int number);

private:
    void SwitchClick();
    void OneToAll(int input);
    void MatrixSize(int number);
    void Send(const QString &commandTemplate, const QString &value = QString());

    struct SizeGroup {
        QGroupBox *group;
        QList<QRadioButton *> options;
    };
    void BuildCrosspoints(QGroupBox *group, GenericHandlers &handlers);
    void BuildOneToAll();
    void BuildSizeGroups();
    // Shows the size group that fits the layout (or none), with its options
    // stacked from the top.
    void ShowSizeGroup(const PageDispatch::Row &row);

    ReportingTarget m_sender;
    QFrame *m_panel;
    MatrixGain *m_gain;
    QList<QAbstractButton *> m_inputs;   // IN 1 ... IN 16
    QList<QAbstractButton *> m_outputs;  // OUT 1 ... OUT 16
    QList<QAbstractButton *> m_oneToAll; // "1" ... "16"
    QList<SizeGroup> m_sizeGroups;       // MatrixControl3, 4, 5
};
