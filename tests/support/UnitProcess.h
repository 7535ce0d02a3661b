#pragma once

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// qlunit serving one test on a pseudo-terminal: the program opens
// DevicePath() (store it as "ComDevice1"), the test reads what the unit
// logged. The test target defines QL_UNIT_PROGRAM, the path of qlunit.
class UnitProcess
{
public:
    // `arguments` go to qlunit after its link and log, e.g. {"--raw"}.
    explicit UnitProcess(const QStringList &arguments = {}) : m_arguments(arguments) {}
    ~UnitProcess() { Stop(); }

    QString DevicePath() const { return m_dir.filePath(QStringLiteral("unit")); }
    QString LogPath() const { return m_dir.filePath(QStringLiteral("unit.log")); }

    // Starts qlunit and waits until its device is there.
    bool Start()
    {
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_process.start(QStringLiteral(QL_UNIT_PROGRAM),
                        QStringList{QStringLiteral("--link"), DevicePath(), QStringLiteral("--log"), LogPath()}
                            + m_arguments);
        return m_process.waitForStarted() && QTest::qWaitFor([this] {
                   return QFileInfo::exists(DevicePath()) || m_process.state() == QProcess::NotRunning;
               }, 10000) && QFileInfo::exists(DevicePath());
    }

    // Stops qlunit as a user would; true when it had been running and ended cleanly.
    bool Stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return false;
        m_process.terminate();
        if (!m_process.waitForFinished(10000)) {
            m_process.kill();
            m_process.waitForFinished();
            return false;
        }
        return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    }

    // The texts of the log lines of one kind ("command", "answer", "read",
    // "unterminated", ...), in order, as the log writes them.
    QStringList Logged(const QString &kind) const
    {
        static const QRegularExpression line(QStringLiteral(R"(^ *\d+ ms +(?:\+\d+ ms)?  (\S+) (.*)$)"));
        QFile log(LogPath());
        QStringList texts;
        if (!log.open(QIODevice::ReadOnly))
            return texts;
        for (const QString &text : QString::fromLatin1(log.readAll()).split(u'\n')) {
            const QRegularExpressionMatch match = line.match(text);
            if (match.hasMatch() && match.captured(1) == kind)
                texts << match.captured(2);
        }
        return texts;
    }
    // Waits, processing events, until the log holds `count` lines of `kind`.
    bool WaitForLogged(const QString &kind, qsizetype count) const
    {
        return QTest::qWaitFor([&] { return Logged(kind).size() >= count; }, 10000);
    }

private:
    QStringList m_arguments;
    QTemporaryDir m_dir;
    QProcess m_process;
};
