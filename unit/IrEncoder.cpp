#include "unit/IrEncoder.h"

#include <QList>

#include <stdexcept>

namespace {

// Bits the program shows for each mode.
constexpr int BitCount[IrEncoder::ModeCount] = {32, 48, 16, 16, 16, 16};

// Leading mark by mode, in the middle of the range that detects the mode.
constexpr int LeaderMark[IrEncoder::ModeCount] = {106, 43, 30, 33, 5, 100};

// Modes 1, 2 and 6 send a bit as a mark and a gap: 1 when the gap is longer.
// Short enough that 48 ones fit into the MinimumLength samples the program
// decodes.
constexpr int DistanceMark = 5;
constexpr int DistanceGap0 = 2;
constexpr int DistanceGap1 = 9;
// Mode 5 likewise, with the decision at a gap of 2.8 marks.
constexpr int Mode5Mark = 5;
constexpr int Mode5Gap0 = 5;
constexpr int Mode5Gap1 = 40;
// Mode 3 sends a bit as a mark: 1 when longer than 12 samples. A gap longer
// than 150 after the 12th or 15th mark ends the frame; marks that follow
// (repeats) are read over.
constexpr int WidthMark0 = 6;
constexpr int WidthMark1 = 24;
constexpr int WidthGap = 6;
constexpr int WidthFrameEnd = 300;
constexpr int WidthRepeats = 4;
// Mode 4 sends a bit as two halves, gap then mark for 1, mark then gap for 0.
// The decoder skips 64 samples from the second sample of the mark after the
// leader, so a start mark and gap of 64 samples together come first.
constexpr int HalfMark = 6;
constexpr int HalfGap = 5;
constexpr int StartMark = 32;
constexpr int StartGap = 64 - StartMark;

constexpr int Idle = 10;
constexpr int LeaderGap = 16;

// Builds a stream from runs of light and darkness.
class Samples
{
public:
    Samples() { Gap(Idle); }
    Samples &Mark(int length)
    {
        m_text += QString(length, u'l');
        return *this;
    }
    Samples &Gap(int length)
    {
        m_text += QString(length, u'_');
        return *this;
    }
    // Ends with darkness, at least MinimumLength samples in all.
    QString Finish()
    {
        Gap(Idle);
        if (m_text.size() < IrEncoder::MinimumLength)
            Gap(IrEncoder::MinimumLength - m_text.size());
        return m_text;
    }

private:
    QString m_text;
};

QList<bool> BitsOf(const QString &text)
{
    QList<bool> bits;
    for (QChar c : text)
        if (c != u' ')
            bits.append(c == u'1');
    return bits;
}

QString PulseDistance(int mode, const QList<bool> &bits)
{
    Samples samples;
    samples.Mark(LeaderMark[mode - 1]).Gap(LeaderGap);
    for (bool bit : bits)
        samples.Mark(DistanceMark).Gap(bit ? DistanceGap1 : DistanceGap0);
    return samples.Mark(DistanceMark).Finish();
}

// The first mark is the leader and the first bit's mark at once.
QString Mode5(const QList<bool> &bits)
{
    Samples samples;
    for (bool bit : bits.mid(3))
        samples.Mark(Mode5Mark).Gap(bit ? Mode5Gap1 : Mode5Gap0);
    return samples.Mark(Mode5Mark).Finish();
}

QString PulseWidth(const QList<bool> &bits)
{
    // 12 data bits and "0000", or 15 data bits and "1".
    const QList<bool> data = bits.mid(0, bits.last() ? 15 : 12);
    Samples samples;
    samples.Mark(LeaderMark[2]).Gap(LeaderGap);
    for (qsizetype i = 0; i < data.size(); ++i)
        samples.Mark(data[i] ? WidthMark1 : WidthMark0).Gap(i + 1 < data.size() ? WidthGap : WidthFrameEnd);
    for (int i = 0; i < WidthRepeats; ++i)
        samples.Mark(WidthMark0).Gap(WidthGap);
    return samples.Finish();
}

QString BiPhase(const QList<bool> &bits)
{
    Samples samples;
    samples.Mark(LeaderMark[3]).Gap(LeaderGap).Mark(StartMark).Gap(StartGap);
    for (bool bit : bits) {
        if (bit)
            samples.Gap(HalfGap).Mark(HalfMark);
        else
            samples.Mark(HalfMark).Gap(HalfGap);
    }
    return samples.Mark(HalfMark).Finish();
}

} // namespace

QString IrEncoder::Problem(const QString &bits, int mode)
{
    if (mode < 1 || mode > ModeCount)
        return QStringLiteral("IR mode %1 does not exist: modes are 1 to %2").arg(mode).arg(ModeCount);
    for (QChar c : bits)
        if (c != u'0' && c != u'1' && c != u' ')
            return QStringLiteral("IR bits are 0 and 1 (blanks allowed), not \"%1\"").arg(c);
    QString digits = bits;
    digits.remove(u' ');
    if (digits.size() != BitCount[mode - 1])
        return QStringLiteral("IR mode %1 takes %2 bits, not %3")
            .arg(mode)
            .arg(BitCount[mode - 1])
            .arg(digits.size());
    if (mode == 3 && !digits.endsWith(u'1') && !digits.endsWith(QStringLiteral("0000")))
        return QStringLiteral("IR mode 3 bits end in 0000 (12 data bits) or 1 (15 data bits)");
    if (mode == 5 && !digits.startsWith(QStringLiteral("000")))
        return QStringLiteral("IR mode 5 bits begin with 000");
    return {};
}

QString IrEncoder::Encode(const QString &bits, int mode)
{
    if (const QString problem = Problem(bits, mode); !problem.isEmpty())
        throw std::invalid_argument(problem.toStdString());
    const QList<bool> values = BitsOf(bits);
    switch (mode) {
    case 3:
        return PulseWidth(values);
    case 4:
        return BiPhase(values);
    case 5:
        return Mode5(values);
    default:
        return PulseDistance(mode, values);
    }
}
