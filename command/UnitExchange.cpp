#include "command/UnitExchange.h"

#include "app/Desktop.h"
#include "command/ControlGroup.h"
#include "command/ErrorReport.h"
#include "command/TerminalGroup.h"
#include "command/TerminalView.h"
#include "command/WaitIndicator.h"

UnitExchange::UnitExchange(Desktop &desktop, AddressingSource addressing, QWidget *regionParent)
    : m_desktop(desktop),
      m_addressing(std::move(addressing)),
      m_terminalRegion(new TerminalGroup(desktop, regionParent)),
      m_controlRegion(new ControlGroup(m_port, regionParent)),
      m_sender(*this, m_port, *m_terminalRegion->Terminal(), desktop),
      m_exchange(*this, m_port, *m_terminalRegion->Terminal()),
      m_handlers(*this, desktop)
{
    connect(&m_port, &MSCom::Received, this,
            [this] { ReportErrors(m_desktop, [this] { m_exchange.MSComRxChar(); }); });
    connect(&m_port, &MSCom::Failed, this,
            [this](const QString &message) { m_desktop.ShowError(message); });
    connect(m_terminalRegion->Terminal(), &TerminalView::Typed, this, [this](const QString &typed) {
        ReportErrors(m_desktop, [&] { m_exchange.SendTyped(typed); });
    });
    connect(&m_sender, &CommandSender::WaitIndicatorChanged, this,
            [this] { m_terminalRegion->Indicator()->SetBusy(m_sender.Sending()); });
}

void UnitExchange::SendCommand(const QString &commandTemplate, const QString &text,
                               const QString &value)
{
    m_sender.SendCommand(commandTemplate, text, value);
}

void UnitExchange::TerminalWrite(const QString &text, const QColor &colour)
{
    m_terminalRegion->Terminal()->TerminalWrite(text, colour);
}

int UnitExchange::CommPortNo() const
{
    return m_controlRegion->CommPortNo();
}

void UnitExchange::SelectPort(int n)
{
    m_controlRegion->SelectPort(n);
}

void UnitExchange::SetWaitPictures(const QImage &busy, const QImage &idle)
{
    m_terminalRegion->Indicator()->SetPictures(busy, idle);
}

CommandAddressing UnitExchange::Addressing() const
{
    CommandAddressing addressing = m_addressing();
    addressing.UnitIdSuffix = m_controlRegion->UnitIdSuffix();
    addressing.PathSuffix = m_controlRegion->PathSuffix();
    return addressing;
}

bool UnitExchange::PortChosen() const
{
    return CommPortNo() != 0;
}
