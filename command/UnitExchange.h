#pragma once

#include "command/CommandContext.h"
#include "command/CommandSender.h"
#include "command/CommandTarget.h"
#include "command/GenericHandlers.h"
#include "command/SerialLine.h"
#include "command/TerminalExchange.h"
#include "command/UnitReplies.h"
#include "link/MSCom.h"
#include "link/PortReconnect.h"

#include <QObject>
#include <functional>

class ControlPanel;
class Desktop;
class MainMenus;
class SerialDeviceSource;
struct PortOpenFailure;
class QGroupBox;
class TerminalPanel;
class QImage;

// The main window's side of the exchange with the unit, put together: the
// serial port, the terminal and control regions, command sending, the receive
// path and the generic handlers of the card pages.
class UnitExchange : public QObject,
                     public CommandTarget,
                     public UnitReplies,
                     private CommandContext,
                     private SerialLine
{
    Q_OBJECT

public:
    // The window's part of the addressing state, read at every command:
    // selected slot, group field, active card tab and the options. Its unit
    // and path suffixes are ignored; the control region supplies them.
    using AddressingSource = std::function<CommandAddressing()>;

    // Fills the window's group boxes "Terminal" and "Control". Owned by the
    // window, which destroys it before its widgets.
    UnitExchange(Desktop &desktop, AddressingSource addressing, QGroupBox *terminalRegion,
                 QGroupBox *controlRegion);
    ~UnitExchange() override;

    // Tools > "Ports...".
    void ConnectMenus(const MainMenus &menus);
    // The Ports dialog over the system's serial devices; after OK the port
    // open now is opened again when its device changed.
    void PortsClick();

    TerminalPanel *Terminal() const { return m_terminalPanel; }
    ControlPanel *Control() const { return m_controlPanel; }
    GenericHandlers &Handlers() { return m_handlers; }
    MSCom &Port() { return m_port; }
    PortReconnect &Reconnect() { return m_reconnect; }

    // Throws the link's QlError when a write fails.
    void SendCommand(const QString &commandTemplate, const QString &text,
                     const QString &value) override;
    bool Sending() const { return m_sender.Sending(); }
    // The addressing state a command sent now is expanded with.
    CommandAddressing AddressingNow() const { return Addressing(); }
    void TerminalWrite(const QString &text, const QColor &colour);
    void TerminalNotice(const QString &line);

    // Arrivals wait while held and are taken in, in order, at the last
    // release: for the stretches of a long command that handle no user input.
    void HoldReceived() { m_exchange.HoldReceived(); }
    void ReleaseReceived();

    const QString &LastReply() const override { return m_exchange.LastReply(); }
    void ClearLastReply() override { m_exchange.ClearLastReply(); }
    const QString &RepliedSinceCleared() const override
    {
        return m_exchange.RepliedSinceCleared();
    }
    const QString &ReceivedText() const override { return m_exchange.ReceivedText(); }
    void ClearReceivedText() override { m_exchange.ClearReceivedText(); }

    int CommPortNo() const;
    void SelectPort(int n);
    void ClosePort() { m_port.Close(); }

    void SetWaitPictures(const QImage &busy, const QImage &idle);

private:
    void ConnectPort();
    void PortLost();
    void PortOpenFailed(const PortOpenFailure &failure);

    CommandAddressing Addressing() const override;
    bool PortChosen() const override;

    // The port as sending and receiving use it: once the chosen port is
    // lost in the middle of a command, the rest of it is only echoed.
    bool IsOpen() const override { return m_port.IsOpen(); }
    void WriteText(const QString &text) override;
    QString ReadAvailable() override { return m_port.ReadAvailable(); }

    Desktop &m_desktop;
    AddressingSource m_addressing;
    MSCom m_port;
    std::unique_ptr<SerialDeviceSource> m_devices;
    PortReconnect m_reconnect;
    TerminalPanel *m_terminalPanel;
    ControlPanel *m_controlPanel;
    CommandSender m_sender;
    TerminalExchange m_exchange;
    GenericHandlers m_handlers;
};
