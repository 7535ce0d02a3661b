#include "controller/IrDecoder.h"

#include <climits>

namespace IrDecoder {

namespace {

constexpr QChar Mark = u'l';
constexpr QChar Gap = u'_';

// First-mark lengths of the modes, both ends included.
struct ModeRange {
    int mode;
    int shortest;
    int longest;
};
constexpr ModeRange ModeRanges[] = {
    {1, 104, 108}, {2, 42, 44}, {3, 29, 31}, {4, 32, 34}, {5, 3, 7}, {6, 99, 102},
};

// Thrown by a step that needs samples the text does not hold.
struct OutOfSamples {};

// The unread rest of the sample text.
class Samples
{
public:
    explicit Samples(const QString &text) : m_text(text) {}

    // Position of the first `c` in the rest, counting from 1.
    qsizetype Find(QChar c) const
    {
        const qsizetype at = m_text.indexOf(c, m_start);
        if (at < 0)
            throw OutOfSamples{};
        return at - m_start + 1;
    }
    // Removes the front of the rest up to and including the first `c`.
    void Cut(QChar c) { m_start += Find(c); }
    void Drop(qsizetype count)
    {
        if (m_text.size() - m_start < count)
            throw OutOfSamples{};
        m_start += count;
    }
    QChar Front() const
    {
        if (m_start >= m_text.size())
            throw OutOfSamples{};
        return m_text.at(m_start);
    }

    // With the rest starting inside a mark whose first sample is gone: the
    // length of that mark and of the gap after it; the rest then starts
    // inside the next mark likewise.
    struct Pair {
        qsizetype mark;
        qsizetype gap;
    };
    Pair NextPair()
    {
        Pair pair;
        pair.mark = Find(Gap);
        Cut(Gap);
        pair.gap = Find(Mark);
        Cut(Mark);
        return pair;
    }

private:
    const QString &m_text;
    qsizetype m_start = 0;
};

// The decoded bits, a blank after every eighth.
class Bits
{
public:
    void Add(bool one)
    {
        m_text += one ? u'1' : u'0';
        if (++m_inGroup == 8) {
            m_inGroup = 0;
            m_text += u' ';
        }
    }
    // A closing piece that is not counted into the groups.
    void Close(const QString &piece) { m_text += piece; }
    QString Text() const { return m_text.endsWith(u' ') ? m_text.chopped(1) : m_text; }

private:
    QString m_text;
    int m_inGroup = 0;
};

// Modes 1, 2 and 6: a bit is 1 when its gap is longer than its mark.
void DecodeGapLonger(Samples &samples, int count, Bits &bits)
{
    for (int i = 0; i < count; ++i) {
        const Samples::Pair pair = samples.NextPair();
        bits.Add(pair.gap > pair.mark);
    }
}

// Mode 3: a bit is 1 when its mark is longer than 12 samples. A gap of more
// than 150 samples after the twelfth bit ends a 12-bit code, closed by "0000";
// otherwise 15 bits are read and closed by "1". A gap of 300 samples or more
// skips the next bit; one of exactly 400 or 401 samples ends the code as well.
void DecodeMode3(Samples &samples, Bits &bits)
{
    constexpr qsizetype EndedAfter12 = 400;
    constexpr qsizetype Ended = 401;
    qsizetype gap = 0;
    for (int pass = 1; pass <= 15; ++pass) {
        if (gap == EndedAfter12 || gap == Ended)
            break;
        const qsizetype mark = samples.Find(Gap);
        samples.Cut(Gap);
        if (gap < 300)
            bits.Add(mark > 12);
        if (pass == 15)
            break;  // the last gap does not change the result
        gap = samples.Find(Mark);
        if (pass == 12 && gap > 150)
            gap = EndedAfter12;
        samples.Cut(Mark);
    }
    bits.Close(gap == EndedAfter12 ? QStringLiteral("0000") : QStringLiteral("1"));
}

// Mode 4: a bi-phase code sampled once per bit after a 64-sample header: a
// gap at the sampling point is 1, a mark 0. After each bit the sampling point
// moves into the next bit, across a double-length run by a fixed distance.
void DecodeMode4(Samples &samples, Bits &bits)
{
    samples.Drop(64);
    for (int pass = 1; pass <= 16; ++pass) {
        const bool one = samples.Front() == Gap;
        bits.Add(one);
        if (pass == 16)
            break;  // nothing after the last sampling point is needed
        if (one) {
            samples.Cut(Mark);
            if (samples.Find(Gap) >= 9)
                samples.Drop(6);
            else
                samples.Cut(Gap);
        } else {
            samples.Cut(Gap);
            if (samples.Find(Mark) > 7)
                samples.Drop(5);
            else
                samples.Cut(Mark);
        }
    }
}

// Mode 5: three leading zeros, then 13 bits that are 1 when the gap is more
// than 2.8 times the mark.
void DecodeMode5(Samples &samples, Bits &bits)
{
    for (int i = 0; i < 3; ++i)
        bits.Add(false);
    for (int i = 0; i < 13; ++i) {
        const Samples::Pair pair = samples.NextPair();
        bits.Add(pair.gap * 5 > pair.mark * 14);
    }
}

void DecodeBits(Samples &samples, int mode, Bits &bits)
{
    switch (mode) {
    case 1:
        DecodeGapLonger(samples, 32, bits);
        break;
    case 2:
        DecodeGapLonger(samples, 48, bits);
        break;
    case 3:
        DecodeMode3(samples, bits);
        break;
    case 4:
        DecodeMode4(samples, bits);
        break;
    case 5:
        DecodeMode5(samples, bits);
        break;
    case 6:
        DecodeGapLonger(samples, 16, bits);
        break;
    }
}

} // namespace

int DetectMode(int firstMarkLength)
{
    for (const ModeRange &range : ModeRanges) {
        if (firstMarkLength >= range.shortest && firstMarkLength <= range.longest)
            return range.mode;
    }
    return 0;
}

Result Decode(const QString &samples, int mode)
{
    Result result;
    Samples rest(samples);
    try {
        // Into the first mark, and its length.
        rest.Cut(Mark);
        const qsizetype firstMark = rest.Find(Gap);
        result.mode = mode != 0 ? mode : DetectMode(int(qMin<qsizetype>(firstMark, INT_MAX)));
        if (result.mode < 1 || result.mode > 6) {
            result.mode = 0;
            return result;
        }
        // Past the leader: into the first mark after its gap. In mode 5 the
        // first mark is already a bit.
        if (result.mode != 5) {
            rest.Cut(Gap);
            rest.Cut(Mark);
        }
        Bits bits;
        DecodeBits(rest, result.mode, bits);
        result.bits = bits.Text();
        result.status = Result::Status::Decoded;
    } catch (const OutOfSamples &) {
        result.status = Result::Status::Incomplete;
    }
    return result;
}

} // namespace IrDecoder
