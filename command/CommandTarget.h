#pragma once

#include <QString>

// What a control page needs to put a command on the line: the main window's
// SendCommand (template, text, value).
class CommandTarget
{
public:
    virtual ~CommandTarget() = default;
    virtual void SendCommand(const QString &commandTemplate, const QString &text,
                             const QString &value) = 0;
};
