#include "link/PortSelector.h"

#include "app/QlError.h"
#include "link/MSCom.h"
#include "link/SerialDevice.h"

int PortSelector::SelectPort(int n)
{
    if (n == 0) {
        m_port.Close();
        m_commPortNo = 0;
        return 0;
    }
    if (n < 1 || n > HighestPort)
        return NoChoice;
    m_commPortNo = n;
    try {
        m_port.Close();
        m_port.SetDeviceName(SerialDeviceName(n));
        m_port.Open();
    } catch (const QlError &) {
        // A port that is missing or in use silently leaves no port chosen.
        m_commPortNo = 0;
        return 0;
    }
    return n;
}
