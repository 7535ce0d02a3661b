#pragma once

#include <QString>
#include <QStringList>

// The control card's numbered data memories: the memory number as typed, and
// the save commands that carry data into a memory in pieces of eight.
namespace CardMemory {

constexpr int FirstNumber = 1;
constexpr int LastNumber = 64;

// The whole number the text begins with (an optional sign and digits); 0
// when it begins with none.
int LeadingNumber(const QString &text);

// The text the memory number field shows for `text`: "64" above 64, "1" at
// 0 or below, otherwise `text` unchanged.
QString Clamped(const QString &text);

// Templates of the save commands for `data`, each ending in ",M%vC%c]" for
// the memory number as %v. RS-232 data goes as typed, a "%" starting a new
// piece (as "|", which the expansion turns into "%"); IR data keeps only its
// "0" and "1" digits. The first piece of a save that replaces the memory
// says so ("1"), every other piece and every piece appended says "0".
QStringList SaveCommands(const QString &data, bool irPort, bool append);

// What the line keeps of an expanded command (the stored options).
struct LineKeeps {
    bool blanks = false;              // AllowSpace
    bool returnsAndTabs = false;      // AllowCR
};

// Why RS-232 `data` would not reach the memory as typed, naming the first
// such character and its position (from 1), or empty when it would: a
// character the line cannot carry as one byte, a blank, carriage return or
// tab the line drops, a "|" that becomes "%", or a "]", "}" or "^" that
// would end the save command early. A "%" is fine: it starts a new piece.
QString SerialDataProblem(const QString &data, const LineKeeps &keeps);

} // namespace CardMemory
