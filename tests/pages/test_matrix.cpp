#include "PageFixture.h"

#include "pages/MatSWCard1.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QRadioButton>

namespace {

// Numbers n of the controls "<pattern n>" (n = 1 ... last) that are visible on `page`.
QList<int> Offered(const Surface &surface, const QWidget *page, const char *pattern, int last)
{
    QList<int> shown;
    for (int n = 1; n <= last; ++n)
        if (surface.find(QString::fromLatin1(pattern).arg(n))->isVisibleTo(page))
            shown.append(n);
    return shown;
}

QList<int> Range(int first, int last)
{
    QList<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers.append(n);
    return numbers;
}

QList<int> Numbers(const char *text)
{
    QList<int> numbers;
    for (const QString &word : QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        numbers.append(word.toInt());
    return numbers;
}

void Click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

const char *const SizeGroups[] = {"MatrixControl3", "MatrixControl4", "MatrixControl5"};

} // namespace

// Which controls the matrix pages offer per model and split, and where the
// jumper and cable markers stand.
class TestMatrix : public QObject
{
    Q_OBJECT

private slots:
    void layouts_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("inputs");
        QTest::addColumn<int>("outputs");
        QTest::addColumn<int>("toAll");
        QTest::addColumn<QString>("sizeGroup");
        QTest::addColumn<QStringList>("sizes");
        const QStringList size16x8{"optSize16x8", "optSize8x4", "optSize4x2"};
        const QStringList size8x8{"optSize8x8", "optSize4x4"};
        for (const char *model : {"QL346-100", "QL346-101", "QL346-110", "QL393-100", "QL393-102"})
            QTest::newRow(model) << model << 16 << 8 << 8 << "MatrixControl4" << size16x8;
        for (const char *model : {"QL346-102", "QL346-103", "QL346-111", "QL393-101", "QL393-103"})
            QTest::newRow(model) << model << 8 << 8 << 8 << "MatrixControl3" << size8x8;
        QTest::newRow("QL346-120") << "QL346-120" << 8 << 8 << 8 << "" << QStringList{};
        for (const char *model : {"QL346-112", "QL346-119", "QL393-104"})
            QTest::newRow(model) << model << 16 << 16 << 16 << "MatrixControl3"
                                 << QStringList{"optSize16x16", "optSize8x8", "optSize4x4"};
        for (const char *model : {"QL346-115", "QL346-118"})
            QTest::newRow(model) << model << 8 << 16 << 16 << "MatrixControl5"
                                 << QStringList{"optSize8x16", "optSize4x8", "optSize2x4"};
        QTest::newRow("QL346-121") << "QL346-121" << 8 << 4 << 8 << "" << QStringList{};
    }

    void layouts()
    {
        QFETCH(QString, model);
        QFETCH(int, inputs);
        QFETCH(int, outputs);
        QFETCH(int, toAll);
        QFETCH(QString, sizeGroup);
        QFETCH(QStringList, sizes);
        // From the fullest layout, so that everything the model lacks has to go.
        m_surface.chooseModel(QStringLiteral("QL346-112"));
        m_surface.chooseModel(model);
        const QWidget *page = m_surface.find(QStringLiteral("MatSWCard1"));
        QCOMPARE(m_surface.shownPage(), QStringLiteral("MatSWCard1"));
        QCOMPARE(Offered(m_surface, page, "btnMatrixIn%1", 16), Range(1, inputs));
        QCOMPARE(Offered(m_surface, page, "btnMatrixOut%1", 16), Range(1, outputs));
        QCOMPARE(Offered(m_surface, page, "optInToAll%1", 16), Range(1, toAll));
        for (const char *name : SizeGroups) {
            auto *group = m_surface.find(QString::fromLatin1(name));
            QCOMPARE(group->isVisibleTo(page), sizeGroup == QLatin1String(name));
            QCOMPARE(group->geometry().width(), 97);
        }
        if (!sizeGroup.isEmpty()) {
            QStringList shown;
            for (auto *option : m_surface.find(sizeGroup)->findChildren<QRadioButton *>())
                if (option->isVisibleTo(page))
                    shown << option->objectName();
            QCOMPARE(shown, sizes);
        }
        // "Input Control" of the audio matrices with gain offers an input per "In to all Out" option.
        const QStringList withGain{"QL393-102", "QL393-103", "QL393-104"};
        auto *gain = m_surface.find(QStringLiteral("MatrixGain"));
        QCOMPARE(gain->isVisibleTo(page), withGain.contains(model));
        QVERIFY(MatSWCard1::InputControlPlace.contains(gain->geometry()));
        if (withGain.contains(model))
            QCOMPARE(Offered(m_surface, page, "optGainInput%1", 16), Range(1, toAll));
        QVERIFY(!MatSWCard1::InputControlPlace.intersects(m_surface.find(QStringLiteral("MatrixControl2"))->geometry()));
        auto *panel = m_surface.find<QFrame>(QStringLiteral("MatrixShowPannel"));
        QCOMPARE(panel->frameShape(), QFrame::NoFrame);
        QVERIFY(panel->contentsRect().contains(MatSWCard1::InputControlPlace));
        // Clear of the widest rear-panel picture.
        QVERIFY(panel->geometry().right() < CardPage::RearPanelRect(4).left());
    }

