#include "app/QlError.h"
#include "document/Artwork.h"
#include "document/CardCatalog.h"
#include "document/EnclosurePicture.h"
#include "document/QlsDoc.h"
#include "support/TestMain.h"

#include <QTransform>

namespace {

QString LineOf(const QString &code)
{
    return CardCatalog::Lines().at(CardCatalog::IndexOfCode(code));
}

// What a card looks like at a slot place: upright, or turned a quarter clockwise.
QImage AsPlaced(const QImage &card, bool turned)
{
    const QImage upright = card.convertToFormat(QImage::Format_RGB32);
    return turned ? upright.transformed(QTransform().rotate(90)) : upright;
}

QRect Area(const Artwork::SlotPlace &place, QSize placed)
{
    return place.turned ? QRect(QPoint(place.x - placed.width(), place.y), placed)
                        : QRect(QPoint(place.x, place.y), placed);
}

// A wide card may reach a pixel or two into the next slot, whose picture is
// drawn later: compare what stays visible, `slotWidth` slot pitches less two.
QRect Visible(const QRect &area, bool turned, int slotWidth, int pitch)
{
    QRect visible = area;
    if (turned)
        visible.setHeight(std::min(area.height(), slotWidth * pitch - 2));
    else
        visible.setWidth(std::min(area.width(), slotWidth * pitch - 2));
    return visible;
}

// Compares the visible part of a placed card with the picture.
bool ShowsCard(const QImage &picture, const Artwork::SlotPlace &place, const QImage &placed, int slotWidth,
               int pitch)
{
    const QRect visible = Visible(Area(place, placed.size()), place.turned, slotWidth, pitch);
    return picture.copy(visible) == placed.copy(QRect(QPoint(0, 0), visible.size()));
}

} // namespace

