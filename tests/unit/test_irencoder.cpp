#include "support/TestMain.h"
#include "unit/IrEncoder.h"

#include <QRegularExpression>

#include <algorithm>

#include <stdexcept>

namespace {

// The program's reading of a learner stream with mode detection, step by
// step: cut(c) drops the front up to and including the first c, find(c) is
// the 1-based position of the first c. Bits come without grouping blanks.
class ReadBack
{
public:
    explicit ReadBack(QString samples) : m_s(std::move(samples)) {}

    QString Bits()
    {
        Cut('l');
        const int leader = Find('_');
        const bool in[] = {leader > 103 && leader < 109, leader > 41 && leader < 45, leader > 28 && leader < 32,
                           leader >= 32 && leader < 35,  leader >= 3 && leader <= 7,  leader > 98 && leader <= 102};
        mode = static_cast<int>(std::find(std::begin(in), std::end(in), true) - std::begin(in)) + 1;
        if (mode != 5) {
            Cut('_');
            Cut('l');
        }
        if (mode == 1 || mode == 2 || mode == 6)
            Pairs(mode == 1 ? 32 : mode == 2 ? 48 : 16, 1.0);
        else if (mode == 3)
            PulseWidths();
        else if (mode == 4)
            Halves();
        if (mode == 5) {
            m_bits = QStringLiteral("000");
            Pairs(13, 2.8);
        }
        return m_bits;
    }
    int mode = 0;         // 7 when none was detected
    bool ranOut = false;  // a step met the end of the samples

private:
    void Cut(char c) { m_s.remove(0, Find(c)); }
    int Find(char c)
    {
        const int at = static_cast<int>(m_s.indexOf(QLatin1Char(c))) + 1;
        ranOut = ranOut || at == 0;
        return at;
    }
    void Bit(bool one) { m_bits += one ? u'1' : u'0'; }
    void Pairs(int count, double limit)
    {
        for (int i = 0; i < count; ++i) {
            const int h = Find('_');
            Cut('_');
            const int g = Find('l');
            Cut('l');
            Bit(static_cast<double>(g) / h > limit);
        }
    }
    void PulseWidths()
    {
        int p = 0;
        for (int pass = 1; pass <= 15; ++pass) {
            const int h = Find('_');
            Cut('_');
            if (p < 300)
                Bit(h > 12);
            if (p != 400 && p != 401) {
                p = Find('l');
                if (pass == 12 && p > 150)
                    p = 400;
                if (pass == 15 && p > 150)
                    p = 401;
            }
            Cut('l');
        }
        m_bits += p == 400 ? QStringLiteral("0000") : QStringLiteral("1");
    }
    void Halves()
    {
        m_s.remove(0, 64);
        for (int pass = 0; pass < 16; ++pass) {
            const bool one = m_s.startsWith(u'_');
            Cut(one ? 'l' : '_');
            const int run = Find(one ? '_' : 'l');
            if (one ? run >= 9 : run > 7)
                m_s.remove(0, one ? 6 : 5);
            else
                Cut(one ? '_' : 'l');
            Bit(one);
        }
    }

    QString m_s;
    QString m_bits;
};

// Every run of equal samples one longer or shorter, alternately: each edge
// one sample early or late.
QString Jittered(const QString &samples, int phase)
{
    static const QRegularExpression runs(QStringLiteral("l+|_+"));
    QString result;
    int index = phase;
    for (const QRegularExpressionMatch &run : runs.globalMatch(samples)) {
        const qsizetype length = run.capturedLength() + (index++ % 2 == 0 ? 1 : -1);
        result += QString(length, run.captured().front());
    }
    return result;
}

} // namespace

class TestIrEncoder : public QObject
{
    Q_OBJECT

private slots:
    void readsBackInEveryMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("bits");
        QTest::newRow("1") << 1 << "10100000 01011111 00010000 11101111";
        QTest::newRow("1, edges") << 1 << "00000000 11111111 00000000 11111111";
        QTest::newRow("2") << 2 << "01000000 00000100 00000001 00000000 10111100 10111101";
        QTest::newRow("3, 12 bits") << 3 << "10010000 1011 0000";
        QTest::newRow("3, 12 bits ending in 1") << 3 << "00000000 0001 0000";
        QTest::newRow("3, 15 bits") << 3 << "11010000 1000000 1";
        QTest::newRow("4") << 4 << "11000000 00001100";
        QTest::newRow("4, alternating") << 4 << "01010101 10101010";
        QTest::newRow("4, ones") << 4 << "11111111 11111111";
        QTest::newRow("4, zeros") << 4 << "00000000 00000000";
        QTest::newRow("5") << 5 << "00010110 00100111";
        QTest::newRow("6") << 6 << "1010000001011111";
    }
    void readsBackInEveryMode()
    {
        QFETCH(int, mode);
        QFETCH(QString, bits);
        const QString samples = IrEncoder::Encode(bits, mode);
        QVERIFY(samples.size() >= IrEncoder::MinimumLength);
        QVERIFY(!samples.contains(QRegularExpression(QStringLiteral("[^l_]"))));

        const QString digits = QString(bits).remove(u' ');
        ReadBack exact(samples);
        QCOMPARE(exact.Bits(), digits);
        QCOMPARE(exact.mode, mode);
        QVERIFY(!exact.ranOut);
        for (int phase : {0, 1}) {
            ReadBack jittered(Jittered(samples, phase));
            QCOMPARE(jittered.Bits(), digits);
            QCOMPARE(jittered.mode, mode);
        }
    }

    void refusesBitsAModeCannotCarry_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("bits");
        QTest::addColumn<QString>("problem");
        QTest::newRow("mode 7") << 7 << "1" << "IR mode 7 does not exist: modes are 1 to 6";
        QTest::newRow("letter") << 6 << "1010x" << "IR bits are 0 and 1 (blanks allowed), not \"x\"";
        QTest::newRow("too many") << 6 << QString(17, u'1') << "IR mode 6 takes 16 bits, not 17";
        QTest::newRow("mode 3 tail") << 3 << "10101010 10101010"
                                     << "IR mode 3 bits end in 0000 (12 data bits) or 1 (15 data bits)";
        QTest::newRow("mode 5 head") << 5 << "10010110 00100111" << "IR mode 5 bits begin with 000";
    }
    void refusesBitsAModeCannotCarry()
    {
        QFETCH(int, mode);
        QFETCH(QString, bits);
        QFETCH(QString, problem);
        QCOMPARE(IrEncoder::Problem(bits, mode), problem);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, IrEncoder::Encode(bits, mode));
    }
};

QL_REGISTER_TEST(TestIrEncoder)
#include "test_irencoder.moc"
