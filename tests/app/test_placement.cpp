#include "app/WindowPlacement.h"
#include "support/TestMain.h"

namespace {

// The main window showing its whole client area, without the frame.
const QSize FullWindow(792, 589);
const QMargins Frame(0, WindowPlacement::TitleBarHeight, 0, 0);
constexpr int ScrollBar = 16;

// A screen of `width` x `height` pixels at `scale`, in the window's pixels.
QRect Screen(int width, int height, double scale, int left = 0)
{
    return QRect(left, 0, qRound(width / scale), qRound(height / scale));
}

} // namespace

class TestPlacement : public QObject
{
    Q_OBJECT

private slots:
    // Where it fits, the window opens as before; where it does not, inside
    // the screen's area, shrunk to it, and its client area scrolls; there
    // is room for a scroll bar where only one is needed.
    void placement_data()
    {
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QPoint>("stored");
        QTest::addColumn<QRect>("window");
        QTest::addColumn<bool>("scrolling");
        const QPoint stored(60, 50);
        QTest::newRow("1366x768 at 100%") << QList{Screen(1366, 768, 1)} << stored
                                          << QRect(stored, FullWindow) << false;
        QTest::newRow("1366x768 at 150%") << QList{Screen(1366, 768, 1.5)} << stored
                                          << QRect(60, 30, 808, 482) << true;
        QTest::newRow("1366x768 at 200%") << QList{Screen(1366, 768, 2)} << stored
                                          << QRect(0, 30, 683, 354) << true;
        QTest::newRow("1920x1080 at 150%") << QList{Screen(1920, 1080, 1.5)} << stored
                                           << QRect(stored, FullWindow) << false;
        QTest::newRow("1920x1080 at 200%") << QList{Screen(1920, 1080, 2)} << stored
                                           << QRect(60, 30, 808, 510) << true;
        QTest::newRow("upright 1080x1920 at 150%") << QList{Screen(1080, 1920, 1.5)} << stored
                                                   << QRect(0, 50, 720, 605) << true;
        QTest::newRow("1400x1000 at 200%, stored far right")
            << QList{Screen(1400, 1000, 2)} << QPoint(608, 436) << QRect(0, 30, 700, 470) << true;
        QTest::newRow("nothing stored, fits") << QList{Screen(1366, 768, 1)} << QPoint(-1, -1)
                                              << QRect(QPoint(0, 0), FullWindow) << false;
        QTest::newRow("nothing stored, too small") << QList{Screen(1366, 768, 2)} << QPoint(-1, -1)
                                                   << QRect(0, 30, 683, 354) << true;
        QTest::newRow("stored on a small second screen")
            << QList{Screen(1920, 1080, 1), Screen(1366, 768, 2, 1920)} << QPoint(2000, 100)
            << QRect(1920, 30, 683, 354) << true;
    }
    void placement()
    {
        QFETCH(QList<QRect>, screens);
        QFETCH(QPoint, stored);
        const auto coordinate = [](int value) {
            return value < 0 ? std::nullopt : std::optional<int>(value);
        };
        const WindowPlacement::Placement placed =
            WindowPlacement::Place(coordinate(stored.x()), coordinate(stored.y()),
                                   QRect(QPoint(0, 0), FullWindow), screens, Frame, ScrollBar);
        QTEST(placed.geometry, "window");
        QTEST(placed.scrolling, "scrolling");
    }
};

QL_REGISTER_TEST(TestPlacement)
#include "test_placement.moc"
