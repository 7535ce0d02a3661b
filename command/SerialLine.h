#pragma once

#include <QString>

// The line to the unit as the command and terminal code use it. Text maps to
// bytes one to one (Latin-1). Failures throw QlError with the link's message.
class SerialLine
{
public:
    virtual ~SerialLine() = default;
    virtual bool IsOpen() const = 0;
    // Starts writing the text unchanged, without a line end.
    virtual void WriteText(const QString &text) = 0;
    // Exactly what has arrived and not been read yet (possibly nothing).
    virtual QString ReadAvailable() = 0;
};
