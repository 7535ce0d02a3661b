#include "controller/CardMemory.h"
#include "support/TestMain.h"

#include <QTest>

class TestCardMemory : public QObject
{
    Q_OBJECT

private slots:
    void saveCommands_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<bool>("ir");
        QTest::addColumn<bool>("append");
        QTest::addColumn<QStringList>("pieces");  // prefix digit and piece, "1:ABC"

        QTest::newRow("ten") << "ABCDEFGHIJ" << false << false << QStringList{"1:ABCDEFGH", "0:IJ"};
        QTest::newRow("exactly 8") << "ABCDEFGH" << false << false
                                   << QStringList{"1:ABCDEFGH", "0:"};
        QTest::newRow("empty, append") << "" << false << true << QStringList{"0:"};
        QTest::newRow("append") << "ABCDEFGHIJ" << false << true
                                << QStringList{"0:ABCDEFGH", "0:IJ"};
        QTest::newRow("leading %") << "%AB" << false << false << QStringList{"0:|AB"};
        QTest::newRow("% inside") << "AB%CD" << false << false << QStringList{"1:AB", "0:|CD"};
        QTest::newRow("% fills a piece") << "%1234567X" << false << false
                                         << QStringList{"0:|1234567", "0:X"};
        QTest::newRow("%%") << "A%%" << false << false << QStringList{"1:A", "0:|", "0:|"};
        QTest::newRow("IR with blanks") << "1010 1100 11" << true << false
                                        << QStringList{"1:10101100", "0:11"};
        QTest::newRow("IR other characters") << "1x0-1 2%" << true << false << QStringList{"1:101"};
        QTest::newRow("IR exactly 8") << "11110000" << true << false << QStringList{"1:11110000"};
        QTest::newRow("IR empty") << " " << true << false << QStringList{};
        QTest::newRow("IR append") << "101" << true << true << QStringList{"0:101"};
    }

    void saveCommands()
    {
        QFETCH(QString, data);
        QFETCH(bool, ir);
        QFETCH(bool, append);
        QFETCH(QStringList, pieces);
        QStringList expected;
        for (const QString &piece : pieces)
            expected << QStringLiteral("[SAV%1%2,%3,M%vC%c]")
                            .arg(ir ? "IR" : "RS", piece.section(':', 0, 0), piece.section(':', 1));
        QCOMPARE(CardMemory::SaveCommands(data, ir, append), expected);
    }

    void clampedNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("number");
        QTest::newRow("0") << "0" << "1" << 1;
        QTest::newRow("-5") << "-5" << "1" << 1;
        QTest::newRow("abc") << "abc" << "1" << 1;
        QTest::newRow("empty") << "" << "1" << 1;
        QTest::newRow("65") << "65" << "64" << 64;
        QTest::newRow("huge") << "99999999999999999999" << "64" << 64;
        QTest::newRow("digits then letters") << "12ab" << "12ab" << 12;
    }

    void clampedNumber()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, number);
        QCOMPARE(CardMemory::Clamped(typed), shown);
        QCOMPARE(CardMemory::LeadingNumber(shown), number);
    }

    void unsendableCharacters()
    {
        QCOMPARE(CardMemory::FirstUnsendable(QStringLiteral("caf\u00e9 \u00ff%")), char32_t(0));
        QCOMPARE(CardMemory::FirstUnsendable(QStringLiteral("A\u20acB\u0100")), char32_t(0x20AC));
        QCOMPARE(CardMemory::FirstUnsendable(QString::fromUcs4(U"x\U0001F600")), char32_t(0x1F600));
    }
};

QL_REGISTER_TEST(TestCardMemory)

#include "test_cardmemory.moc"
