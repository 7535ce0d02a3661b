#pragma once

#include <QString>

// Streams of the IR learner cable, which samples a remote control's light as
// "l" while it is on and "_" while it is off. Encode() builds the stream of
// one key press that the program's IR learning decodes as the given bits in
// the given coding (mode 1 to 6): the first mark's length tells the mode, the
// marks and gaps after it the bits, every length well inside its decoding
// limits, and the whole code within the first MinimumLength samples. Bits are
// written as the program shows them, "0" and "1" with any blanks: 32 in mode
// 1, 48 in mode 2 and 16 in the others, where mode 3 ends in "0000" (12 data
// bits) or in "1" (15 data bits) and mode 5 begins with "000".
class IrEncoder
{
public:
    static constexpr int ModeCount = 6;
    // The program reads a stream once this many samples have arrived.
    static constexpr int MinimumLength = 820;

    // Why `bits` cannot be sent in `mode`, or empty when they can.
    static QString Problem(const QString &bits, int mode);
    // The sample stream; throws std::invalid_argument with Problem() when
    // that is not empty.
    static QString Encode(const QString &bits, int mode);
};