    void captionsAndColumns()
    {
        m_surface.chooseModel(QStringLiteral("QL346-112"));
        auto button = [this](const char *pattern, int n) {
            return m_surface.find<QAbstractButton>(QString::fromLatin1(pattern).arg(n));
        };
        QStringList outs;
        for (int n = 1; n <= 16; ++n)
            outs << button("btnMatrixOut%1", n)->text();
        QCOMPARE(outs.join(QLatin1Char('|')),
                 QStringLiteral("OUT 1|OUT 2|OUT3|OUT4|OUT5|OUT6|OUT7|OUT8|OUT 9|OUT10|OUT11|OUT12|"
                                "OUT13|OUT14|OUT15|OUT16"));
        QCOMPARE(button("btnMatrixIn%1", 16)->text(), QStringLiteral("IN 16"));
        // IN 9 ... IN 16 left of IN 1 ... IN 8; OUT 1 ... OUT 8 left of OUT 9 ... OUT 16.
        QVERIFY(button("btnMatrixIn%1", 9)->x() < button("btnMatrixIn%1", 1)->x());
        QVERIFY(button("btnMatrixIn%1", 8)->x() < button("btnMatrixOut%1", 1)->x());
        QVERIFY(button("btnMatrixOut%1", 8)->x() < button("btnMatrixOut%1", 9)->x());
        QCOMPARE(button("btnMatrixIn%1", 1)->y(), button("btnMatrixIn%1", 9)->y());
        auto *size = m_surface.find<QAbstractButton>(QStringLiteral("optSize8x8"));
        QCOMPARE(size->text(), QStringLiteral("8 x 8 "));
        QCOMPARE(size->toolTip(), QStringLiteral("8x8 2 Channels"));
        QVERIFY(m_surface.find<QAbstractButton>(QStringLiteral("optSize16x16"))->isChecked());
    }

    void sizeNumbersOutsideTheTableSendNothing()
    {
        QCOMPARE(MatSWCard1::MatrixSizeTemplate(5), QStringLiteral("[MAT16X16C%c%]"));
        for (int number : {0, 10, -1})
            QVERIFY(MatSWCard1::MatrixSizeTemplate(number).isEmpty());
    }

    // A split chosen on one model stays across model changes; the ports it
    // offers follow the model laid out.
    void splits_data()
    {
        QTest::addColumn<QStringList>("steps"); // models and split options, in order
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("outputs");
        QTest::newRow("start") << QStringList{"QL346-106"} << "1 2" << "1 2 3 4 5 6";
        QTest::newRow("3x5") << QStringList{"QL346-107", "Matrix3x5"} << "1 2 3" << "1 2 3 4 5";
        QTest::newRow("4x4") << QStringList{"QL346-109", "Matrix4x4"} << "1 2 3 4" << "1 2 3 4";
        QTest::newRow("5x3") << QStringList{"QL346-106", "Matrix5x3"} << "1 2 3 4 5" << "1 2 3";
        QTest::newRow("6x2") << QStringList{"QL346-106", "Matrix6x2"} << "1 2 3 4 5 6" << "1 2";
        QTest::newRow("5x3 then 3x5") << QStringList{"QL346-106", "Matrix5x3", "Matrix3x5"}
                                      << "1 2 3" << "1 2 3 4 5";
        QTest::newRow("108 3x5") << QStringList{"QL346-108", "Matrix3x5"} << "1 2 4" << "1 2 3 4 5";
        QTest::newRow("108 5x3") << QStringList{"QL346-108", "Matrix5x3"} << "1 2 3 4 5" << "1 2 4";
        QTest::newRow("106 5x3, then 108") << QStringList{"QL346-106", "Matrix5x3", "QL346-108"}
                                           << "1 2 3 4 5" << "1 2 4";
        QTest::newRow("108 3x5, then 109") << QStringList{"QL346-108", "Matrix3x5", "QL346-109"}
                                           << "1 2 3" << "1 2 3 4 5";
    }

