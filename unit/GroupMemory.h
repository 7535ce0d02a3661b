#pragma once

#include "document/QlsDoc.h"

#include <QByteArray>

// The unit's memory of card groups 1 to 9, served by three commands as the
// program sends them (they carry neither unit nor path suffix):
//   "[CLRG*]"             forgets every group, answers nothing;
//   "[WR<group list>]"    keeps one group, such as [WRC3C12G2], replacing what it held;
//   "[RDG<n>]"            answers the group's list text ("C3C12G2", or "NONE G2"
//                         when empty), then "U", the unit ID, CR and LF.
// The program reads the answer up to its first "U".
class GroupMemory
{
public:
    explicit GroupMemory(int unitId) : m_unitId(unitId) {}

    // True when `command` is one of the three; they leave other commands alone.
    static bool Handles(const QByteArray &command);
    // Runs a command that Handles(); returns what goes back on the line
    // (nothing for the clear and the write).
    QByteArray Serve(const QByteArray &command);

private:
    TQlsDoc m_groups;
    int m_unitId;
};
