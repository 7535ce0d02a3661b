#include "CardModels.h"
#include "Palette.h"
#include "document/CardCatalog.h"
#include "support/TestMain.h"

#include <QBuffer>
#include <QImageReader>
#include <QRegularExpression>

namespace {

QImage ReadBmp(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, "BMP").read();
}

const CardModel *ModelOf(const QString &code)
{
    for (const CardModel &model : CardModels())
        if (model.code == code)
            return &model;
    return nullptr;
}

// Channels on the face under the legend `word` ("IN", "OUT"); "<word> L/R"
// legends are stereo pairs.
int FaceCount(const CardModel &model, const QString &word)
{
    int count = 0;
    for (const ConnectorGroup &group : model.face) {
        if (group.legend == word)
            count += group.count;
        else if (group.legend == word + QStringLiteral(" L/R"))
            count += group.count / 2;
    }
    return count;
}

} // namespace

class TestArtgen : public QObject
{
    Q_OBJECT

private slots:
    void rowForEveryPictureCode()
    {
        QStringList codes;
        for (const CardModel &model : CardModels())
            codes.append(model.code);
        for (const QString &line : CardCatalog::Lines())
            QCOMPARE(codes.count(CardCatalog::ModelCode(line)), 1);
        for (const QString &code : CardCatalog::ExtraPictureCodes())
            QCOMPARE(codes.count(code), 1);
        QCOMPARE(codes.size(), CardCatalog::Lines().size() + CardCatalog::ExtraPictureCodes().size());
    }

    void connectorCountsFollowTheDescription()
    {
        // "1-IN 6-OUT", "16 X 8" and "8 BNC INPUTS" name the connectors a face shows.
        static const QRegularExpression inOut(QStringLiteral("^(\\d+)-IN (\\d+)-OUT"));
        static const QRegularExpression matrix(QStringLiteral("^(\\d+) [Xx] (\\d+) "));
        static const QRegularExpression run(QStringLiteral("^(\\d+) (?:BNC|AUDIO|UTP|FIBER) +(?:KEYBOARD/MOUSE +)?(INPUTS|OUTPUTS)"));
        int checked = 0;
        for (const CardModel &model : CardModels()) {
            auto m = inOut.match(model.description);
            if (!m.hasMatch())
                m = matrix.match(model.description);
            if (m.hasMatch() && FaceCount(model, QStringLiteral("IN")) > 0) {
                QCOMPARE(FaceCount(model, QStringLiteral("IN")), m.captured(1).toInt());
                QCOMPARE(FaceCount(model, QStringLiteral("OUT")), m.captured(2).toInt());
                ++checked;
            }
            const auto r = run.match(model.description);
            if (r.hasMatch()) {
                const QString legend = r.captured(2) == QLatin1String("INPUTS") ? QStringLiteral("IN") : QStringLiteral("OUT");
                QVERIFY2(FaceCount(model, legend) == r.captured(1).toInt(), qPrintable(model.code));
                ++checked;
            }
        }
        QVERIFY(checked > 50);
    }

    void diagramLinesFollowTheDescription()
    {
        static const QRegularExpression inOut(QStringLiteral("^(\\d+)-IN (\\d+)-OUT"));
        static const QRegularExpression matrix(QStringLiteral("^(\\d+) [Xx] (\\d+) "));
        for (const CardModel &model : CardModels()) {
            auto m = inOut.match(model.description);
            if (!m.hasMatch())
                m = matrix.match(model.description);
            if (!m.hasMatch())
                continue;
            // Each signal kind ("VIDEO, S-VIDEO SWITCHER") has the named inputs and outputs.
            for (const Signal &input : model.inputs)
                QVERIFY2(input.count == m.captured(1).toInt(), qPrintable(model.code));
            for (const Signal &output : model.outputs)
                QVERIFY2(output.count == m.captured(2).toInt(), qPrintable(model.code));
        }
    }

    void slotWidthsAndDiagrams()
    {
        for (const CardModel &model : CardModels()) {
            QCOMPARE(model.slotWidth, CardCatalog::SlotWidth(model.code));
            const bool withoutDiagram = model.code == QLatin1String("QL508-101") || model.code == QLatin1String("QL368-204");
            QCOMPARE(model.diagramWidth == 0, withoutDiagram);
        }
        QCOMPARE(ModelOf(QStringLiteral("QL324-101"))->diagramWidth, 218);
    }

