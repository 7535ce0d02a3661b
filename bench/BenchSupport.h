#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

// Helpers shared by the benchmark programs.
namespace Bench {

// Keeps the program's settings in a temporary folder for the run; call
// before anything reads settings.
class IsolatedSettings
{
public:
    IsolatedSettings() { qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit()); }
    const QTemporaryDir &Folder() const { return m_dir; }

private:
    QTemporaryDir m_dir;
};

// Two linked pseudo-terminals made by socat: the program opens Near(), the
// benchmark plays the unit on Far().
class PtyPair
{
public:
    PtyPair() : m_near(m_dir.filePath("near")), m_far(m_dir.filePath("far")) {}
    ~PtyPair()
    {
        m_socat.kill();
        m_socat.waitForFinished();
    }

    bool Start()
    {
        m_socat.setProcessChannelMode(QProcess::MergedChannels);
        m_socat.start("socat", {"-d", "-d", "pty,raw,echo=0,link=" + m_near,
                                "pty,raw,echo=0,link=" + m_far});
        if (!m_socat.waitForStarted())
            return false;
        QByteArray log;
        QElapsedTimer waited;
        waited.start();
        while (!log.contains("starting data transfer loop") && waited.elapsed() < 10000) {
            m_socat.waitForReadyRead(50);
            log += m_socat.readAll();
        }
        return log.contains("starting data transfer loop");
    }
    const QString &Near() const { return m_near; }
    const QString &Far() const { return m_far; }

private:
    QTemporaryDir m_dir;
    QString m_near;
    QString m_far;
    QProcess m_socat;
};

// The unit's end of the line as a raw file descriptor, for use on a thread of its own.
class FarEnd
{
public:
    explicit FarEnd(const QString &path)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY))
    {
        if (m_fd >= 0) {
            termios raw{};
            tcgetattr(m_fd, &raw);
            cfmakeraw(&raw);
            tcsetattr(m_fd, TCSANOW, &raw);
        }
    }
    ~FarEnd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool IsOpen() const { return m_fd >= 0; }
    bool Write(const QByteArray &bytes) const
    {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
            if (n <= 0)
                return false;
            done += n;
        }
        return true;
    }
    // Blocks until at least one byte arrives; empty on error.
    QByteArray Read() const
    {
        char buffer[4096];
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        return n > 0 ? QByteArray(buffer, n) : QByteArray();
    }

private:
    int m_fd;
};

// Resident memory of this process in kilobytes.
inline long ResidentKb()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Runs on the offscreen platform when no display is there.
inline void UseOffscreenWithoutDisplay()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Handles events until `window` has been exposed.
inline void WaitUntilShown(QWidget &window)
{
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

inline int Fail(const char *why)
{
    std::fprintf(stderr, "benchmark failed: %s\n", why);
    return 1;
}

// One result line: what was measured, the figure, and its ratio to the goal.
inline void Report(const QString &what, double figure, const char *unit, const QString &ratio,
                   bool met)
{
    std::printf("%-40s %10.1f %-3s  %-36s %s\n", qPrintable(what), figure, unit, qPrintable(ratio),
                met ? "met" : "MISSED");
    std::fflush(stdout);
}

} // namespace Bench
