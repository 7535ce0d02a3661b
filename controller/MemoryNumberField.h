#pragma once

#include <QWidget>

class QLineEdit;

// The memory number of the control card's page: the edit `DataMemory` with
// its arrows `UpDown13`, kept in 1..64 after every change.
class MemoryNumberField : public QWidget
{
    Q_OBJECT

public:
    explicit MemoryNumberField(QWidget *parent);

    // The number the field reads as, 1..64.
    int Number() const;

    // The text changed: clamps the number.
    void DataMemoryChange();
    // An arrow was pressed: the number goes up or down by `step`.
    void UpDown13Click(int step);

private:
    QLineEdit *m_edit;
};