    void features_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QStringList>("features");
        QTest::newRow("DA") << "1-IN 6-OUT VIDEO DA; 425 MHZ; OUT CNTRL; GLI;  1 SLOT; "
                            << QStringList{"425 MHZ", "GLI", "OUTPUT CONTROL"};
        QTest::newRow("expandable") << "6-IN 1-OUT VGA SWITCHER; 350 MHZ; EXPAND;  2 SLOT"
                                    << QStringList{"350 MHZ", "EXPANDABLE"};
        QTest::newRow("short form") << "8-IN 1-OUT STEREO AUDIO SWITCHER (3.5MM IN; TB OUT) 1 SLOT; EXP; "
                                    << QStringList{"EXPANDABLE"};
        QTest::newRow("expansion card is not expandable") << "8-OUT VIDEO DA EXPANSION 1 SLOT; 425 MHZ; "
                                                          << QStringList{"425 MHZ"};
        QTest::newRow("balanced once") << "8 AUDIO OUTPUTS; MONO, BALANCED TB; GAIN CONTROL; BAL. IN/OUT;"
                                       << QStringList{"GAIN CONTROL", "BALANCED"};
        QTest::newRow("nothing") << "QUILLON CARD SLOT COVER (1 PC.)" << QStringList{};
    }

    void features()
    {
        QFETCH(QString, description);
        QFETCH(QStringList, features);
        QCOMPARE(Features(description), features);
    }

    void indexedKeepsFewColoursExactly()
    {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(qRgb(200, 201, 205));
        for (int x = 0; x < 40; ++x)
            picture.setPixel(x, 10, qRgb(16, 16, 96));
        picture.setPixel(3, 3, qRgb(255, 0, 0));
        const QImage indexed = Palette::ToIndexed(picture);
        QCOMPARE(indexed.format(), QImage::Format_Indexed8);
        QCOMPARE(indexed.convertToFormat(QImage::Format_RGB32), picture);
    }

    void indexedKeepsGradientsSmooth()
    {
        // A brushed-metal plate: a grey ramp across, with dark shapes on it.
        QImage picture(256, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 256; ++x)
                picture.setPixel(x, y, (x / 16 + y / 16) % 5 == 0 ? qRgb(20, 20, 90) : qRgb(x, x, x));
        const QImage back = Palette::ToIndexed(picture).convertToFormat(QImage::Format_RGB32);
        int worst = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 256; ++x) {
                const QRgb a = picture.pixel(x, y), b = back.pixel(x, y);
                worst = std::max({worst, qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))});
            }
        QVERIFY2(worst <= 4, qPrintable(QString::number(worst)));
    }

    void runLengthBitmapReadsBack_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("runs") << 300 << "aaaaaaaaaabbbbbbbbbbbbbbbbbbbbccc";
        QTest::newRow("literals, odd") << 37 << "abcdefg";
        QTest::newRow("literals, even") << 40 << "abcdefgh";
        QTest::newRow("pairs") << 31 << "aabbccdd";
        QTest::newRow("mixed") << 600 << "abaaaaabcbcbcbccccccccccccccccccccccccccccccdda";
        QTest::newRow("one pixel") << 1 << "a";
        QTest::newRow("two pixels") << 2 << "ab";
    }

    void runLengthBitmapReadsBack()
    {
        QFETCH(int, width);
        QFETCH(QString, pattern);
        QImage indexed(width, 5, QImage::Format_Indexed8);
        QList<QRgb> colours;
        for (int k = 0; k < 8; ++k)
            colours.append(qRgb(30 * k, 255 - 30 * k, 7 * k));
        indexed.setColorTable(colours);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < width; ++x)
                indexed.setPixel(x, y, (pattern.at((x + y) % pattern.size()).unicode() - 'a') % 8);
        const QImage back = ReadBmp(Palette::EncodeBmpRle8(indexed));
        QVERIFY(!back.isNull());
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), indexed.convertToFormat(QImage::Format_RGB32));
    }

    void runLengthBitmapIsSmall()
    {
        QImage indexed(2000, 500, QImage::Format_Indexed8);
        indexed.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        indexed.fill(0);
        for (int y = 100; y < 200; ++y)
            for (int x = 300; x < 900; ++x)
                indexed.setPixel(x, y, 1);
        const QByteArray bmp = Palette::EncodeBmpRle8(indexed);
        QVERIFY(bmp.size() < 2000 * 500 / 50);
        QCOMPARE(ReadBmp(bmp).pixel(400, 150), qRgb(255, 255, 255));
        QCOMPARE(ReadBmp(bmp).pixel(1000, 150), qRgb(0, 0, 0));
    }
};

QL_REGISTER_TEST(TestArtgen)
#include "test_artgen.moc"
