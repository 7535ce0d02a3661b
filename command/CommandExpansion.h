#pragma once

#include <QString>

// Everything outside the template that shapes an expanded command, read at
// the moment of the call.
struct CommandAddressing
{
    int CurrentSlot = 20;              // 1 .. 20
    QString GroupText = QStringLiteral("0"); // "0" addresses the slot, anything else a group
    int ActiveTabTag = 0;              // model number of the active card tab
    QString UnitIdSuffix = QStringLiteral("$]");
    QString PathSuffix = QStringLiteral("]");
    bool AllowCR = false;
    bool AllowSpace = false;
    bool AllowTab = false;
};

// Fills a command template: slot or group, unit and path suffixes, text and
// value; then strips the characters the options do not allow.
QString ExpandCommand(const QString &commandTemplate, const QString &text, const QString &value,
                      const CommandAddressing &addressing);
