// qlunit: the unit's end of the line for QLSetup, without a chassis.

#include "app/QlError.h"
#include "unit/DeviceLine.h"
#include "unit/DeviceLink.h"
#include "unit/IrEncoder.h"
#include "unit/PtyLine.h"
#include "unit/ReplyFile.h"
#include "unit/StopSignals.h"
#include "unit/UnitLog.h"
#include "unit/UnitOptions.h"
#include "unit/VirtualUnit.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <memory>

namespace {

void Print(FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text), stream);
    std::fflush(stream);
}

VirtualUnit::Setup SetupOf(const UnitOptions &options)
{
    VirtualUnit::Setup setup;
    setup.unitId = options.unitId;
    setup.irSamples = IrEncoder::Encode(options.irBits, options.irMode);
    setup.irDelayMs = options.irDelayMs;
    setup.logReads = options.logReads;
    if (!options.repliesPath.isEmpty()) {
        setup.replies = ReplyFile::Read(options.repliesPath);
        try {
            VirtualUnit::CheckReplies(setup.replies);
        } catch (const QlError &error) {
            throw QlError(QStringLiteral("%1: %2").arg(options.repliesPath, error.message()));
        }
    }
    return setup;
}

void OpenLog(QFile &log, const QString &path)
{
    const bool open = path.isEmpty() ? log.open(stdout, QIODevice::WriteOnly)
                                     : (log.setFileName(path), log.open(QIODevice::WriteOnly | QIODevice::Truncate));
    if (!open)
        throw QlError(QStringLiteral("%1: %2").arg(path, log.errorString()));
}

// Serves until a stop signal or the loss of the line; the exit status.
int Serve(const UnitOptions &options)
{
    VirtualUnit::Setup setup = SetupOf(options);
    QFile logFile;
    OpenLog(logFile, options.logPath);
    UnitLog log(logFile);

    std::unique_ptr<UnitLine> line;
    std::unique_ptr<DeviceLink> link;
    QString served;
    if (!options.devicePath.isEmpty()) {
        line = std::make_unique<DeviceLine>(options.devicePath);
        served = options.devicePath;
    } else {
        auto pty = std::make_unique<PtyLine>();
        served = pty->DevicePath();
        if (!options.linkPath.isEmpty()) {
            link = std::make_unique<DeviceLink>(options.linkPath, served);
            served = QStringLiteral("%1, linked as %2").arg(served, options.linkPath);
        }
        line = std::move(pty);
    }

    VirtualUnit unit(*line, log, std::move(setup));
    int status = 0;
    QObject::connect(line.get(), &UnitLine::Lost, [&status](const QString &message) {
        Print(stderr, QStringLiteral("qlunit: %1\n").arg(message));
        status = 1;
        QCoreApplication::quit();
    });
    StopSignals stop;
    QObject::connect(&stop, &StopSignals::Stop, &QCoreApplication::quit);
    Print(stdout, QStringLiteral("qlunit: the unit is on %1\n").arg(served));
    QCoreApplication::exec();
    unit.Finish();
    return status;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    UnitOptions options;
    try {
        options = UnitOptions::Parse(QCoreApplication::arguments());
    } catch (const QlError &error) {
        Print(stderr, QStringLiteral("qlunit: %1\nTry qlunit --help.\n").arg(error.message()));
        return 2;
    }
    if (options.help) {
        Print(stdout, options.usage);
        return 0;
    }
    try {
        return Serve(options);
    } catch (const QlError &error) {
        Print(stderr, QStringLiteral("qlunit: %1\n").arg(error.message()));
        return 1;
    }
}
