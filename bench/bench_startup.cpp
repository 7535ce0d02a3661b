// Start to first window and resident memory: the program is started as a
// child process, which reports when its main window is first painted.
#include "BenchSupport.h"

#include "app/QLApplication.h"
#include "app/QLForm.h"
#include "app/QtDesktop.h"

#include <QTimer>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

constexpr int Runs = 5;
constexpr double StartGoalMs = 1000;
constexpr double MemoryGoalMb = 100;
const char *const ChildFlag = "--child";

qint64 MonotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Ends the event loop at the first paint of the watched window.
class FirstPaint : public QObject
{
public:
    qint64 paintedNs = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && paintedNs == 0) {
            paintedNs = MonotonicNs();
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

// The program as app/main.cpp starts it; prints the milliseconds from
// `startedNs` to the first paint and the resident kilobytes then.
int RunChild(int argc, char **argv, qint64 startedNs)
{
    QtDesktop desktop;
    QLApplication app(argc, argv, desktop);
    TQLForm form(desktop);
    FirstPaint painted;
    form.installEventFilter(&painted);
    form.show();
    app.exec();
    std::printf("%f %ld\n", (painted.paintedNs - startedNs) / 1e6, Bench::ResidentKb());
    return 0;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], ChildFlag) == 0)
        return RunChild(argc, argv, QByteArray(argv[2]).toLongLong());

    Bench::IsolatedSettings settings;
    Bench::UseOffscreenWithoutDisplay();
    QCoreApplication app(argc, argv);
    std::vector<double> startMs, memoryMb;
    for (int run = 0; run < Runs; ++run) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {ChildFlag, QString::number(MonotonicNs())});
        if (!child.waitForFinished(60000) || child.exitCode() != 0)
            return Bench::Fail("the program did not start");
        const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
        startMs.push_back(figures.value(0).toDouble());
        memoryMb.push_back(figures.value(1).toDouble() / 1024);
    }
    const double start = Median(startMs);
    const double memory = Median(memoryMb);
    Bench::Report(QString("start to first window, median of %1").arg(Runs), start, "ms",
                  QString("%1 of goal %2 ms").arg(start / StartGoalMs, 0, 'f', 2).arg(StartGoalMs),
                  start <= StartGoalMs);
    Bench::Report("resident memory then, median", memory, "MB",
                  QString("%1 of goal %2 MB").arg(memory / MemoryGoalMb, 0, 'f', 2).arg(MemoryGoalMb),
                  memory <= MemoryGoalMb);
    return 0;
}
