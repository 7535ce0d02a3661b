#include "IrStreams.h"

#include "controller/IrDecoder.h"
#include "support/TestMain.h"

#include <QTest>

using namespace IrStreams;
using Status = IrDecoder::Result::Status;

class TestIrDecoder : public QObject
{
    Q_OBJECT

private slots:
    void decode_data()
    {
        QTest::addColumn<QString>("samples");
        QTest::addColumn<int>("askedMode");
        QTest::addColumn<Status>("status");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("bits");

        const QString bits32 = QStringLiteral("10110010010101110000111111000001");
        const QString bits48 = bits32 + QStringLiteral("0110100110010110");
        const QString bits16 = QStringLiteral("1100101000110101");
        const QString bits13 = QStringLiteral("1011001110001");
        const QString bits12 = QStringLiteral("101100111000");
        const QString bits15 = QStringLiteral("011010011100101");
        QTest::newRow("mode 1") << Mode1(bits32) << 0 << Status::Decoded << 1 << Grouped(bits32);
        QTest::newRow("mode 2") << Mode2(bits48) << 0 << Status::Decoded << 2 << Grouped(bits48);
        QTest::newRow("mode 3, 12 bits") << Mode3(bits12) << 0 << Status::Decoded << 3
                                         << Grouped(bits12 + "0000");
        QTest::newRow("mode 3, 15 bits") << Mode3(bits15) << 0 << Status::Decoded << 3
                                         << Grouped(bits15 + "1");
        QTest::newRow("mode 4") << Mode4(bits16) << 0 << Status::Decoded << 4 << Grouped(bits16);
        QTest::newRow("mode 5") << Mode5(bits13) << 0 << Status::Decoded << 5
                                << Grouped("000" + bits13);
        QTest::newRow("mode 6") << Mode6(bits16) << 0 << Status::Decoded << 6 << Grouped(bits16);
        QTest::newRow("ticked mode, any leader") << GapCoded(60, bits16, 7, 7, 8) << 6
                                                 << Status::Decoded << 6 << Grouped(bits16);

        QTest::newRow("empty") << QString() << 0 << Status::Incomplete << 0 << QString();
        QTest::newRow("no mark") << Gaps(900) << 0 << Status::Incomplete << 0 << QString();
        QTest::newRow("no mode") << GapCoded(60, bits32, 7, 7, 8) << 0 << Status::NoMode << 0
                                 << QString();
        QTest::newRow("mode 1 cut short") << Mode1(bits32).left(400) << 0 << Status::Incomplete
                                          << 1 << QString();
        QTest::newRow("mode 3 without next frame") << Mode3(bits12).chopped(35) << 0
                                                   << Status::Incomplete << 3 << QString();
        QTest::newRow("mode 4 header only") << Mode4(bits16).left(100) << 0 << Status::Incomplete
                                            << 4 << QString();
        QTest::newRow("mode 5 cut short") << Mode5(bits13).left(100) << 0 << Status::Incomplete
                                          << 5 << QString();
    }

    void decode()
    {
        QFETCH(QString, samples);
        QFETCH(int, askedMode);
        QFETCH(Status, status);
        QFETCH(int, mode);
        QFETCH(QString, bits);
        const IrDecoder::Result result = IrDecoder::Decode(samples, askedMode);
        QCOMPARE(result.status, status);
        QCOMPARE(result.mode, mode);
        QCOMPARE(result.bits, bits);
    }

    void detectModeBounds()
    {
        const QList<QPair<int, int>> lengths = {
            {2, 0},   {3, 5},   {7, 5},   {8, 0},   {28, 0},  {29, 3},  {31, 3},  {32, 4},
            {34, 4},  {35, 0},  {41, 0},  {42, 2},  {44, 2},  {45, 0},  {98, 0},  {99, 6},
            {102, 6}, {103, 0}, {104, 1}, {108, 1}, {109, 0},
        };
        for (const auto &[length, mode] : lengths)
            QVERIFY2(IrDecoder::DetectMode(length) == mode, qPrintable(QString::number(length)));
    }
};

QL_REGISTER_TEST(TestIrDecoder)

#include "test_irdecoder.moc"
