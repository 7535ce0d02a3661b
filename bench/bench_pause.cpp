// The pause after each chunk of a command, measured with the real clock at
// the unit's end of a pty: the time between the arrivals of consecutive
// chunks, against the 500 ms the sender pauses.
#include "BenchSupport.h"
#include "WindowOnLine.h"

#include "app/QLApplication.h"
#include "app/QtDesktop.h"
#include "command/CommandSender.h"

#include <QTimer>

#include <algorithm>
#include <utility>
#include <chrono>
#include <thread>
#include <vector>

namespace {

constexpr int Chunks = 11;
constexpr double PauseGoalMs = CommandSender::PauseSteps * CommandSender::PauseStepMs;
// A pause may exceed its goal by this share (events handled, the next chunk echoed).
constexpr double PauseTolerance = 0.05;

using Clock = std::chrono::steady_clock;

// Arrival times of the chunk ends ("]") at the unit, until `count` have come.
std::vector<Clock::time_point> ChunkArrivals(const Bench::FarEnd &unit, int count)
{
    std::vector<Clock::time_point> arrivals;
    while (int(arrivals.size()) < count) {
        const QByteArray bytes = unit.Read();
        if (bytes.isEmpty())
            break;
        const auto now = Clock::now();
        for (int i = 0; i < bytes.count(']'); ++i)
            arrivals.push_back(now);
    }
    return arrivals;
}

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
    const bool shown = Bench::ShowOnLine(form, pty);
    const Bench::FarEnd unit(pty.Far());
    if (!shown || !unit.IsOpen())
        return Bench::Fail("the pty could not be opened");

    std::vector<Clock::time_point> arrivals;
    std::thread reader([&] { arrivals = ChunkArrivals(unit, Chunks); });
    QString command;
    for (int n = 1; n <= Chunks; ++n)
        command += QStringLiteral("[ON%1C5]").arg(n);
    form.SendCommand(QStringLiteral("%v"), QString(), command);
    reader.join();
    if (int(arrivals.size()) != Chunks)
        return Bench::Fail("not every chunk reached the unit");

    double total = 0;
    double longest = 0;
    for (int n = 1; n < Chunks; ++n) {
        const double ms = std::chrono::duration<double, std::milli>(arrivals[n] - arrivals[n - 1]).count();
        total += ms;
        longest = std::max(longest, ms);
    }
    const double mean = total / (Chunks - 1);
    for (const auto &[what, ms] : {std::pair{"pause per chunk, mean", mean},
                                   std::pair{"pause per chunk, longest", longest}})
        Bench::Report(QString(what), ms, "ms",
                      QString("%1 of goal %2 ms").arg(ms / PauseGoalMs, 0, 'f', 3).arg(PauseGoalMs),
                      ms >= PauseGoalMs && ms <= PauseGoalMs * (1 + PauseTolerance));
    return 0;
}
