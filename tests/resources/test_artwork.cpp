#include "app/ApplicationIdentity.h"
#include "app/FormAbout.h"
#include "document/Artwork.h"
#include "document/CardCatalog.h"
#include "pages/PageDispatch.h"
#include "support/FakeDesktop.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QTemporaryDir>

namespace {

QStringList PictureCodes()
{
    QStringList codes;
    for (const QString &line : CardCatalog::Lines())
        codes.append(CardCatalog::ModelCode(line));
    return codes + CardCatalog::ExtraPictureCodes();
}

QSize HiResFileSize(const QString &name)
{
    return QImageReader(Artwork::HiResPath(name)).size();
}

} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void everyModelHasACardFaceOfItsWidth()
    {
        for (const QString &code : PictureCodes()) {
            const QImage face = Artwork::Picture(code);
            QVERIFY2(!face.isNull(), qPrintable(code));
            QCOMPARE(face.size(), QSize(Artwork::CardWidth(CardCatalog::SlotWidth(code)), 255));
        }
    }

    void blockDiagrams()
    {
        const QStringList without = {QStringLiteral("QL508-101"), QStringLiteral("QL368-204")};
        for (const QString &code : PictureCodes()) {
            const QImage diagram = Artwork::Picture(Artwork::BlockDiagramName(code));
            QCOMPARE(diagram.isNull(), without.contains(code));
            if (diagram.isNull())
                continue;
            QCOMPARE(diagram.height(), 287);
            QVERIFY2(diagram.width() >= 218 && diagram.width() <= 423, qPrintable(code));
        }
        QCOMPARE(Artwork::Picture(QStringLiteral("QL324-100BD")).width(), 423);
        QCOMPARE(Artwork::Picture(QStringLiteral("QL324-101BD")).width(), 218);
    }

    // The amplifier page's output panel lies over the left strip of its
    // models' diagrams: nothing is drawn there.
    void amplifierDiagramsKeepTheCoveredStripBlank()
    {
        for (const PageDispatch::Row &row : PageDispatch::Rows()) {
            if (row.page != PageDispatch::Page::DACard)
                continue;
            for (const QString &code : row.models) {
                const QImage diagram = Artwork::Picture(Artwork::BlockDiagramName(code));
                const QRgb blank = diagram.pixel(0, 0);
                QVERIFY(qGray(blank) > 240);
                for (int y = 0; y < diagram.height(); ++y)
                    for (int x = 0; x < Artwork::DiagramPanelStrip; ++x)
                        if (diagram.pixel(x, y) != blank)
                            QFAIL(qPrintable(QStringLiteral("%1 at %2,%3").arg(code).arg(x).arg(y)));
            }
        }
    }

    void enclosures_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("20 slots") << 0 << "QL311-102" << QSize(665, 280);
        QTest::newRow("19 slots") << 1 << "QL311-100" << QSize(646, 280);
        QTest::newRow("8 slots") << 2 << "QL311-101" << QSize(647, 149);
        QTest::newRow("4 slots") << 3 << "QL311-106" << QSize(322, 146);
    }

    void enclosures()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QCOMPARE(Artwork::EnclosureName(kind), name);
        QCOMPARE(Artwork::Picture(name).size(), size);
        QCOMPARE(HiResFileSize(name), size * Artwork::HiResScale);
    }

    void kindsWithoutPicture()
    {
        for (int kind : {4, 5, -1, 6})
            QVERIFY(Artwork::EnclosureName(kind).isEmpty());
        QCOMPARE(Artwork::SlotCount(4), 2);
        QCOMPARE(Artwork::SlotCount(5), 1);
    }

    // The one slot table places every slot's card wholly inside its picture,
    // clear of the other slots.
    void slotPlacesFitTheirPictures()
    {
        const QSize upright(Artwork::CardWidth(1), 255);
        for (int kind = 0; kind < 4; ++kind) {
            const QRect picture(QPoint(0, 0), Artwork::EnclosureSize(kind));
            const Artwork::SlotPlaces places = Artwork::NormalPlaces(kind);
            QList<QRect> taken;
            for (int slot = 1; slot <= Artwork::SlotCount(kind); ++slot) {
                const Artwork::SlotPlace &place = places[slot - 1];
                const QRect area = place.turned ? QRect(QPoint(place.x - upright.height(), place.y),
                                                        upright.transposed())
                                                : QRect(QPoint(place.x, place.y), upright);
                const QByteArray where = QByteArray("kind ") + QByteArray::number(kind) + " slot "
                                         + QByteArray::number(slot);
                QVERIFY2(picture.contains(area), where);
                for (const QRect &other : taken)
                    QVERIFY2(!area.intersects(other), where);
                taken << area;
            }
        }
    }

    void highResolutionCardFaces()
    {
        for (const QString &code : PictureCodes())
            QCOMPARE(HiResFileSize(code),
                     QSize(Artwork::CardWidth(CardCatalog::SlotWidth(code)), 255) * Artwork::HiResScale);
        QVERIFY(!Artwork::HiResPicture(QStringLiteral("QL508-101")).isNull());
        QVERIFY(Artwork::HiResPicture(QStringLiteral("QL999-999")).isNull());
    }

    void highResolutionFolderBesideTheProgram()
    {
        QCOMPARE(QFileInfo(Artwork::HiResPath(QStringLiteral("QL311-102"))).absolutePath(),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/HiResArt"));
    }

    void installedProgramLooksInItsDataFolder()
    {
        QTemporaryDir root;
        const QString program = root.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(program));
        const QString installed = Artwork::HiResFolderOf(program);
        QVERIFY2(installed.startsWith(root.path() + u'/')
                     && installed.endsWith(QStringLiteral("/qlsetup/HiResArt"))
                     && !installed.startsWith(program + u'/'),
                 qPrintable(installed));
        QVERIFY(QDir().mkpath(program + QStringLiteral("/HiResArt")));
        QCOMPARE(Artwork::HiResFolderOf(program), program + QStringLiteral("/HiResArt"));
    }

    // Every size is drawn to its own size, on a transparent ground, and the
    // About box shows the application's icon.
    void applicationIcon()
    {
        const QIcon icon = ApplicationIdentity::Icon();
        QCOMPARE(icon.availableSizes().size(), qsizetype(ApplicationIdentity::IconSizes.size()));
        for (const int size : ApplicationIdentity::IconSizes) {
            const QImage image = icon.pixmap(size, size).toImage();
            QCOMPARE(image.size(), QSize(size, size));
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        }
        ApplicationIdentity::ApplyTo(*qApp);
        FakeDesktop desktop;
        TFormAbout about(desktop, nullptr);
        const QPixmap shown = about.findChild<QLabel *>(QStringLiteral("Image1"))->pixmap();
        QCOMPARE(shown.size(), QSize(TFormAbout::IconSize, TFormAbout::IconSize));
    }

    void smallPictures()
    {
        const QImage busy = Artwork::Picture(Artwork::WaitBusy);
        const QImage idle = Artwork::Picture(Artwork::WaitIdle);
        QVERIFY(!busy.isNull() && !idle.isNull());
        QVERIFY(busy.width() <= 21 && busy.height() <= 21);
        QVERIFY(busy != idle);
        QVERIFY(Artwork::CoverPlateJpeg().startsWith("\xff\xd8"));
    }

    void missingNamesGiveNullPictures()
    {
        QVERIFY(Artwork::Picture(QStringLiteral("QL999-999")).isNull());
        QVERIFY(Artwork::Picture(QString()).isNull());
        QVERIFY(Artwork::Picture(QStringLiteral("../art")).isNull());
    }

    void cardWidths()
    {
        QCOMPARE(Artwork::CardWidth(1), 30);
        QCOMPARE(Artwork::CardWidth(2), 62);
        QCOMPARE(Artwork::CardWidth(3), 93);
        QCOMPARE(Artwork::CardWidth(4), 125);
    }
};

QL_REGISTER_TEST(TestArtwork)
#include "test_artwork.moc"
