#include "link/PortSelector.h"

#include "link/SerialDevice.h"

int PortSelector::SelectPort(int n)
{
    m_lastFailure.reset();
    if (n == 0) {
        m_port.Close();
        m_commPortNo = 0;
        return 0;
    }
    if (n < 1 || n > HighestPort)
        return NoChoice;
    const QString device = SerialDeviceName(n);
    try {
        OpenAs(n, device);
    } catch (const PortOpenError &error) {
        m_lastFailure = PortOpenFailure{n, device, error.reason(), error.message()};
        return 0;
    } catch (const QlError &error) {
        m_lastFailure = PortOpenFailure{n, device, PortOpenError::Reason::Other, error.message()};
        return 0;
    }
    return n;
}

bool PortSelector::ReopenPort(int n, const QString &device)
{
    if (m_commPortNo != 0 || n < 1 || n > HighestPort)
        return false;
    try {
        OpenAs(n, device);
    } catch (const QlError &) {
        return false;
    }
    return true;
}

void PortSelector::OpenAs(int n, const QString &device)
{
    m_commPortNo = n;
    try {
        m_port.Close();
        m_port.SetDeviceName(device);
        m_port.Open();
    } catch (const QlError &) {
        // A port that is missing or in use leaves no port chosen.
        m_commPortNo = 0;
        throw;
    }
}