    void splits()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, inputs);
        QFETCH(QString, outputs);
        Surface surface;
        QString split = QStringLiteral("Matrix2x6");
        for (const QString &step : steps) {
            if (step.startsWith(QLatin1String("QL"))) {
                surface.chooseModel(step);
            } else {
                Click(surface.find<QRadioButton>(step));
                split = step;
            }
        }
        QCOMPARE(surface.shownPage(), QStringLiteral("MatSWCard2"));
        QVERIFY(surface.find<QRadioButton>(split)->isChecked());
        const QWidget *page = surface.find(QStringLiteral("MatSWCard2"));
        QCOMPARE(Offered(surface, page, "btnConfigIn%1", 6), Numbers(qPrintable(inputs)));
        QCOMPARE(Offered(surface, page, "btnConfigOut%1", 6), Numbers(qPrintable(outputs)));
        QCOMPARE(Offered(surface, page, "chkConfigOut%1", 6), Numbers(qPrintable(outputs)));
        QVERIFY(surface.target.sent.isEmpty());
    }

    // Every split places all sixteen markers: A, B, C across, D up and down.
    void markers_data()
    {
        QTest::addColumn<QString>("split");
        QTest::addColumn<QString>("places"); // A1 ... A4, B1 ... B4, C1 ... C4, D1 ... D4
        QTest::newRow("2x6") << "Matrix2x6" << "142 161 181 201 187 187 187 187 142 166 191 215 61 79 95 111";
        QTest::newRow("3x5") << "Matrix3x5" << "134 161 181 201 187 187 119 187 134 166 191 215 61 79 95 117";
        QTest::newRow("4x4") << "Matrix4x4" << "134 153 181 201 187 187 119 119 134 158 191 215 61 79 89 117";
        QTest::newRow("5x3") << "Matrix5x3" << "134 153 173 201 187 119 119 119 134 158 183 215 61 73 89 117";
        QTest::newRow("6x2") << "Matrix6x2" << "134 153 173 193 119 119 119 119 134 158 183 207 55 73 89 117";
    }

    void markers()
    {
        QFETCH(QString, split);
        QFETCH(QString, places);
        m_surface.chooseModel(QStringLiteral("QL346-106"));
        Click(m_surface.find<QRadioButton>(QStringLiteral("Matrix4x4")));
        Click(m_surface.find<QRadioButton>(split));
        const QList<int> expected = Numbers(qPrintable(places));
        int i = 0;
        for (const char board : {'A', 'B', 'C', 'D'}) {
            for (int n = 1; n <= 4; ++n, ++i) {
                const QWidget *marker = m_surface.find(QStringLiteral("%1%2").arg(board).arg(n));
                QCOMPARE(board == 'D' ? marker->y() : marker->x(), expected[i]);
            }
        }
    }

    // The board picture that fits the model, in its place, with its markers.
    void boards_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("board");
        QTest::newRow("QL346-106") << "QL346-106" << "ConfigMat1";
        QTest::newRow("QL346-107") << "QL346-107" << "ConfigMat1";
        QTest::newRow("QL346-108") << "QL346-108" << "ConfigMat2";
        QTest::newRow("QL346-109") << "QL346-109" << "ConfigMat3";
    }

    void boards()
    {
        QFETCH(QString, model);
        QFETCH(QString, board);
        m_surface.chooseModel(model);
        const QWidget *page = m_surface.find(QStringLiteral("MatSWCard2"));
        for (const char *name : {"ConfigMat1", "ConfigMat2", "ConfigMat3"}) {
            auto *picture = m_surface.find<QLabel>(QString::fromLatin1(name));
            QCOMPARE(picture->isVisibleTo(page), board == QLatin1String(name));
            QCOMPARE(picture->geometry(), QRect(252, 150, 249, 137));
            QVERIFY(!picture->pixmap().isNull());
            for (const QLabel *marker : picture->findChildren<QLabel *>()) {
                QVERIFY(!marker->pixmap().isNull());
                QVERIFY(picture->rect().contains(marker->geometry()));
            }
        }
        QVERIFY(m_surface.find(QStringLiteral("AdjustableMatrix"))->geometry().right()
                < CardPage::RearPanelRect(2).left());
    }

private:
    Surface m_surface;
};

QL_REGISTER_TEST(TestMatrix)

#include "test_matrix.moc"
