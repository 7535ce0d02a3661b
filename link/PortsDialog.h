#pragma once

#include "link/SerialDeviceSource.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// "Ports": the device behind COM1, COM2 and COM3, picked from the system's
// serial devices or typed as a path, and the option "Reopen when the device
// returns". OK stores them ("ComDevice1".."ComDevice3", "ReopenPort").
class PortsDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int PortCount = 3;

    // `openPort` is the port open now (0 for none), on `openDevice`.
    PortsDialog(SerialDeviceSource &devices, int openPort, const QString &openDevice,
                QWidget *parent = nullptr);

    // The device chosen for port n (1 .. 3).
    QString Device(int portNo) const;

    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    struct PortRow
    {
        QComboBox *devices;
        QLineEdit *path;
        QLabel *warning;
    };

    void FillDeviceLists();
    // The list item that stands for the path typed in `row` (0: none listed).
    int ItemOfPath(const PortRow &row) const;
    void DeviceChosen(PortRow &row);
    void PathEdited(PortRow &row);
    void ShowWarning(PortRow &row);

    SerialDeviceSource &m_devices;
    QList<SerialDeviceInfo> m_listed;
    std::array<PortRow, PortCount> m_rows{};
    QCheckBox *m_reopen;
};
