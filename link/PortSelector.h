#pragma once

class MSCom;

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

private:
    MSCom &m_port;
    int m_commPortNo = 0;
};
