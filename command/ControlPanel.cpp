#include "command/ControlPanel.h"

#include "link/SerialDevice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>

ControlPanel::ControlPanel(MSCom &port, QGroupBox *region)
    : QWidget(region),
      m_ports(port),
      m_usePath(new QCheckBox(QStringLiteral("Use Path"), this)),
      m_unitId(new QComboBox(this)),
      m_setUnitId(new QPushButton(QStringLiteral("P"), this)),
      m_portList(new QComboBox(this))
{
    setObjectName(QStringLiteral("ControlPanel"));
    auto *regionLayout = new QGridLayout(region);
    regionLayout->setContentsMargins(4, 2, 4, 4);
    regionLayout->addWidget(this);

    m_usePath->setObjectName(QStringLiteral("UsePath"));
    m_unitId->setObjectName(QStringLiteral("ComboUnitID"));
    m_unitId->setToolTip(QStringLiteral("Select Unit ID to control"));
    for (int i = 0; i < UnitIdCount; ++i)
        m_unitId->addItem(QStringLiteral("Unit ID %1").arg(i));
    m_setUnitId->setObjectName(QStringLiteral("SetUnitID"));
    m_setUnitId->setFixedWidth(24);
    m_portList->setObjectName(QStringLiteral("ComboPort"));
    m_portList->setToolTip(QStringLiteral("Select Com Port"));
    m_portList->addItem(QStringLiteral("None"));
    for (int i = 1; i < PortItemCount; ++i)
        m_portList->addItem(QStringLiteral("COM%1").arg(i));
    ShowPortDevices();

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_usePath, 0, 0, 1, 2);
    layout->addWidget(m_unitId, 1, 0);
    layout->addWidget(m_setUnitId, 1, 1);
    layout->addWidget(m_portList, 2, 0, 1, 2);

    connect(m_unitId, &QComboBox::currentIndexChanged, this, &ControlPanel::ComboUnitIDChange);
    connect(m_usePath, &QCheckBox::toggled, this, &ControlPanel::UsePathClick);
    connect(m_portList, &QComboBox::activated, this, &ControlPanel::ComboPortChange);
}

void ControlPanel::ComboUnitIDChange()
{
    const int index = m_unitId->currentIndex();
    m_unitIdSuffix = index <= 0 ? QStringLiteral("$]") : QStringLiteral("U%1$]").arg(index);
}

int ControlPanel::UnitId() const
{
    return m_unitId->currentIndex();
}

void ControlPanel::UsePathClick()
{
    m_pathSuffix = m_usePath->isChecked() ? QStringLiteral("P]") : QStringLiteral("]");
}

void ControlPanel::SelectPort(int n)
{
    const int shown = m_ports.SelectPort(n);
    ShowPortInUse();
    if (shown == PortSelector::NoChoice)
        return;
    if (const auto &failure = m_ports.LastFailure())
        emit PortOpenFailed(*failure);
    emit PortSelected(m_ports.CommPortNo());
}

bool ControlPanel::ReopenPort(int n, const QString &device)
{
    if (!m_ports.ReopenPort(n, device))
        return false;
    ShowPortInUse();
    emit PortSelected(m_ports.CommPortNo());
    return true;
}

void ControlPanel::ShowPortInUse()
{
    const QSignalBlocker blocker(m_portList);
    m_portList->setCurrentIndex(m_ports.CommPortNo());
}

void ControlPanel::ShowPortDevices()
{
    for (int n = 1; n <= PortSelector::HighestPort; ++n)
        m_portList->setItemData(n, SerialDeviceName(n), Qt::ToolTipRole);
}

void ControlPanel::ComboPortChange(int index)
{
    if (m_portChoiceGate && !m_portChoiceGate())
        return;
    SelectPort(index);
}
