#pragma once

#include <QFileInfo>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

// Two linked pseudo-terminals made by socat, standing in for a serial cable:
// the program opens NearPath(), the test plays the unit on FarPath().
class PtyPair
{
public:
    PtyPair()
        : m_near(m_dir.filePath(QStringLiteral("near"))), m_far(m_dir.filePath(QStringLiteral("far")))
    {
    }
    ~PtyPair() { Stop(); }

    const QString &NearPath() const { return m_near; }
    const QString &FarPath() const { return m_far; }

    // Starts socat and waits until both ends exist.
    bool Start()
    {
        m_socat.setProcessChannelMode(QProcess::MergedChannels);
        m_socat.start(QStringLiteral("socat"),
                      {QStringLiteral("-d"), QStringLiteral("-d"),
                       QStringLiteral("pty,raw,echo=0,link=") + m_near,
                       QStringLiteral("pty,raw,echo=0,link=") + m_far});
        if (!m_socat.waitForStarted())
            return false;
        QByteArray log;
        return QTest::qWaitFor([&] {
            m_socat.waitForReadyRead(10);
            log += m_socat.readAll();
            return log.contains("starting data transfer loop");
        }, 10000);
    }
    // Ends socat: both ends go away.
    void Stop()
    {
        if (m_socat.state() == QProcess::NotRunning)
            return;
        m_socat.kill();
        m_socat.waitForFinished();
    }

private:
    QTemporaryDir m_dir;
    QString m_near;
    QString m_far;
    QProcess m_socat;
};

// The unit's end of a PtyPair.
class FarEnd
{
public:
    bool Open(const QString &path)
    {
        m_port.setPortName(path);
        return m_port.open(QIODevice::ReadWrite);
    }
    // Reads until `count` bytes have arrived or nothing more comes within a few seconds.
    QByteArray Read(qsizetype count)
    {
        QByteArray data = std::exchange(m_pending, QByteArray());
        while (data.size() < count && (m_port.bytesAvailable() > 0 || m_port.waitForReadyRead(5000)))
            data += m_port.readAll();
        m_pending = data.mid(count);
        return data.left(count);
    }
    // Whatever arrives within `ms` milliseconds; used to show that nothing came.
    QByteArray ReadFor(int ms)
    {
        QByteArray data = std::exchange(m_pending, QByteArray());
        while (m_port.waitForReadyRead(ms))
            data += m_port.readAll();
        return data + m_port.readAll();
    }
    void Write(const QByteArray &data)
    {
        m_port.write(data);
        m_port.waitForBytesWritten(5000);
    }

private:
    QSerialPort m_port;
    QByteArray m_pending;
};
