#include "controller/IrDecoder.h"
#include "support/TestMain.h"
#include "unit/IrEncoder.h"

#include <QRegularExpression>

#include <stdexcept>

namespace {

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
        QTest::newRow("1, ones") << 1 << QString(32, u'1');
        QTest::newRow("2") << 2 << "01000000 00000100 00000001 00000000 10111100 10111101";
        QTest::newRow("2, ones") << 2 << QString(48, u'1');
        QTest::newRow("3, 12 bits") << 3 << "10010000 1011 0000";
        QTest::newRow("3, 12 bits ending in 1") << 3 << "00000000 0001 0000";
        QTest::newRow("3, 15 bits") << 3 << "11010000 1000000 1";
        QTest::newRow("4") << 4 << "11000000 00001100";
        QTest::newRow("4, alternating") << 4 << "01010101 10101010";
        QTest::newRow("4, ones") << 4 << "11111111 11111111";
        QTest::newRow("4, zeros") << 4 << "00000000 00000000";
        QTest::newRow("5") << 5 << "00010110 00100111";
        QTest::newRow("6") << 6 << "1010000001011111";
        QTest::newRow("6, ones") << 6 << QString(16, u'1');
    }
    void readsBackInEveryMode()
    {
        QFETCH(int, mode);
        QFETCH(QString, bits);
        const QString samples = IrEncoder::Encode(bits, mode);
        QVERIFY(samples.size() >= IrEncoder::MinimumLength);
        QVERIFY(!samples.contains(QRegularExpression(QStringLiteral("[^l_]"))));

        // The program's own decoder, detecting the mode, reads the bits back,
        // also with every edge a sample early or late, from whatever it holds
        // once it has MinimumLength samples.
        const QString digits = QString(bits).remove(u' ');
        for (const QString &stream : {samples, Jittered(samples, 0), Jittered(samples, 1)}) {
            for (qsizetype held = qMin<qsizetype>(IrEncoder::MinimumLength, stream.size());
                 held <= stream.size(); ++held) {
                const IrDecoder::Result read = IrDecoder::Decode(stream.left(held), 0);
                QCOMPARE(read.status, IrDecoder::Result::Status::Decoded);
                QCOMPARE(read.mode, mode);
                QCOMPARE(QString(read.bits).remove(u' '), digits);
            }
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
