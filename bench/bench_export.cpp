// The command line's exports of a full design without a display: a 20-slot
// design with a 2,000-line program, exported by the program itself as a
// child process. Wall time from start to exit and the child's peak memory.
#include "BenchSupport.h"

#include "document/CardCatalog.h"
#include "document/QlsDoc.h"

#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

constexpr int Runs = 5;
constexpr int ProgramLines = 2000;
constexpr double TimeGoalMs = 500;
constexpr double MemoryGoalMb = 150;

// Every slot taken: wide cards with their reserved slots, one-slot cards,
// the control card in slot 20; groups and customer fields filled in.
TQlsDoc FullDesign()
{
    const char *const cards[] = {"QL346-100", "QL324-100", "QL335-102", "QL379-102", "QL357-103",
                                 "QL393-101", "QL324-111", "QL346-106", "QL382-100", "QL379-104",
                                 "QL415-102", "QL324-113", "QL415-104"};
    const int places[] = {3, 4, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 20};
    TQlsDoc doc;
    for (size_t i = 0; i < std::size(cards); ++i)
        doc.PlaceCard(places[i], CardCatalog::Lines().at(CardCatalog::IndexOfCode(cards[i])));
    for (int slot = 17; slot <= 19; ++slot)
        doc.PlaceCard(slot, CardCatalog::Lines().at(CardCatalog::IndexOfCode("QL324-100")));
    for (int slot = 1; slot <= TQlsDoc::SlotCount; ++slot)
        doc.SetGroupMember(slot, 1 + slot % 8, true);
    doc.SetInfoField(TQlsDoc::COMPANY, QStringLiteral("Harbour North Studios"));
    doc.SetInfoField(TQlsDoc::CONTACT, QStringLiteral("Ana Ruiz"));
    doc.SetInfoField(TQlsDoc::COMMENT, QStringLiteral("Rack 2, left bay\r\nSpare fuse inside\r\n"));
    QStringList program;
    for (int line = 0; line < ProgramLines; ++line)
        program << QStringLiteral("KEY %1 = [ON%2C%3U0] {PAUSE 5} // step %4")
                       .arg(line % 48 + 1)
                       .arg(line % 8 + 1)
                       .arg(line % 20 + 1)
                       .arg(line);
    doc.SetProgramLines(program);
    return doc;
}

// The environment without a display or a chosen platform, as over ssh.
std::vector<char *> HeadlessEnvironment()
{
    std::vector<char *> environment;
    for (char **variable = environ; *variable; ++variable) {
        const QByteArray entry(*variable);
        const QByteArray name = entry.left(entry.indexOf('='));
        if (name != "DISPLAY" && name != "WAYLAND_DISPLAY" && name != "QT_QPA_PLATFORM")
            environment.push_back(*variable);
    }
    environment.push_back(nullptr);
    return environment;
}

struct Run
{
    bool ok = false;
    double ms = 0;
    double peakMb = 0;
};

Run RunProgram(const QStringList &arguments)
{
    QList<QByteArray> bytes{QByteArray(QL_PROGRAM)};
    for (const QString &argument : arguments)
        bytes << QFile::encodeName(argument);
    std::vector<char *> argv;
    for (QByteArray &argument : bytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<char *> environment = HeadlessEnvironment();

    const auto started = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, QL_PROGRAM, nullptr, nullptr, argv.data(), environment.data()) != 0)
        return {};
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return {};
    const std::chrono::duration<double, std::milli> took =
        std::chrono::steady_clock::now() - started;
    return {WIFEXITED(status) && WEXITSTATUS(status) == 0, took.count(), usage.ru_maxrss / 1024.0};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString design = dir.filePath(QStringLiteral("full.qls"));
    FullDesign().SaveToFile(design);

    const struct
    {
        const char *what;
        QStringList arguments;
    } exports[] = {
        {"report PDF", {"--export-pdf", dir.filePath("full.pdf"), design}},
        {"parts list CSV", {"--export-parts", dir.filePath("full.csv"), design}},
    };
    for (const auto &run : exports) {
        std::vector<double> ms, peakMb;
        for (int i = 0; i < Runs; ++i) {
            const Run result = RunProgram(run.arguments);
            if (!result.ok)
                return Bench::Fail("the export did not succeed");
            ms.push_back(result.ms);
            peakMb.push_back(result.peakMb);
        }
        const double time = Median(ms);
        const double memory = *std::max_element(peakMb.begin(), peakMb.end());
        Bench::Report(QString("headless %1, median of %2").arg(run.what).arg(Runs), time, "ms",
                      QString("%1 of goal %2 ms").arg(time / TimeGoalMs, 0, 'f', 2).arg(TimeGoalMs),
                      time <= TimeGoalMs);
        Bench::Report(
            QString("peak memory of the %1, largest").arg(run.what), memory, "MB",
            QString("%1 of goal %2 MB").arg(memory / MemoryGoalMb, 0, 'f', 2).arg(MemoryGoalMb),
            memory <= MemoryGoalMb);
    }
    return 0;
}
