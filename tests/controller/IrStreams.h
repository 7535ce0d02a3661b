#pragma once

#include <QString>

// Learner sample texts built from bit strings, one coding per mode, with run
// lengths inside each mode's ranges ("l": mark, "_": gap).
namespace IrStreams {

inline QString Marks(int count) { return QString(count, u'l'); }
inline QString Gaps(int count) { return QString(count, u'_'); }

// The bits in groups of eight, separated by a blank.
inline QString Grouped(const QString &bits)
{
    QString grouped;
    for (qsizetype i = 0; i < bits.size(); ++i)
        grouped += (i > 0 && i % 8 == 0 ? QStringLiteral(" ") : QString()) + bits.at(i);
    return grouped;
}

// A leader (none when 0), then per bit a mark and a gap whose length tells
// the bit, then a closing mark.
inline QString GapCoded(int leader, const QString &bits, int mark, int zeroGap, int oneGap)
{
    QString samples = Gaps(5);
    if (leader > 0)
        samples += Marks(leader) + Gaps(40);
    for (const QChar bit : bits)
        samples += Marks(mark) + Gaps(bit == u'1' ? oneGap : zeroGap);
    return samples + Marks(mark) + Gaps(5);
}

inline QString Mode1(const QString &bits) { return GapCoded(106, bits, 7, 7, 8); }
inline QString Mode2(const QString &bits) { return GapCoded(43, bits, 7, 7, 8); }
inline QString Mode6(const QString &bits) { return GapCoded(100, bits, 7, 7, 8); }
// The first mark is the first bit's; a gap of 2.8 marks is still 0.
inline QString Mode5(const QString &bits) { return GapCoded(0, bits, 5, 14, 15); }

// A leader, then per bit a mark whose length tells the bit: 12 bits end with
// a long gap and the next frame's leader, 15 bits end after the last mark.
inline QString Mode3(const QString &bits)
{
    const bool twelve = bits.size() == 12;
    QString samples = Gaps(5) + Marks(30) + Gaps(40);
    for (qsizetype i = 0; i < bits.size(); ++i) {
        const bool last = i + 1 == bits.size();
        samples += Marks(bits.at(i) == u'1' ? 13 : 12) + Gaps(last ? (twelve ? 151 : 1) : 8);
    }
    return twelve ? samples + Marks(30) + Gaps(5) : samples;
}

// A leader and a 63-sample header, then bi-phase bits of two 5-sample halves:
// 1 is gap then mark, 0 mark then gap.
inline QString Mode4(const QString &bits)
{
    QString samples = Gaps(5) + Marks(33) + Gaps(10) + Marks(63);
    for (const QChar bit : bits)
        samples += bit == u'1' ? Gaps(5) + Marks(5) : Marks(5) + Gaps(5);
    return samples + Gaps(5);
}

} // namespace IrStreams
