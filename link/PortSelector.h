#pragma once

#include "link/MSCom.h"

#include <optional>

// A port that could not be opened, and why.
struct PortOpenFailure
{
    int portNo = 0;
    QString device;
    PortOpenError::Reason reason = PortOpenError::Reason::Other;
    QString message;  // the system's
};

// The user's choice of serial port: CommPortNo 0 is none, 1 .. 3 open that
// port; higher numbers cannot be opened and change nothing.
class PortSelector
{
public:
    static constexpr int NoChoice = -1;
    static constexpr int HighestPort = 3;

    explicit PortSelector(MSCom &port) : m_port(port) {}

    int CommPortNo() const { return m_commPortNo; }

    // Opens port n (closing the one open before) or closes it for 0. Returns
    // the item the port list shows afterwards: n, 0 when the port could not be
    // opened, NoChoice when n leaves everything as it was.
    int SelectPort(int n);
    // Why the last SelectPort could not open its port; empty when it could.
    const std::optional<PortOpenFailure> &LastFailure() const { return m_lastFailure; }

    // Opens port n (1 .. 3) on `device` while no port is open, as when the
    // device of a lost port has come back; false when it cannot be opened.
    bool ReopenPort(int n, const QString &device);

private:
    // Closes the port and opens `device` as port n; throws when it cannot.
    void OpenAs(int n, const QString &device);

    MSCom &m_port;
    int m_commPortNo = 0;
    std::optional<PortOpenFailure> m_lastFailure;
};
