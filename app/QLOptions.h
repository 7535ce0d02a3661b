#pragma once

#include <QString>

// Program-wide options read once from the stored settings; there is no
// editor for them. Field names are the stored value names.
struct TOptions
{
    bool AllowCR = false;    // keep carriage returns and tabs in an expanded command
    bool AllowSpace = false; // keep blanks in an expanded command
    bool AllowTab = false;   // "%i" becomes a tab instead of nothing
    bool AllowEmpty = false; // empty slots can be added to and removed from groups
    QString CProgram = QStringLiteral("%v"); // template of each program line sent

    // Stored values where present, defaults for the rest.
    static TOptions Load();
};
