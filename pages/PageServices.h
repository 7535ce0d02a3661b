#pragma once

class CommandTarget;
class Desktop;
class GenericHandlers;
class UnitReplies;

// What the card pages need of the main window: the generic handlers for their
// numbered controls, SendCommand for their own commands, the desktop for
// questions, notices and waits, and the unit's replies.
struct PageServices
{
    GenericHandlers &handlers;
    CommandTarget &target;
    Desktop &desktop;
    UnitReplies &replies;
};
