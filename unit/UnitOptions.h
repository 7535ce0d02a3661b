#pragma once

#include <QString>
#include <QStringList>

// What the command line of qlunit asks for.
struct UnitOptions {
    QString linkPath;    // --link: a stable link to the pseudo-terminal
    QString devicePath;  // --device: a serial device instead of a pseudo-terminal
    QString logPath;     // --log: instead of standard output
    QString repliesPath; // --replies: "command = reply" lines
    int unitId = 0;
    int irMode = 1;
    QString irBits;      // the mode's example bits unless given
    int irDelayMs = 5000;
    bool logReads = false;
    bool help = false;   // only the usage is wanted
    QString usage;

    // Reads the arguments (the program name first); throws QlError with the
    // message for a bad command line.
    static UnitOptions Parse(const QStringList &arguments);
};
