#include "document/PartsList.h"
#include "document/QlsDoc.h"
#include "support/TestMain.h"

#include <QTest>

namespace {

using Cards = QList<QPair<int, QString>>;

const QString Matrix3 =
    QStringLiteral("QL346-100 -  16 X 8 VIDEO MATRIX SWITCHER; 425 MHZ; GLI;  3 SLOT;");
const QString VideoDa = QStringLiteral("QL324-100 ");
const QByteArray Header = "Model,Description,Quantity,Slots\r\n";
const QByteArray VideoDaDescription = "1-IN 6-OUT VIDEO DA; 425 MHZ; OUT CNTRL; GLI;  1 SLOT;";
const QByteArray Cover = "QL508-101,QUILLON CARD SLOT COVER (1 PC.),";

} // namespace

class TestPartsList : public QObject
{
    Q_OBJECT
private slots:
    void csv_data()
    {
        QTest::addColumn<int>("enclosure");
        QTest::addColumn<Cards>("cards");
        QTest::addColumn<QByteArray>("csv");

        QTest::newRow("empty design: every slot needs a cover")
            << 0 << Cards{}
            << Header + "QL311-102,20-SLOT ENCLOSURE,1,\r\n" + Cover
                   + "20,\"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20\"\r\n";
        QTest::newRow("reserved slots count nothing; one row per model in code order")
            << 3 << Cards{{4, VideoDa}, {3, Matrix3}}
            << Header + "QL311-106,4-SLOT ENCLOSURE,1,\r\n"
                   + "QL324-100," + VideoDaDescription + ",1,4\r\n"
                   + "QL346-100,16 X 8 VIDEO MATRIX SWITCHER; 425 MHZ; GLI;  3 SLOT;,1,3\r\n";
        QTest::newRow("a chosen slot cover counts with the empty slots")
            << 3 << Cards{{2, QStringLiteral("QL508-101 ")}, {4, VideoDa}, {1, VideoDa}}
            << Header + "QL311-106,4-SLOT ENCLOSURE,1,\r\n"
                   + "QL324-100," + VideoDaDescription + ",2,\"1,4\"\r\n" + Cover + "2,\"2,3\"\r\n";
        QTest::newRow("slots beyond the enclosure count nothing")
            << 2 << Cards{{1, VideoDa}, {2, VideoDa}, {3, VideoDa}, {4, VideoDa}, {5, VideoDa},
                          {6, VideoDa}, {7, VideoDa}, {8, VideoDa}, {12, VideoDa}}
            << Header + "QL311-101,8-SLOT ENCLOSURE,1,\r\n"
                   + "QL324-100," + VideoDaDescription + ",8,\"1,2,3,4,5,6,7,8\"\r\n";
        QTest::newRow("enclosure without a model code")
            << 5 << Cards{{1, VideoDa}}
            << Header + ",1-SLOT ENCLOSURE,1,\r\n" + "QL324-100," + VideoDaDescription + ",1,1\r\n";
        QTest::newRow("unknown model: its own text, quoted, in UTF-8")
            << 4
            << Cards{{1, QStringLiteral("QL999-001 -  \"BETA\" CARD, CAF\u00C9 ")}, {2, VideoDa}}
            << Header + ",2-SLOT ENCLOSURE,1,\r\n"
                   + "QL324-100," + VideoDaDescription + ",1,2\r\n"
                   + "QL999-001,\"\"\"BETA\"\" CARD, CAF\xC3\x89\",1,1\r\n";
    }
    void csv()
    {
        QFETCH(int, enclosure);
        QFETCH(Cards, cards);
        QFETCH(QByteArray, csv);
        TQlsDoc doc;
        for (const auto &[slot, text] : cards)
            doc.PlaceCard(slot, text);
        doc.SetEnclosure(enclosure);
        QCOMPARE(PartsList::Csv(doc), csv);
    }
};

QL_REGISTER_TEST(TestPartsList)
#include "test_partslist.moc"
