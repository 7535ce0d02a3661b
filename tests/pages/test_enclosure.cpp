#include "PageFixture.h"

#include "controller/ScanBitmap.h"
#include "document/Artwork.h"
#include "document/CardCatalog.h"
#include "document/EnclosurePicture.h"
#include "support/TestMain.h"

#include <QPainter>

namespace {

QString line(const char *code)
{
    return CardCatalog::Lines()[CardCatalog::IndexOfCode(QString::fromLatin1(code))];
}

} // namespace

class TestEnclosure : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_surface = std::make_unique<Surface>(); }
    void cleanup() { m_surface.reset(); }

    void slotButtonsSitInARow()
    {
        const int lefts[] = {9,   38,  68,  97,  127, 158, 186, 217, 245, 274,
                             304, 334, 363, 393, 422, 452, 481, 511, 542, 570};
        for (int slot = 1; slot <= 20; ++slot) {
            QPushButton *button = m_surface->slotButton(slot);
            QCOMPARE(button->text(), QString::number(slot));
            QCOMPARE(button->geometry().left(), lefts[slot - 1]);
            QCOMPARE(button->size(), QSize(28, 28));
        }
        QCOMPARE(m_surface->find(QStringLiteral("paintCardColors"))->size(), QSize(592, 17));
        QStringList items;
        for (int i = 0; i < m_surface->cmboEnclosure->count(); ++i)
            items << m_surface->cmboEnclosure->itemText(i);
        QCOMPARE(items, (QStringList{"20 Slots Enclosure", "19 Slots Enclosure",
                                     "8  Slots Enclosure", "4  Slots Enclosure"}));
    }

    void slotButtonsFollowTheEnclosure_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("slotCount");
        QTest::newRow("20 slots") << 0 << 20;
        QTest::newRow("19 slots") << 1 << 19;
        QTest::newRow("8 slots") << 2 << 8;
        QTest::newRow("4 slots") << 3 << 4;
        QTest::newRow("2 slots, from a file") << 4 << 2;
        QTest::newRow("1 slot, from a file") << 5 << 1;
    }

    void slotButtonsFollowTheEnclosure()
    {
        QFETCH(int, kind);
        QFETCH(int, slotCount);
        m_surface->design.doc->SetEnclosure(kind);
        m_surface->design.currentSlot = 1;
        m_surface->Refresh();
        for (int slot = 1; slot <= 20; ++slot)
            QCOMPARE(m_surface->slotButton(slot)->isEnabled(), slot <= slotCount);
        // Painting an enclosure without a picture must not fail.
        m_surface->viewLayout->click();
        QVERIFY(!m_surface->find(QStringLiteral("paintEnclosure"))->grab().isNull());
    }

    void groupButtonsNeedACard_data()
    {
        QTest::addColumn<bool>("allowEmpty");
        QTest::addColumn<QString>("card");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("empty slot") << false << QString() << false;
        QTest::newRow("card") << false << line("QL324-100") << true;
        QTest::newRow("empty slot, AllowEmpty") << true << QString() << true;
    }

    void groupButtonsNeedACard()
    {
        QFETCH(bool, allowEmpty);
        QFETCH(QString, card);
        QFETCH(bool, enabled);
        m_surface->design.allowEmpty = allowEmpty;
        m_surface->design.doc->PlaceCard(12, card);
        m_surface->Refresh();
        m_surface->clickSlot(12);
        QCOMPARE(m_surface->btnAddGrp->isEnabled(), enabled);
        QCOMPARE(m_surface->btnRemoveGrp->isEnabled(), enabled);
    }

    void sizeChange_data()
    {
        QTest::addColumn<QStringList>("cards"); // "slot:code"
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QList<int>>("emptied");

        QTest::newRow("cards beyond 8, Yes")
            << QStringList{"9:QL324-100", "12:QL335-100", "3:QL324-101"} << 2 << true << true
            << QList<int>{9, 12};
        QTest::newRow("cards beyond 8, No")
            << QStringList{"9:QL324-100", "12:QL335-100"} << 2 << true << false << QList<int>{};
        QTest::newRow("nothing beyond 8") << QStringList{"8:QL324-100"} << 2 << false << true
                                          << QList<int>{};
        QTest::newRow("wide card reserving inside the size")
            << QStringList{"10:QL346-100"} << 2 << true << true << QList<int>{8, 9, 10};
        QTest::newRow("card in slot 20 of 19") << QStringList{"20:QL324-100"} << 1 << true << true
                                               << QList<int>{20};
        QTest::newRow("too wide for the turned slotCount")
            << QStringList{"6:QL346-100"} << 2 << true << true << QList<int>{4, 5, 6};
    }

    void sizeChange()
    {
        QFETCH(QStringList, cards);
        QFETCH(int, kind);
        QFETCH(bool, asked);
        QFETCH(bool, yes);
        QFETCH(QList<int>, emptied);
        TQlsDoc &doc = *m_surface->design.doc;
        for (const QString &card : cards)
            doc.PlaceCard(card.section(':', 0, 0).toInt(), line(qPrintable(card.section(':', 1))));
        m_surface->Refresh();
        QStringList before;
        for (int slot = 1; slot <= 20; ++slot)
            before << doc.CardText(slot);
        m_surface->desktop.yesNoAnswers.enqueue(yes);

        m_surface->cmboEnclosure->setCurrentIndex(kind - 1);
        QTest::keyClick(m_surface->cmboEnclosure, Qt::Key_Down);

        QCOMPARE(m_surface->desktop.questions,
                 asked ? QStringList{EnclosureView::SizeQuestion} : QStringList{});
        if (!yes) {
            QCOMPARE(doc.EnclosureKind(), 0);
            for (int slot = 1; slot <= 20; ++slot)
                QCOMPARE(doc.CardText(slot), before[slot - 1]);
            QCOMPARE(m_surface->cmboEnclosure->currentIndex(), 0);
            return;
        }
        const int slotCount = TQlsDoc::EnclosureSlotCount(kind);
        QCOMPARE(doc.EnclosureKind(), kind);
        QCOMPARE(m_surface->design.currentSlot, slotCount);
        QVERIFY(m_surface->slotButton(slotCount)->isChecked());
        for (int slot = 1; slot <= 20; ++slot)
            QCOMPARE(doc.CardText(slot), emptied.contains(slot) ? QString() : before[slot - 1]);
        for (int slot = slotCount + 1; slot <= 20; ++slot)
            QVERIFY(!m_surface->slotButton(slot)->isEnabled());
    }

    void lockedDesignKeepsItsSize()
    {
        TQlsDoc &doc = *m_surface->design.doc;
        doc.PlaceCard(12, line("QL324-100"));
        doc.SetLocked(true);
        m_surface->Refresh();
        m_surface->desktop.yesNoAnswers.enqueue(true);
        QVERIFY(m_surface->cmboEnclosure->isEnabled());
        m_surface->cmboEnclosure->setCurrentIndex(1);
        QTest::keyClick(m_surface->cmboEnclosure, Qt::Key_Down);
        QVERIFY(m_surface->desktop.questions.isEmpty());
        QCOMPARE(doc.EnclosureKind(), 0);
        QCOMPARE(doc.CardText(12), line("QL324-100"));
        QCOMPARE(m_surface->cmboEnclosure->currentIndex(), 0);
    }

    void stripDrawsGroups()
    {
        TQlsDoc &doc = *m_surface->design.doc;
        doc.SetGroupMember(2, 3, true);
        doc.SetGroupMember(7, 3, true);
        doc.SetGroupMember(4, 1, true);
        doc.SetGroupMember(10, 9, true);
        m_surface->design.selectedGroup = 3;
        auto *strip = m_surface->find(QStringLiteral("paintCardColors"));
        const QImage image = strip->grab().toImage();
        const QColor background = image.pixelColor(300, 8);
        const QColor blue(0, 0, 255);
        const QColor red(255, 0, 0);

        for (int x : {44, 189}) {
            for (int y = 2; y <= 15; ++y)
                QCOMPARE(image.pixelColor(x, y), blue);
            QCOMPARE(image.pixelColor(x + 1, 8), blue); // three pixels wide
            QCOMPARE(image.pixelColor(x + 3, 8), background);
        }
        for (int x : {45, 100, 188})
            QCOMPARE(image.pixelColor(x, 15), blue);
        QCOMPARE(image.pixelColor(43, 15), blue);
        QCOMPARE(image.pixelColor(40, 15), background);
        QCOMPARE(image.pixelColor(193, 15), background);
        QCOMPARE(image.pixelColor(100, 8), background);
        // Another group's member: a dot at the top only.
        QCOMPARE(image.pixelColor(102, 2), red);
        QCOMPARE(image.pixelColor(102, 8), background);
        // Group 9 is not drawn.
        QCOMPARE(image.pixelColor(276, 2), background);

        m_surface->design.selectedGroup = 1;
        const QImage second = strip->grab().toImage();
        QCOMPARE(second.pixelColor(102, 10), red);
        QCOMPARE(second.pixelColor(44, 2), blue);
        QCOMPARE(second.pixelColor(44, 10), background);
    }

    void viewLayoutSwapsPagesAndPicture()
    {
        QWidget *paint = m_surface->find(QStringLiteral("paintEnclosure"));
        QWidget *pages = m_surface->pages->ControlView();
        QTest::mouseClick(m_surface->viewLayout, Qt::LeftButton, {}, QPoint(5, 10));
        QVERIFY(m_surface->viewLayout->isChecked());
        QVERIFY(paint->isVisible());
        QVERIFY(!pages->isVisible());
        QCOMPARE(paint->geometry(), QRect(8, 48, 649, 289));
        QTest::mouseClick(m_surface->viewLayout, Qt::LeftButton, {}, QPoint(5, 10));
        QVERIFY(!paint->isVisible());
        QVERIFY(pages->isVisible());
    }

    void enclosurePictureIsCentred_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("20 slots, wider than the box") << 0;
        QTest::newRow("8 slots") << 2;
        QTest::newRow("4 slots") << 3;
    }

    void enclosurePictureIsCentred()
    {
        QFETCH(int, kind);
        TQlsDoc &doc = *m_surface->design.doc;
        doc.SetEnclosure(kind);
        doc.PlaceCard(3, line("QL346-100"));
        doc.PlaceCard(4, line("QL324-101"));
        m_surface->viewLayout->click();
        const QImage picture = EnclosurePicture::RenderPicture(doc, false);
        QVERIFY(!picture.isNull());

        QImage expected(649, 289, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        QPainter painter(&expected);
        painter.drawImage((649 - picture.width()) / 2, (289 - picture.height()) / 2, picture);
        painter.end();
        QWidget *paint = m_surface->find(QStringLiteral("paintEnclosure"));
        QImage shown(649, 289, QImage::Format_ARGB32_Premultiplied);
        shown.fill(Qt::transparent);
        paint->render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
        QCOMPARE(shown, expected);
    }

    void cardsStandAtTheirLowestSlot_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QPoint>("place"); // the lowest slot's row of the slot table
        QTest::addColumn<bool>("turned");
        QTest::newRow("20 slots, slot 3") << 0 << 3 << "QL324-100" << QPoint(71, 4) << false;
        QTest::newRow("20 slots, two slots from slot 8")
            << 0 << 8 << "QL324-103" << QPoint(195, 4) << false;
        QTest::newRow("19 slots, slot 20 missing") << 1 << 19 << "QL335-100" << QPoint(567, 4)
                                                  << false;
        QTest::newRow("8 slots, slot 2") << 2 << 2 << "QL324-101" << QPoint(285, 34) << true;
        QTest::newRow("8 slots, two slots from slot 5")
            << 2 << 6 << "QL379-100" << QPoint(542, 3) << true;
        QTest::newRow("4 slots, slot 4") << 3 << 4 << "QL335-107" << QPoint(263, 99) << true;
    }

    void cardsStandAtTheirLowestSlot()
    {
        QFETCH(int, kind);
        QFETCH(int, slot);
        QFETCH(QString, code);
        QFETCH(QPoint, place);
        QFETCH(bool, turned);
        TQlsDoc &doc = *m_surface->design.doc;
        doc.SetEnclosure(kind);
        doc.PlaceCard(slot, line(qPrintable(code)));
        const QImage picture = EnclosurePicture::RenderPicture(doc, false);
        QImage card = Artwork::Picture(code);
        QVERIFY(!card.isNull());
        // A turned card's right edge lies at the row's x.
        const QPoint corner = turned ? place - QPoint(card.height(), 0) : place;
        if (turned)
            card = TScanBitmap(card).Rotated90();
        card = card.convertToFormat(picture.format());
        QCOMPARE(picture.copy(QRect(corner, card.size())), card);
    }

    void cardPictureBoxShowsTheSelectedModel()
    {
        m_surface->chooseModel(QStringLiteral("QL508-101"));
        QWidget *box = m_surface->find(QStringLiteral("EmptySlot"));
        QImage shown(box->size(), QImage::Format_RGB32);
        box->render(&shown);
        const QImage card = Artwork::Picture(QStringLiteral("QL508-101")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.copy(0, 0, card.width(), qMin(card.height(), box->height())),
                 card.copy(0, 0, card.width(), qMin(card.height(), box->height())));
    }

private:
    std::unique_ptr<Surface> m_surface;
};

QL_REGISTER_TEST(TestEnclosure)

#include "test_enclosure.moc"
