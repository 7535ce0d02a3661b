#include "command/UnitExchange.h"

#include "app/Desktop.h"
#include "app/MainMenus.h"
#include "command/ControlPanel.h"
#include "command/ErrorReport.h"
#include "command/TerminalPanel.h"
#include "command/TerminalView.h"
#include "command/WaitIndicator.h"
#include "link/DeviceAccess.h"
#include "link/PortNotices.h"
#include "link/PortsDialog.h"
#include "link/SerialDevice.h"
#include "link/SystemSerialDevices.h"

#include <QAction>

UnitExchange::UnitExchange(Desktop &desktop, AddressingSource addressing,
                           QGroupBox *terminalRegion, QGroupBox *controlRegion)
    : m_desktop(desktop),
      m_addressing(std::move(addressing)),
      m_devices(std::make_unique<SystemSerialDevices>()),
      m_reconnect(*m_devices,
                  [this](int portNo, const QString &device) {
                      return m_controlPanel->ReopenPort(portNo, device);
                  }),
      m_terminalPanel(new TerminalPanel(desktop, terminalRegion)),
      m_controlPanel(new ControlPanel(m_port, controlRegion)),
      m_sender(*this, *this, *m_terminalPanel->Terminal(), desktop),
      m_exchange(*this, *this, *m_terminalPanel->Terminal()),
      m_handlers(*this, desktop)
{
    connect(&m_port, &MSCom::Received, this,
            [this] { ReportErrors(m_desktop, [this] { m_exchange.MSComRxChar(); }); });
    ConnectPort();
    connect(m_terminalPanel->Terminal(), &TerminalView::Typed, this, [this](const QString &typed) {
        ReportErrors(m_desktop, [&] { m_exchange.SendTyped(typed); });
    });
    connect(&m_sender, &CommandSender::WaitIndicatorChanged, this,
            [this] { m_terminalPanel->Indicator()->SetBusy(m_sender.Sending()); });
}

UnitExchange::~UnitExchange() = default;

void UnitExchange::ConnectPort()
{
    m_port.SetLossDescription([this](const QString &reason) {
        return PortNotices::LineLost(CommPortNo(), m_port.DeviceName(), reason,
                                     ReopenWhenDeviceReturns());
    });
    connect(&m_port, &MSCom::Lost, this, &UnitExchange::PortLost);
    connect(&m_port, &MSCom::Failed, this,
            [this](const QString &message) { m_desktop.ShowError(message); });
    connect(m_controlPanel, &ControlPanel::PortOpenFailed, this, &UnitExchange::PortOpenFailed);
    connect(m_controlPanel, &ControlPanel::PortSelected, this, [this](int commPortNo) {
        if (commPortNo != 0)
            m_reconnect.Opened(commPortNo, m_port.DeviceName());
        else
            m_reconnect.Stop();
    });
    connect(&m_reconnect, &PortReconnect::Reopened, this, [this](int portNo, const QString &device) {
        TerminalNotice(PortNotices::Reopened(portNo, device));
    });
    connect(&m_reconnect, &PortReconnect::NotReturned, this,
            [this](int portNo, const QString &device) {
                TerminalNotice(PortNotices::NotReturned(portNo, device));
            });
}

// A lost line leaves no port chosen: later commands are only echoed until
// the port is chosen again, or reopened when its device returns.
void UnitExchange::PortLost()
{
    m_controlPanel->SelectPort(0);
    if (ReopenWhenDeviceReturns())
        m_reconnect.Watch();
}

void UnitExchange::PortOpenFailed(const PortOpenFailure &failure)
{
    TerminalNotice(PortNotices::OpenFailed(failure, DeviceAccess::Group(failure.device)));
}

void UnitExchange::ConnectMenus(const MainMenus &menus)
{
    for (QAction *entry : menus.EntriesRunning(QStringLiteral("PortsClick")))
        connect(entry, &QAction::triggered, this, &UnitExchange::PortsClick);
}

void UnitExchange::PortsClick()
{
    const int open = CommPortNo();
    const QString openDevice = m_port.DeviceName();
    PortsDialog dialog(*m_devices, open, openDevice, m_terminalPanel->window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_controlPanel->ShowPortDevices();
    if (open != 0 && CommPortNo() == open && SerialDeviceName(open) != openDevice)
        SelectPort(open);
}

void UnitExchange::SendCommand(const QString &commandTemplate, const QString &text,
                               const QString &value)
{
    m_sender.SendCommand(commandTemplate, text, value);
}

void UnitExchange::TerminalWrite(const QString &text, const QColor &colour)
{
    m_terminalPanel->Terminal()->TerminalWrite(text, colour);
}

void UnitExchange::TerminalNotice(const QString &line)
{
    m_terminalPanel->Terminal()->TerminalNotice(line);
}

void UnitExchange::ReleaseReceived()
{
    ReportErrors(m_desktop, [this] { m_exchange.ReleaseReceived(); });
}

int UnitExchange::CommPortNo() const
{
    return m_controlPanel->CommPortNo();
}

void UnitExchange::SelectPort(int n)
{
    m_controlPanel->SelectPort(n);
}

void UnitExchange::SetWaitPictures(const QImage &busy, const QImage &idle)
{
    m_terminalPanel->Indicator()->SetPictures(busy, idle);
}

CommandAddressing UnitExchange::Addressing() const
{
    CommandAddressing addressing = m_addressing();
    addressing.UnitIdSuffix = m_controlPanel->UnitIdSuffix();
    addressing.PathSuffix = m_controlPanel->PathSuffix();
    return addressing;
}

bool UnitExchange::PortChosen() const
{
    return CommPortNo() != 0;
}

void UnitExchange::WriteText(const QString &text)
{
    if (PortChosen())
        m_port.WriteText(text);
}
