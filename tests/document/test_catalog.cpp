#include "document/CardCatalog.h"
#include "support/TestMain.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

// Compares the built-in catalog against an independent copy of the list
// (tests/data/catalog.txt: "<catalog line>|<slots>" per line).
namespace {

struct Row {
    QByteArray line;
    int width;
};

QList<Row> referenceRows()
{
    QFile file(QStringLiteral(QL_TEST_DATA "/catalog.txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read catalog.txt");
    QList<Row> rows;
    for (QByteArray raw : file.readAll().split('\n')) {
        if (raw.isEmpty())
            continue;
        const qsizetype bar = raw.lastIndexOf('|');
        rows.append({raw.left(bar), raw.mid(bar + 1).toInt()});
    }
    return rows;
}

} // namespace

class TestCatalog : public QObject
{
    Q_OBJECT

private slots:
    void linesMatchByteForByte()
    {
        const QList<Row> rows = referenceRows();
        const QStringList &lines = CardCatalog::Lines();
        QCOMPARE(rows.size(), 98);
        QCOMPARE(lines.size(), rows.size());
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(lines.at(i).toLatin1(), rows.at(i).line);
    }

    void everyModelHasItsWidth()
    {
        const QList<Row> rows = referenceRows();
        for (const Row &row : rows) {
            const QString code = QString::fromLatin1(row.line.left(9));
            QVERIFY2(CardCatalog::SlotWidth(code) == row.width, qPrintable(code));
        }
    }

    void descriptionsAgreeWithWidths()
    {
        // "3 SLOT" / "1SLOT" in a description must match the width table.
        static const QRegularExpression slotCount(QStringLiteral("(\\d) ?SLOT"));
        for (const QString &line : CardCatalog::Lines()) {
            const QRegularExpressionMatch m = slotCount.match(line);
            const int named = m.hasMatch() ? m.captured(1).toInt() : 1;
            QVERIFY2(CardCatalog::SlotWidth(CardCatalog::ModelCode(line)) == named, qPrintable(line));
        }
    }

    void slotWidth_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::newRow("four") << "QL346-112" << 4;
        QTest::newRow("re-configurable") << "QL346-106" << 1;
        QTest::newRow("slot cover") << "QL508-101" << 1;
        QTest::newRow("no entry") << "QL999-999" << 1;
        QTest::newRow("lower case") << "ql346-100" << 3;
        QTest::newRow("no catalog line") << "QL346-104" << 3;
        QTest::newRow("no catalog line 2") << "QL393-105" << 3;
        QTest::newRow("twice listed") << "QL426-102" << 2;
        QTest::newRow("whole line") << "QL324-103 -  1-IN 6-OUT VGA DA" << 2;
        QTest::newRow("stored form") << "QL415-106 " << 4;
        QTest::newRow("reserved") << "RESERVED" << 1;
        QTest::newRow("empty") << "" << 1;
    }

    void slotWidth()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QCOMPARE(CardCatalog::SlotWidth(text), width);
    }

    void widthTableKeepsStoredOrder()
    {
        const QStringList &table = CardCatalog::SlotWidthTable();
        QCOMPARE(table.size(), 42);
        QCOMPARE(table.first(), QStringLiteral("QL324-103=2"));
        QCOMPARE(table.at(40), QStringLiteral("QL426-102=2"));
        QCOMPARE(table.at(41), QStringLiteral("QL426-102=2"));
    }

    void modelNumbersAndTabs_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("tabName");
        QTest::addColumn<QString>("caption");
        QTest::newRow("da") << "QL324-100" << 324100 << "QL324_100" << "324-100";
        QTest::newRow("cover") << "QL508-101" << 508101 << "QL508_101" << "508-101";
        QTest::newRow("last") << "QL437-100" << 437100 << "QL437_100" << "437-100";
    }

    void modelNumbersAndTabs()
    {
        QFETCH(QString, code);
        QFETCH(int, number);
        QFETCH(QString, tabName);
        QFETCH(QString, caption);
        QCOMPARE(CardCatalog::ModelNumber(code), number);
        QCOMPARE(CardCatalog::TabName(code), tabName);
        QCOMPARE(CardCatalog::TabCaption(code), caption);
    }

    void modelNumberRejectsMalformedCodes()
    {
        for (const char *bad : {"", "RESERVED", "QL324100 ", "QLabc-100", "XX324-100"})
            QCOMPARE(CardCatalog::ModelNumber(QString::fromLatin1(bad)), 0);
    }

    void indexOfCode()
    {
        QCOMPARE(CardCatalog::IndexOfCode(QStringLiteral("QL508-101")), 0);
        QCOMPARE(CardCatalog::IndexOfCode(QStringLiteral("QL437-100")), 97);
        QCOMPARE(CardCatalog::IndexOfCode(QStringLiteral("QL324-119")), -1);
    }
};

QL_REGISTER_TEST(TestCatalog)
#include "test_catalog.moc"
