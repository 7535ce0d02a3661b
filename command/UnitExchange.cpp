#include "command/UnitExchange.h"

#include "app/Desktop.h"
#include "command/ControlPanel.h"
#include "command/ErrorReport.h"
#include "command/TerminalPanel.h"
#include "command/TerminalView.h"
#include "command/WaitIndicator.h"

UnitExchange::UnitExchange(Desktop &desktop, AddressingSource addressing,
                           QGroupBox *terminalRegion, QGroupBox *controlRegion)
    : m_desktop(desktop),
      m_addressing(std::move(addressing)),
      m_terminalPanel(new TerminalPanel(desktop, terminalRegion)),
      m_controlPanel(new ControlPanel(m_port, controlRegion)),
      m_sender(*this, *this, *m_terminalPanel->Terminal(), desktop),
      m_exchange(*this, *this, *m_terminalPanel->Terminal()),
      m_handlers(*this, desktop)
{
    connect(&m_port, &MSCom::Received, this,
            [this] { ReportErrors(m_desktop, [this] { m_exchange.MSComRxChar(); }); });
    // A lost line leaves no port chosen: later commands are only echoed.
    connect(&m_port, &MSCom::Lost, this, [this] { m_controlPanel->SelectPort(0); });
    connect(&m_port, &MSCom::Failed, this,
            [this](const QString &message) { m_desktop.ShowError(message); });
    connect(m_terminalPanel->Terminal(), &TerminalView::Typed, this, [this](const QString &typed) {
        ReportErrors(m_desktop, [&] { m_exchange.SendTyped(typed); });
    });
    connect(&m_sender, &CommandSender::WaitIndicatorChanged, this,
            [this] { m_terminalPanel->Indicator()->SetBusy(m_sender.Sending()); });
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
