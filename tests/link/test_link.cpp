#include "app/QlError.h"
#include "link/MSCom.h"
#include "link/PortSelector.h"
#include "link/SerialDevice.h"
#include "support/PtyPair.h"
#include "support/TestMain.h"

#include <QSettings>
#include <cerrno>
#include <QSignalSpy>
#include <QTest>

#include <termios.h>

namespace {

QSettings Settings()
{
    return QSettings(QStringLiteral("Korvane"), QStringLiteral("QLSetup"));
}

void PointPortAt(int portNo, const QString &device)
{
    Settings().setValue(QStringLiteral("ComDevice%1").arg(portNo), device);
}

// The message a call throws, or "" when it does not throw.
template <typename Call>
QString ErrorOf(Call &&call)
{
    try {
        call();
    } catch (const QlError &error) {
        return error.message();
    }
    return QString();
}

} // namespace

class TestLink : public QObject
{
    Q_OBJECT

private slots:
    void init() { Settings().clear(); }

    void deviceNames()
    {
        QCOMPARE(SerialDeviceName(1), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(SerialDeviceName(3), QStringLiteral("/dev/ttyS2"));
        PointPortAt(2, QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(SerialDeviceName(2), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(SerialDeviceName(1), QStringLiteral("/dev/ttyS0"));
    }

    void closedPortErrors()
    {
        MSCom com;
        QVERIFY(!com.IsOpen());
        QCOMPARE(com.DeviceName(), QStringLiteral("COM1"));
        const QString closed = QStringLiteral("Can't perform this operation on a closed port");
        QCOMPARE(ErrorOf([&] { com.WriteText(QStringLiteral("[RES]")); }), closed);
        QCOMPARE(ErrorOf([&] { com.ReadAvailable(); }), closed);
        com.Close();  // closing a closed port does nothing
        QVERIFY(!com.IsOpen());
    }

    void openFailureKeepsThePortClosed()
    {
        MSCom com;
        com.SetDeviceName(QStringLiteral("/nonexistent/tty"));
        const QString message = ErrorOf([&] { com.Open(); });
        QVERIFY(!message.isEmpty());
        QVERIFY(!com.IsOpen());
    }

    void bytesBothWaysUnchanged()
    {
        PtyPair pty;
        QVERIFY(pty.Start());
        FarEnd far;
        QVERIFY(far.Open(pty.FarPath()));
        MSCom com;
        com.SetDeviceName(pty.NearPath());
        com.Open();
        QVERIFY(com.IsOpen());
        QCOMPARE(ErrorOf([&] { com.SetDeviceName(QStringLiteral("x")); }),
                 QStringLiteral("Can't perform this operation on an open port"));

        QByteArray all(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        com.WriteText(QString::fromLatin1(all));
        com.WriteText(QStringLiteral("[ON3C5]"));
        QCOMPARE(far.Read(all.size() + 7), all + "[ON3C5]");

        QSignalSpy received(&com, &MSCom::Received);
        far.Write(all);
        QString read;
        QTRY_VERIFY_WITH_TIMEOUT((read += com.ReadAvailable()).size() == 256, 5000);
        QVERIFY(!received.isEmpty());
        QCOMPARE(read.toLatin1(), all);
        QCOMPARE(com.ReadAvailable(), QString());  // nothing queued now
    }

    // The opened device carries the line settings: 9600 baud both ways,
    // 8 data bits, no parity, one stop bit, no hardware or software handshake.
    void openedDeviceLineSettings()
    {
        PtyPair pty;
        QVERIFY(pty.Start());
        MSCom com;
        com.SetDeviceName(pty.NearPath());
        com.Open();
        const auto *device = com.findChild<QSerialPort *>();
        QVERIFY(device && device->isOpen());
        termios line{};
        QCOMPARE(tcgetattr(device->handle(), &line), 0);
        QCOMPARE(cfgetispeed(&line), speed_t(B9600));
        QCOMPARE(cfgetospeed(&line), speed_t(B9600));
        QCOMPARE(line.c_cflag & (CSTOPB | CRTSCTS), tcflag_t(0));
        QCOMPARE(line.c_iflag & (IXON | IXOFF), tcflag_t(0));
        // A pseudo-terminal always reads back 8 bits without parity: those
        // two are read from the port as it was opened.
        QCOMPARE(device->dataBits(), QSerialPort::Data8);
        QCOMPARE(device->parity(), QSerialPort::NoParity);
    }

    void farSideGoneGivesTheLinkErrorOnce()
    {
        PtyPair pty;
        QVERIFY(pty.Start());
        MSCom com;
        com.SetDeviceName(pty.NearPath());
        com.Open();
        QSignalSpy failed(&com, &MSCom::Failed);
        QSignalSpy lost(&com, &MSCom::Lost);

        errno = ENOENT;  // left behind by some unrelated call, as in the running program
        pty.Stop();
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 5000);
        QCOMPARE(lost.size(), 1);
        const QString message = failed.at(0).at(0).toString();
        QCOMPARE(message, qt_error_string(EIO));
        QTest::qWait(200);  // the port must not keep reporting (or spinning)
        QCOMPARE(failed.size(), 1);
        QVERIFY(!com.IsOpen());
        QCOMPARE(ErrorOf([&] { com.WriteText(QStringLiteral("[RES]")); }), message);

        com.Close();  // the user picks the port again or "None"
        QCOMPARE(ErrorOf([&] { com.WriteText(QStringLiteral("[RES]")); }),
                 QStringLiteral("Can't perform this operation on a closed port"));
    }

    void writeToAVanishedFarSideFails()
    {
        PtyPair pty;
        QVERIFY(pty.Start());
        MSCom com;
        com.SetDeviceName(pty.NearPath());
        com.Open();
        QSignalSpy failed(&com, &MSCom::Failed);
        QSignalSpy lost(&com, &MSCom::Lost);
        pty.Stop();
        // Before the event loop noticed the failure, the write itself fails.
        QString message;
        for (int i = 0; i < 100 && message.isEmpty(); ++i)
            message = ErrorOf([&] { com.WriteText(QStringLiteral("[ON1C5]")); });
        QVERIFY(!message.isEmpty());
        QTRY_VERIFY(!com.IsOpen());
        QTest::qWait(100);
        QCOMPARE(failed.size(), 0);  // reported once, by the write
        QCOMPARE(lost.size(), 1);
    }

    void selectPort()
    {
        PtyPair one, two;
        QVERIFY(one.Start());
        QVERIFY(two.Start());
        PointPortAt(1, one.NearPath());
        PointPortAt(2, two.NearPath());
        PointPortAt(3, QStringLiteral("/nonexistent/tty"));

        MSCom com;
        PortSelector ports(com);
        QCOMPARE(ports.CommPortNo(), 0);
        QCOMPARE(ports.SelectPort(2), 2);
        QCOMPARE(ports.CommPortNo(), 2);
        QVERIFY(com.IsOpen());
        QCOMPARE(com.DeviceName(), two.NearPath());

        // Ports above 3 change nothing.
        QCOMPARE(ports.SelectPort(5), int(PortSelector::NoChoice));
        QCOMPARE(ports.CommPortNo(), 2);
        QVERIFY(com.IsOpen());

        QCOMPARE(ports.SelectPort(1), 1);
        QCOMPARE(com.DeviceName(), one.NearPath());
        QVERIFY(com.IsOpen());

        // A port that cannot be opened: back to none, the previous one closed.
        QCOMPARE(ports.SelectPort(3), 0);
        QCOMPARE(ports.CommPortNo(), 0);
        QVERIFY(!com.IsOpen());

        QCOMPARE(ports.SelectPort(1), 1);
        QCOMPARE(ports.SelectPort(0), 0);
        QCOMPARE(ports.CommPortNo(), 0);
        QVERIFY(!com.IsOpen());
    }

    // A port that cannot be opened keeps the device and the system's reason.
    void openFailureTellsWhy()
    {
        PtyPair held, refused;
        QVERIFY(held.Start());
        QVERIFY(refused.Start());
        MSCom otherProgram;
        otherProgram.SetDeviceName(held.NearPath());
        otherProgram.Open();

        using Reason = PortOpenError::Reason;
        const struct
        {
            const char *name;
            QString device;
            int injected;  // errno the access check gives, 0 for the system's answer
            Reason reason;
            QString message;  // empty: any
        } cases[] = {
            {"missing", QStringLiteral("/nonexistent/ttyUSB7"), 0, Reason::Missing, qt_error_string(ENOENT)},
            {"not permitted", refused.NearPath(), EACCES, Reason::NotPermitted, qt_error_string(EACCES)},
            {"in use", held.NearPath(), 0, Reason::InUse, QString()},
        };
        for (const auto &c : cases) {
            MSCom com;
            if (c.injected)
                com.SetAccessCheck([&c](const QString &device) { return device == c.device ? c.injected : 0; });
            PortSelector ports(com);
            PointPortAt(2, c.device);
            QCOMPARE(ports.SelectPort(2), 0);
            QVERIFY2(ports.LastFailure().has_value(), c.name);
            const PortOpenFailure &failure = *ports.LastFailure();
            QCOMPARE(failure.portNo, 2);
            QCOMPARE(failure.device, c.device);
            QVERIFY2(failure.reason == c.reason, c.name);
            QVERIFY2(!failure.message.isEmpty(), c.name);
            if (!c.message.isEmpty())
                QCOMPARE(failure.message, c.message);
            QVERIFY(!com.IsOpen());
        }

        // Once the device can be opened, no failure is left behind.
        MSCom com;
        PortSelector ports(com);
        PointPortAt(2, refused.NearPath());
        QCOMPARE(ports.SelectPort(2), 2);
        QVERIFY(!ports.LastFailure().has_value());
    }

    void portInUseIsNotOpenedTwice()
    {
        PtyPair pty;
        QVERIFY(pty.Start());
        PointPortAt(1, pty.NearPath());
        MSCom first, second;
        PortSelector firstPorts(first), secondPorts(second);
        QCOMPARE(firstPorts.SelectPort(1), 1);
        QCOMPARE(secondPorts.SelectPort(1), 0);
        QCOMPARE(secondPorts.CommPortNo(), 0);
        QVERIFY(first.IsOpen());
    }
};

QL_REGISTER_TEST(TestLink)
#include "test_link.moc"
