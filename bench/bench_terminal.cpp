// Terminal intake: a 1 MB burst of replies from the unit, sent through a
// socat pty pair into the real main window, against the 9600-baud line
// rate; how fast the window answers keys while the burst comes in; and the
// resident memory afterwards. An argument sets another burst size in bytes.
#include "BenchSupport.h"
#include "WindowOnLine.h"

#include "app/QLApplication.h"
#include "app/QtDesktop.h"

#include <QInputDevice>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

namespace {

constexpr qsizetype BurstBytes = 1024 * 1024;
constexpr double LineBytesPerSecond = 9600.0 / 10; // 8 data bits, start and stop bit
constexpr double IntakeGoal = 1000;                // times the line rate
constexpr double KeyGoalMs = 50;
constexpr int KeyIntervalMs = 10;
constexpr double MemoryGoalMb = 100;
const QByteArray EndMarker = "END OF BURST\r\n";

// `size` bytes of replies as the unit sends them, ending with EndMarker.
QByteArray Burst(qsizetype size)
{
    QByteArray burst;
    burst.reserve(size);
    for (int n = 0; burst.size() < size - 64 - EndMarker.size(); ++n)
        burst += "C" + QByteArray::number(n % 20 + 1) + " STATUS OUT" + QByteArray::number(n % 8 + 1)
                 + " ON IN" + QByteArray::number(n % 16 + 1) + " LEVEL " + QByteArray::number(n)
                 + "\r\n";
    burst += QByteArray(size - burst.size() - EndMarker.size(), '.') + EndMarker;
    return burst;
}

// Posts key presses to a widget from a thread of its own, as keys arrive
// from the keyboard: at any moment, also while the window is busy. Measures
// how long each waits before the widget gets it; one is in flight at a time.
class KeyProbe : public QObject
{
public:
    explicit KeyProbe(QWidget *target) : m_target(target)
    {
        target->installEventFilter(this);
        QInputDevice::primaryKeyboard();  // made here: key events of the thread refer to it
        m_thread = std::thread([this] {
            while (!m_stop) {
                if (!m_pending.exchange(true)) {
                    m_postedNs = Now();
                    QCoreApplication::postEvent(m_target, new QKeyEvent(QEvent::KeyPress, Qt::Key_A,
                                                                        Qt::NoModifier, "a"));
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(KeyIntervalMs));
            }
        });
    }
    ~KeyProbe() override { Stop(); }
    void Stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    double WorstMs() const { return m_worstMs; }
    int Count() const { return m_count; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && m_pending) {
            m_worstMs = std::max(m_worstMs, (Now() - m_postedNs) / 1e6);
            ++m_count;
            m_pending = false;
        }
        return false;
    }

private:
    static qint64 Now()
    {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    QWidget *m_target;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_pending{false};
    std::atomic<qint64> m_postedNs{0};
    double m_worstMs = 0;
    int m_count = 0;
};

} // namespace

int main(int argc, char **argv)
{
    Bench::IsolatedSettings settings;
    Bench::UseOffscreenWithoutDisplay();
    QtDesktop desktop;
    QLApplication app(argc, argv, desktop);

    Bench::PtyPair pty;
    if (!pty.Start())
        return Bench::Fail("socat could not link two pseudo-terminals");

    TQLForm form(desktop);
    if (!Bench::ShowOnLine(form, pty))
        return Bench::Fail("the window could not open the pty");
    const Bench::FarEnd unit(pty.Far());
    if (!unit.IsOpen())
        return Bench::Fail("the unit's end of the pty could not be opened");

    const QByteArray burst = Burst(argc > 1 ? QByteArray(argv[1]).toLongLong() : BurstBytes);
    KeyProbe keys(form.findChild<QPlainTextEdit *>("txtTerminal"));
    QElapsedTimer intake;
    int arrivals = 0;
    QObject::connect(&form.Exchange().Port(), &MSCom::Received, &app, [&] {
        ++arrivals;
        if (form.Exchange().ReceivedText().endsWith(QString::fromLatin1(EndMarker)))
            app.exit(0);
    });
    QTimer::singleShot(600000, &app, [&] { app.exit(1); });
    intake.start();
    std::thread writer([&] { unit.Write(burst); });
    const int timedOut = app.exec();
    const double seconds = intake.nsecsElapsed() / 1e9;
    keys.Stop();
    writer.join();
    if (timedOut)
        return Bench::Fail("the burst was not taken in within ten minutes");

    const double lineSeconds = burst.size() / LineBytesPerSecond;
    const double timesLineRate = lineSeconds / seconds;
    Bench::Report(QString("terminal intake of %1 KB in %2 arrivals")
                      .arg(burst.size() / 1024)
                      .arg(arrivals),
                  seconds * 1000, "ms",
                  QString("%1x line rate, %2 of goal %3x")
                      .arg(timesLineRate, 0, 'f', 0)
                      .arg(timesLineRate / IntakeGoal, 0, 'f', 2)
                      .arg(IntakeGoal),
                  timesLineRate >= IntakeGoal);
    Bench::Report(QString("worst key response of %1 during it").arg(keys.Count()), keys.WorstMs(),
                  "ms",
                  QString("%1 of goal %2 ms").arg(keys.WorstMs() / KeyGoalMs, 0, 'f', 2).arg(KeyGoalMs),
                  keys.WorstMs() <= KeyGoalMs);
    const double memory = Bench::ResidentKb() / 1024.0;
    Bench::Report("resident memory after it", memory, "MB",
                  QString("%1 of goal %2 MB").arg(memory / MemoryGoalMb, 0, 'f', 2).arg(MemoryGoalMb),
                  memory <= MemoryGoalMb);
    return 0;
}
