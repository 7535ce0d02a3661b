#include "app/QlError.h"
#include "controller/JpegDecoder.h"
#include "document/Artwork.h"
#include "support/TestMain.h"

#include <QBuffer>

namespace {

// Qt's own JPEG writer produces the test data; the decoder under test is libjpeg.
QByteArray EncodedJpeg(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPG", 95))
        qFatal("cannot encode test JPEG");
    return bytes;
}

QImage Quadrants()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            image.setPixel(x, y, x < 32 ? (y < 24 ? qRgb(255, 0, 0) : qRgb(0, 0, 255))
                                        : (y < 24 ? qRgb(0, 160, 0) : qRgb(250, 250, 250)));
    return image;
}

bool Near(QRgb actual, QRgb expected)
{
    return qAbs(qRed(actual) - qRed(expected)) < 24 && qAbs(qGreen(actual) - qGreen(expected)) < 24
           && qAbs(qBlue(actual) - qBlue(expected)) < 24;
}

} // namespace

class TestJpegDecoder : public QObject
{
    Q_OBJECT

private slots:
    void decodesColours()
    {
        const QImage decoded = JpegDecoder::Decode(EncodedJpeg(Quadrants()));
        QCOMPARE(decoded.size(), QSize(64, 48));
        QCOMPARE(decoded.format(), QImage::Format_RGB32);
        QVERIFY(Near(decoded.pixel(8, 8), qRgb(255, 0, 0)));
        QVERIFY(Near(decoded.pixel(56, 8), qRgb(0, 160, 0)));
        QVERIFY(Near(decoded.pixel(8, 40), qRgb(0, 0, 255)));
        QVERIFY(Near(decoded.pixel(56, 40), qRgb(250, 250, 250)));
    }

    void decodesGreyscaleAsRgb()
    {
        const QImage grey = Quadrants().convertToFormat(QImage::Format_Grayscale8);
        const QImage decoded = JpegDecoder::Decode(EncodedJpeg(grey));
        QCOMPARE(decoded.size(), QSize(64, 48));
        QVERIFY(Near(decoded.pixel(56, 40), grey.pixel(56, 40)));
    }

    void decodesOddWidths()
    {
        // Rows of 3 x 37 bytes are padded in the QImage; each row must land on its own line.
        QImage image(37, 40, QImage::Format_RGB32);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 37; ++x)
                image.setPixel(x, y, (y / 8) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        const QImage decoded = JpegDecoder::Decode(EncodedJpeg(image));
        QCOMPARE(decoded.size(), QSize(37, 40));
        for (int y : {3, 11, 19, 27, 35})
            for (int x : {2, 18, 34})
                QVERIFY(Near(decoded.pixel(x, y), image.pixel(x, y)));
    }

    void decodesTheCoverPlatePhoto()
    {
        const QImage photo = JpegDecoder::Decode(Artwork::CoverPlateJpeg());
        QVERIFY(!photo.isNull());
        QVERIFY(photo.width() > 100 && photo.height() > 100);
    }

    void refusesDamagedData_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray good = EncodedJpeg(Quadrants());
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("This is not a picture at all");
        QTest::newRow("start marker only") << QByteArray("\xff\xd8", 2);
        QTest::newRow("header cut") << good.left(40);
        QTest::newRow("half the data") << good.left(good.size() / 2);
        QTest::newRow("last quarter cut") << good.left(good.size() - 2 - good.size() / 4);
        QByteArray scrambled = good;
        for (qsizetype i = scrambled.size() / 3; i < scrambled.size() - 2; i += 7)
            scrambled[i] = static_cast<char>(0xff);
        QTest::newRow("scrambled scan") << scrambled;
        QByteArray badMarker = good;
        badMarker[3] = '\x01';
        QTest::newRow("bad marker") << badMarker;
    }

    void refusesDamagedData()
    {
        QFETCH(QByteArray, data);
        try {
            JpegDecoder::Decode(data);
            QFAIL("damaged JPEG accepted");
        } catch (const QlError &error) {
            QVERIFY2(error.message().startsWith(QStringLiteral("Cannot decode JPEG picture: ")),
                     qPrintable(error.message()));
            QVERIFY(error.message().size() > 30);
        }
    }

    void decodesAgainAfterAFailure()
    {
        QVERIFY_THROWS_EXCEPTION(QlError, JpegDecoder::Decode(QByteArray("\xff\xd8\xff", 3)));
        QCOMPARE(JpegDecoder::Decode(EncodedJpeg(Quadrants())).size(), QSize(64, 48));
    }
};

QL_REGISTER_TEST(TestJpegDecoder)
#include "test_jpegdecoder.moc"
