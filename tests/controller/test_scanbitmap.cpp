#include "app/QlError.h"
#include "controller/ScanBitmap.h"
#include "document/Artwork.h"
#include "support/TestMain.h"

#include <QPainter>
#include <QTemporaryDir>

#include <functional>

namespace {

// A picture whose every pixel has its own colour: red = column, green = row.
QImage Numbered(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c)
            image.setPixel(c, r, qRgb(10 * c + 5, 20 * r + 7, 99));
    return image;
}

QImage Canvas()
{
    QImage canvas(200, 200, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    return canvas;
}

// Pixels of `canvas` outside `area` that are not white.
int MarksOutside(const QImage &canvas, const QRect &area)
{
    int marks = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (!area.contains(x, y) && canvas.pixel(x, y) != qRgb(255, 255, 255))
                ++marks;
    return marks;
}

using SourceOf = std::function<QPoint(int r, int c, int w, int h)>; // returns (column, row)

} // namespace

Q_DECLARE_METATYPE(SourceOf)

class TestScanBitmap : public QObject
{
    Q_OBJECT

private slots:
    void makingSwitchesTo24Bits()
    {
        QImage picture = Numbered(3, 2);
        const TScanBitmap scan(picture);
        QCOMPARE(picture.format(), QImage::Format_BGR888);
        QCOMPARE(picture.depth(), 24);
        QCOMPARE(scan.Width(), 3);
        QCOMPARE(scan.Height(), 2);
        QCOMPARE(picture.pixel(2, 1), Numbered(3, 2).pixel(2, 1));
    }

    void rotations_data()
    {
        QTest::addColumn<int>("turn");
        QTest::addColumn<bool>("swapsSize");
        QTest::addColumn<SourceOf>("sourceOf");
        QTest::newRow("90") << 90 << true
                            << SourceOf([](int r, int c, int, int h) { return QPoint(r, h - 1 - c); });
        QTest::newRow("180") << 180 << false << SourceOf([](int r, int c, int w, int h) {
            return QPoint(w - 1 - c, h - 1 - r);
        });
        QTest::newRow("270") << 270 << true
                             << SourceOf([](int r, int c, int w, int) { return QPoint(w - 1 - r, c); });
    }

    void rotations()
    {
        QFETCH(int, turn);
        QFETCH(bool, swapsSize);
        QFETCH(SourceOf, sourceOf);
        const QImage source = Numbered(5, 3);
        QImage working = source;
        const TScanBitmap scan(working);
        const QImage result = turn == 90 ? scan.Rotated90() : turn == 180 ? scan.Rotated180() : scan.Rotated270();
        QCOMPARE(result.format(), QImage::Format_BGR888);
        QCOMPARE(result.size(), swapsSize ? source.size().transposed() : source.size());
        for (int r = 0; r < result.height(); ++r)
            for (int c = 0; c < result.width(); ++c)
                QCOMPARE(result.pixel(c, r), source.pixel(sourceOf(r, c, 5, 3)));
    }

    void rotationIdentities()
    {
        const QImage source = Numbered(7, 4).convertToFormat(QImage::Format_BGR888);
        QImage a = source;
        QImage half = TScanBitmap(a).Rotated180();
        QCOMPARE(TScanBitmap(half).Rotated180(), source);
        QImage b = source;
        QImage quarter = TScanBitmap(b).Rotated90();
        QCOMPARE(TScanBitmap(quarter).Rotated270(), source);
        QImage c = source;
        QImage back = TScanBitmap(c).Rotated270();
        QCOMPARE(TScanBitmap(back).Rotated90(), source);
    }

    void turningThreeByTwoAboutItsCorner()
    {
        const QImage source = Numbered(3, 2);
        QImage canvas = Canvas();
        {
            QPainter painter(&canvas);
            DrawRotated(source, painter, 100, 64, 50);
        }
        // Two wide, three high, top-right corner at (100, 50).
        QCOMPARE(MarksOutside(canvas, QRect(98, 50, 2, 3)), 0);
        // Its top row is the source's first column read from the bottom up.
        QCOMPARE(canvas.pixel(98, 50), source.pixel(0, 1));
        QCOMPARE(canvas.pixel(99, 50), source.pixel(0, 0));
        QCOMPARE(canvas.pixel(98, 52), source.pixel(2, 1));
        QCOMPARE(canvas.pixel(99, 52), source.pixel(2, 0));
    }

