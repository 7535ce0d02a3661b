#pragma once

#include "command/CommandTarget.h"
#include "command/ErrorReport.h"

// Sends through another target and shows a link error in an error box: for
// page handlers that send one command each.
class ReportingTarget : public CommandTarget
{
public:
    ReportingTarget(CommandTarget &target, Desktop &desktop) : m_target(target), m_desktop(desktop)
    {
    }

    void SendCommand(const QString &commandTemplate, const QString &text,
                     const QString &value) override
    {
        ReportErrors(m_desktop, [&] { m_target.SendCommand(commandTemplate, text, value); });
    }

private:
    CommandTarget &m_target;
    Desktop &m_desktop;
};
