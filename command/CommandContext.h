#pragma once

#include "command/CommandExpansion.h"

// The main window's state that sending and typing read at the moment they need it.
class CommandContext
{
public:
    virtual ~CommandContext() = default;
    virtual CommandAddressing Addressing() const = 0;
    // A port is chosen (CommPortNo not 0).
    virtual bool PortChosen() const = 0;
};