class TestEnclosurePicture : public QObject
{
    Q_OBJECT

private slots:
    void cardAtItsLowestSlot_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("lowest");
        QTest::addColumn<bool>("highResolution");
        QTest::newRow("20 slots, slot 1") << 0 << 1 << "QL324-100" << 1 << false;
        QTest::newRow("20 slots, slot 20") << 0 << 20 << "QL324-100" << 20 << false;
        QTest::newRow("20 slots, four wide in 6") << 0 << 6 << "QL346-112" << 3 << false;
        QTest::newRow("19 slots, two wide in 19") << 1 << 19 << "QL324-103" << 18 << false;
        QTest::newRow("8 slots, slot 3 turned") << 2 << 3 << "QL335-100" << 3 << false;
        QTest::newRow("8 slots, two wide in 8 turned") << 2 << 8 << "QL346-102" << 7 << false;
        QTest::newRow("8 slots, slot 5 turned") << 2 << 5 << "QL379-102" << 5 << false;
        QTest::newRow("4 slots, four wide turned") << 3 << 4 << "QL346-112" << 1 << false;
        QTest::newRow("4 slots, slot 2 turned") << 3 << 2 << "QL415-104" << 2 << false;
        QTest::newRow("high resolution, 4 slots, turned") << 3 << 3 << "QL324-113" << 3 << true;
        QTest::newRow("high resolution, 8 slots, two wide turned") << 2 << 6 << "QL324-103" << 5 << true;
        QTest::newRow("high resolution, 20 slots, upright") << 0 << 2 << "QL335-102" << 1 << true;
    }

    void cardAtItsLowestSlot()
    {
        QFETCH(int, kind);
        QFETCH(int, slot);
        QFETCH(QString, code);
        QFETCH(int, lowest);
        QFETCH(bool, highResolution);
        const int scale = highResolution ? Artwork::HiResScale : 1;
        const int pitch = highResolution ? 247 : 31;
        TQlsDoc doc;
        doc.SetEnclosure(kind);
        doc.PlaceCard(slot, LineOf(code));
        const QImage picture = EnclosurePicture::RenderPicture(doc, highResolution);
        QCOMPARE(picture.size(), Artwork::EnclosureSize(kind) * scale);

        const Artwork::SlotPlaces places =
            highResolution ? Artwork::HiResPlaces(kind) : Artwork::NormalPlaces(kind);
        const Artwork::SlotPlace place = places[lowest - 1];
        const QImage card = highResolution ? Artwork::HiResPicture(code) : Artwork::Picture(code);
        const QImage expected = AsPlaced(card, place.turned);
        if (highResolution)
            QCOMPARE(expected.height(),
                     place.turned ? Artwork::CardWidth(CardCatalog::SlotWidth(code)) * 8 : 255 * 8);
        QVERIFY(ShowsCard(picture, place, expected, CardCatalog::SlotWidth(code), pitch));
    }

    void emptySlotsShowCovers()
    {
        for (int kind = 0; kind < 4; ++kind) {
            TQlsDoc doc;
            doc.SetEnclosure(kind);
            const QImage picture = EnclosurePicture::RenderPicture(doc, false);
            const Artwork::SlotPlaces places = Artwork::NormalPlaces(kind);
            for (int slot = 1; slot <= Artwork::SlotCount(kind); ++slot) {
                const QImage cover = AsPlaced(Artwork::Picture(Artwork::SlotCover), places[slot - 1].turned);
                QCOMPARE(picture.copy(Area(places[slot - 1], cover.size())), cover);
            }
        }
    }

    void reservedSlotsAreCoveredByTheWideCard()
    {
        // A three-wide card in slot 5 of the 20-slot enclosure covers slots 3 and 4; no
        // slot cover is drawn over it, and slot 6 keeps its cover.
        Artwork::SlotPlaces places = Artwork::NormalPlaces(0);
        const QStringList texts = {QString(), QString(), QStringLiteral("RESERVED"), QStringLiteral("RESERVED"),
                                   LineOf(QStringLiteral("QL346-100"))};
        const QImage picture = EnclosurePicture::Render(0, places, texts, false);
        const QImage card = AsPlaced(Artwork::Picture(QStringLiteral("QL346-100")), false);
        QVERIFY(ShowsCard(picture, places[2], card, 3, 31));
        const QImage cover = AsPlaced(Artwork::Picture(Artwork::SlotCover), false);
        QCOMPARE(picture.copy(Area(places[5], cover.size())), cover);
    }

    void documentGeometryIsUsed()
    {
        // A card drawn at the design's own slot geometry, not at the kind's table
        // (here beside the slots, where no other picture covers it).
        Artwork::SlotPlaces places = Artwork::NormalPlaces(0);
        places[0] = {632, 10, false};
        const QImage picture
            = EnclosurePicture::Render(0, places, {LineOf(QStringLiteral("QL324-102"))}, false);
        const QImage card = AsPlaced(Artwork::Picture(QStringLiteral("QL324-102")), false);
        QCOMPARE(picture.copy(QRect(QPoint(632, 10), card.size())), card);
    }

    void unknownModelsAndTheFileFormOfTexts()
    {
        Artwork::SlotPlaces places = Artwork::NormalPlaces(0);
        const QImage empty = EnclosurePicture::Render(0, places, {}, false);
        // An unknown model draws nothing; a text read from a file is the code and a blank.
        const QImage unknown = EnclosurePicture::Render(0, places, {QStringLiteral("QL999-999 ")}, false);
        QCOMPARE(unknown.copy(Area(places[0], QSize(30, 255))),
                 Artwork::Picture(Artwork::EnclosureName(0)).convertToFormat(QImage::Format_RGB32)
                     .copy(Area(places[0], QSize(30, 255))));
        const QImage shortForm = EnclosurePicture::Render(0, places, {QStringLiteral("QL324-105 ")}, false);
        QCOMPARE(shortForm.copy(Area(places[0], QSize(30, 255))), AsPlaced(Artwork::Picture(QStringLiteral("QL324-105")), false));
        QVERIFY(empty != unknown);
    }

    void wideCardWithoutRoomIsSkipped()
    {
        // A file may put a four-wide card into slot 2; it has no lowest slot and is skipped.
        const QImage picture = EnclosurePicture::Render(0, Artwork::NormalPlaces(0),
                                                        {QString(), LineOf(QStringLiteral("QL346-112"))}, false);
        const QImage cover = AsPlaced(Artwork::Picture(Artwork::SlotCover), false);
        QCOMPARE(picture.copy(Area(Artwork::NormalPlaces(0)[0], cover.size())), cover);
    }

    void kindsWithoutPictureDrawNothing()
    {
        for (int kind : {4, 5}) {
            QImage picture;
            try {
                picture = EnclosurePicture::Render(kind, Artwork::NormalPlaces(0), {}, false);
                QVERIFY(picture.isNull());
                picture = EnclosurePicture::Render(kind, Artwork::NormalPlaces(0), {}, true);
                QVERIFY(picture.isNull());
            } catch (const QlError &error) {
                QFAIL(qPrintable(error.message()));
            }
        }
    }

    void highResolutionPlaces()
    {
        QCOMPARE(Artwork::HiResPlaces(0)[19], (Artwork::SlotPlace{4734, 31, false}));
        QCOMPARE(Artwork::HiResPlaces(1)[0], (Artwork::SlotPlace{33, 31, false}));
        QCOMPARE(Artwork::HiResPlaces(2)[3], (Artwork::SlotPlace{2244, 761, true}));
        QCOMPARE(Artwork::HiResPlaces(2)[4], (Artwork::SlotPlace{4272, 20, true}));
        QCOMPARE(Artwork::HiResPlaces(3)[1], (Artwork::SlotPlace{2070, 291, true}));
        QCOMPARE(Artwork::HiResPlaces(3)[4], Artwork::SlotPlace{});
    }
};

QL_REGISTER_TEST(TestEnclosurePicture)
#include "test_enclosurepicture.moc"
