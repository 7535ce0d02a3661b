#pragma once

#include <QString>

// Decodes the IR learner's sample text: "l" while the learner sees IR light
// (a mark), "_" while it sees none (a gap). The six modes are the codings of
// the remotes the card can replay; the length of the first mark tells them
// apart. Reading stops with Incomplete wherever a step needs samples that the
// text does not hold: a mark or gap must be closed by the next run for its
// length to count, and the samples after the last bit are not read.
namespace IrDecoder {

struct Result {
    enum class Status { Decoded, NoMode, Incomplete };
    Status status = Status::NoMode;
    int mode = 0;   // the mode used, 1..6 (detected when 0 was asked)
    QString bits;   // groups of eight bits separated by a blank
};

// The mode whose range holds the length of the first run of "l" samples; 0: none.
int DetectMode(int firstMarkLength);

// Decodes the learner's sample text with `mode` 1..6, or detects the mode when 0.
Result Decode(const QString &samples, int mode);

} // namespace IrDecoder
