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

    // RS-232 data that the line would carry altered is refused, naming the
    // first such character and its position.
    void serialDataProblems_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<bool>("blanks");  // AllowSpace
        QTest::addColumn<bool>("returns"); // AllowCR
        QTest::addColumn<QString>("begins"); // empty: no problem
        const QString end = "would end the save command early.";
        QTest::newRow("percent and Latin-1") << QStringLiteral("50%ab\u00e9\u00ff") << false
                                             << false << "";
        QTest::newRow("blank") << "AB CD" << false << true
                               << "The blank at position 3 would not reach the unit: the program "
                                  "drops blanks unless \"AllowSpace\" is on in the settings.";
        QTest::newRow("blank kept") << "AB CD" << true << false << "";
        QTest::newRow("tab") << "A\tB" << true << false
                             << "The tab at position 2 would not reach the unit: the program "
                                "drops tabs unless \"AllowCR\" is on in the settings.";
        QTest::newRow("carriage return") << "AB\r" << true << false
                                         << "The carriage return at position 3 would not reach";
        QTest::newRow("tab and return kept") << "A\tB\r" << false << true << "";
        QTest::newRow("bar") << "50|" << true << true
                             << "The character \"|\" at position 3 would reach the unit as \"%\".";
        QTest::newRow("bracket") << "ON]X" << true << true
                                 << "The character \"]\" at position 3 " + end;
        QTest::newRow("brace") << "}" << true << true << "The character \"}\" at position 1 " + end;
        QTest::newRow("flush marker") << "AB^" << true << true
                                      << "The character \"^\" at position 3 " + end;
        QTest::newRow("first one named") << "A B]" << false << false
                                         << "The blank at position 2 ";
        QTest::newRow("beyond Latin-1") << QStringLiteral("A\u20acB") << true << true
                                        << QStringLiteral("The character \"\u20ac\" at position 2 "
                                                          "(U+20AC) cannot be sent to the unit.");
        QTest::newRow("one character, two code units")
            << QString::fromUcs4(U"\U0001F600]") << true << true
            << QStringLiteral("The character \"\U0001F600\" at position 1 (U+1F600)");
    }
    void serialDataProblems()
    {
        QFETCH(QString, data);
        QFETCH(bool, blanks);
        QFETCH(bool, returns);
        QFETCH(QString, begins);
        const QString problem = CardMemory::SerialDataProblem(data, {blanks, returns});
        if (begins.isEmpty()) {
            QCOMPARE(problem, QString());
        } else {
            QVERIFY2(problem.startsWith(begins), qPrintable(problem));
            QVERIFY(problem.contains("Nothing was saved"));
        }
    }
};

QL_REGISTER_TEST(TestCardMemory)

#include "test_cardmemory.moc"
