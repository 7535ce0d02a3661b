#pragma once

#include <QString>

// What the unit sent, as the readers of replies use it: the piece delivered by
// the most recent receive event, and everything received since a reader last
// emptied it.
class UnitReplies
{
public:
    virtual ~UnitReplies() = default;
    virtual const QString &LastReply() const = 0;
    // Empties LastReply and RepliedSinceCleared.
    virtual void ClearLastReply() = 0;
    // Every piece received since LastReply was last emptied, in order: a
    // reply that reaches the program in several pieces, whole.
    virtual const QString &RepliedSinceCleared() const = 0;
    virtual const QString &ReceivedText() const = 0;
    virtual void ClearReceivedText() = 0;
};