    void drawPlacement_data()
    {
        QTest::addColumn<int>("turn");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("cornerOfSourceTopLeft");
        // A 4 x 3 picture turned about its top-left corner at (100, 50).
        QTest::newRow("0") << 0 << QRect(100, 50, 4, 3) << QPoint(100, 50);
        QTest::newRow("64") << 64 << QRect(97, 50, 3, 4) << QPoint(99, 50);
        QTest::newRow("128") << 128 << QRect(96, 47, 4, 3) << QPoint(99, 49);
        QTest::newRow("192") << 192 << QRect(100, 46, 3, 4) << QPoint(100, 49);
    }

    void drawPlacement()
    {
        QFETCH(int, turn);
        QFETCH(QRect, area);
        QFETCH(QPoint, cornerOfSourceTopLeft);
        const QImage source = Numbered(4, 3);
        QImage canvas = Canvas();
        {
            QPainter painter(&canvas);
            DrawRotated(source, painter, 100, turn, 50);
        }
        QCOMPARE(MarksOutside(canvas, area), 0);
        QCOMPARE(canvas.pixel(cornerOfSourceTopLeft), source.pixel(0, 0));
    }

    void drawingLeavesTheCallersPictureAlone()
    {
        const QImage source = Numbered(4, 3);
        QImage canvas = Canvas();
        QPainter painter(&canvas);
        DrawRotated(source, painter, 100, 64, 50);
        QCOMPARE(source.format(), QImage::Format_RGB32);
    }

    void otherTurnCodesAreRefused()
    {
        QImage canvas = Canvas();
        QPainter painter(&canvas);
        for (int turn : {1, 63, 90, 256, -64})
            QVERIFY_THROWS_EXCEPTION(QlError, DrawRotated(Numbered(2, 2), painter, 10, turn, 10));
    }

    void fileBitmap()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("card.bmp"));
        const QImage source = Numbered(3, 2);
        QVERIFY(source.save(path));
        QImage canvas = Canvas();
        {
            QPainter painter(&canvas);
            DrawFileBitmap(painter, path, 100, true, 50);
        }
        QCOMPARE(MarksOutside(canvas, QRect(98, 50, 2, 3)), 0);
        QCOMPARE(canvas.pixel(98, 50), source.pixel(0, 1));
        {
            QPainter painter(&canvas);
            DrawFileBitmap(painter, path, 10, false, 20);
        }
        QCOMPARE(canvas.pixel(12, 21), source.pixel(2, 1));
    }

    void missingFileDrawsNothing()
    {
        QTemporaryDir folder;
        QImage canvas = Canvas();
        {
            QPainter painter(&canvas);
            DrawFileBitmap(painter, folder.filePath(QStringLiteral("none.bmp")), 100, true, 50);
        }
        QCOMPARE(MarksOutside(canvas, QRect()), 0);
    }

    void unreadableFileIsAnError()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("broken.bmp"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("BM this is not a picture");
        file.close();
        QImage canvas = Canvas();
        QPainter painter(&canvas);
        QVERIFY_THROWS_EXCEPTION(QlError, DrawFileBitmap(painter, path, 100, false, 50));
    }

    void resourceBitmap()
    {
        const QImage card = Artwork::Picture(QStringLiteral("QL324-100"));
        QVERIFY(!card.isNull());
        QImage canvas(400, 300, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        {
            QPainter painter(&canvas);
            DrawResourceBitmap(painter, QStringLiteral("QL324-100"), 0, false, 0);
            DrawResourceBitmap(painter, QStringLiteral("QL324-100"), 300, true, 10);
        }
        QCOMPARE(canvas.copy(0, 0, card.width(), card.height()), card.convertToFormat(QImage::Format_RGB32));
        // Turned: the card's bottom-left pixel is the top-left of the turned copy.
        QCOMPARE(canvas.pixel(300 - card.height(), 10), card.pixel(0, card.height() - 1));
        QCOMPARE(canvas.pixel(299, 10 + card.width() - 1), card.pixel(card.width() - 1, 0));
    }

    void missingResourceDrawsNothing()
    {
        QImage canvas = Canvas();
        {
            QPainter painter(&canvas);
            DrawResourceBitmap(painter, QStringLiteral("QL999-999"), 0, false, 0);
            DrawResourceBitmap(painter, QString(), 50, true, 50);
        }
        QCOMPARE(MarksOutside(canvas, QRect()), 0);
    }
};

QL_REGISTER_TEST(TestScanBitmap)
#include "test_scanbitmap.moc"
