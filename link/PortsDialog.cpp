#include "link/PortsDialog.h"

#include "link/PortNotices.h"
#include "link/SerialDevice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringList>

#include <cerrno>

namespace {

const QString OtherDevice = QStringLiteral("Other device: type its path");

// "/dev/ttyUSB0: FT232R USB UART, FTDI, serial number A10K3X2", with what is known.
QString DeviceLabel(const SerialDeviceInfo &device)
{
    QStringList known;
    for (const QString &part : {device.description, device.manufacturer})
        if (!part.isEmpty())
            known << part;
    if (!device.serialNumber.isEmpty())
        known << QStringLiteral("serial number ") + device.serialNumber;
    return known.isEmpty() ? device.path : device.path + QStringLiteral(": ") + known.join(QStringLiteral(", "));
}

QString OpenPortText(int openPort, const QString &openDevice)
{
    if (openPort == 0)
        return QStringLiteral("No port is open.");
    return QStringLiteral("%1 is open on %2.").arg(PortNotices::PortName(openPort), openDevice);
}

} // namespace

PortsDialog::PortsDialog(SerialDeviceSource &devices, int openPort, const QString &openDevice,
                         QWidget *parent)
    : QDialog(parent),
      m_devices(devices),
      m_reopen(new QCheckBox(QStringLiteral("Reopen when the device returns"), this))
{
    setObjectName(QStringLiteral("PortsDialog"));
    setWindowTitle(QStringLiteral("Ports"));
    auto *layout = new QGridLayout(this);
    auto *openNow = new QLabel(OpenPortText(openPort, openDevice), this);
    openNow->setObjectName(QStringLiteral("lblOpenPort"));
    layout->addWidget(openNow, 0, 0, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("Device"), this), 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("Path"), this), 1, 2);

    for (int n = 1; n <= PortCount; ++n) {
        PortRow &row = m_rows[n - 1];
        row.devices = new QComboBox(this);
        row.devices->setObjectName(QStringLiteral("cmboDevice%1").arg(n));
        row.devices->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        row.path = new QLineEdit(SerialDeviceName(n), this);
        row.path->setObjectName(QStringLiteral("txtDevice%1").arg(n));
        row.path->setMinimumWidth(260);
        row.warning = new QLabel(this);
        row.warning->setObjectName(QStringLiteral("lblWarning%1").arg(n));
        row.warning->setWordWrap(true);
        row.warning->setStyleSheet(QStringLiteral("color: #b00000"));
        const int line = 2 * n;
        layout->addWidget(new QLabel(PortNotices::PortName(n), this), line, 0);
        layout->addWidget(row.devices, line, 1);
        layout->addWidget(row.path, line, 2);
        layout->addWidget(row.warning, line + 1, 1, 1, 2);
        connect(row.devices, &QComboBox::activated, this, [this, &row] { DeviceChosen(row); });
        connect(row.path, &QLineEdit::textChanged, this, [this, &row] { PathEdited(row); });
    }

    m_reopen->setObjectName(QStringLiteral("chkReopen"));
    m_reopen->setChecked(ReopenWhenDeviceReturns());
    layout->addWidget(m_reopen, 2 * PortCount + 2, 0, 1, 3);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons, 2 * PortCount + 3, 0, 1, 3);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    connect(&m_devices, &SerialDeviceSource::DevicesChanged, this, &PortsDialog::FillDeviceLists);

    FillDeviceLists();
}

QString PortsDialog::Device(int portNo) const
{
    return m_rows.at(portNo - 1).path->text().trimmed();
}

void PortsDialog::accept()
{
    for (int n = 1; n <= PortCount; ++n)
        if (Device(n) != SerialDeviceName(n))
            SetSerialDeviceName(n, Device(n));
    SetReopenWhenDeviceReturns(m_reopen->isChecked());
    QDialog::accept();
}

void PortsDialog::showEvent(QShowEvent *event)
{
    m_devices.SetWatching(true);
    QDialog::showEvent(event);
}

void PortsDialog::hideEvent(QHideEvent *event)
{
    m_devices.SetWatching(false);
    QDialog::hideEvent(event);
}

void PortsDialog::FillDeviceLists()
{
    m_listed = m_devices.Devices();
    for (PortRow &row : m_rows) {
        const QSignalBlocker blocker(row.devices);
        row.devices->clear();
        row.devices->addItem(OtherDevice);
        for (const SerialDeviceInfo &device : m_listed)
            row.devices->addItem(DeviceLabel(device), device.StoredName());
        row.devices->setCurrentIndex(ItemOfPath(row));
        ShowWarning(row);
    }
}

int PortsDialog::ItemOfPath(const PortRow &row) const
{
    const SerialDeviceInfo *device = SerialDeviceSource::Find(m_listed, row.path->text().trimmed());
    return device ? int(device - m_listed.constData()) + 1 : 0;
}

void PortsDialog::DeviceChosen(PortRow &row)
{
    if (row.devices->currentIndex() > 0)
        row.path->setText(row.devices->currentData().toString());
    else
        row.path->setFocus();
}

void PortsDialog::PathEdited(PortRow &row)
{
    const QSignalBlocker blocker(row.devices);
    row.devices->setCurrentIndex(ItemOfPath(row));
    ShowWarning(row);
}

void PortsDialog::ShowWarning(PortRow &row)
{
    const QString path = row.path->text().trimmed();
    QString warning;
    if (!path.isEmpty()) {
        const int refusal = m_devices.AccessRefusal(path);
        if (refusal == ENOENT)
            warning = QStringLiteral("There is no device %1 now.").arg(path);
        else if (refusal != 0) {
            const QString group = m_devices.DeviceGroup(path);
            warning = QStringLiteral("You may not read and write %1%2: %3")
                          .arg(path,
                               group.isEmpty() ? QString() : QStringLiteral(" (group %1)").arg(group),
                               PortNotices::PermissionHint(group));
        }
    }
    row.warning->setText(warning);
    row.warning->setVisible(!warning.isEmpty());
}
