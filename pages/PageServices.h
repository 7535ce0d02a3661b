#pragma once

class CommandTarget;
class Desktop;
class GenericHandlers;
struct TOptions;
class UnitReplies;

// What the card pages need of the main window: the generic handlers for their
// numbered controls, SendCommand for their own commands, the desktop for
// questions, notices and waits, the unit's replies and the stored options.
struct PageServices
{
    GenericHandlers &handlers;
    CommandTarget &target;
    Desktop &desktop;
    UnitReplies &replies;
    const TOptions &options;
};
