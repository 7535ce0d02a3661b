#include "FakeSerialDevices.h"
#include "link/PortReconnect.h"
#include "link/PortsDialog.h"
#include "link/SerialDevice.h"
#include "support/NamedControls.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

namespace {

QSettings Settings()
{
    return QSettings(QStringLiteral("Korvane"), QStringLiteral("QLSetup"));
}

const QString AdapterLink =
    QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K3X2-if00-port0");
const SerialDeviceInfo Modem{QStringLiteral("/dev/ttyACM0"), {}, {}, {}, {}};
const SerialDeviceInfo Adapter{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("FT232R USB UART"),
                               QStringLiteral("FTDI"), QStringLiteral("A10K3X2"), AdapterLink};
const QString AdapterLabel =
    QStringLiteral("/dev/ttyUSB0: FT232R USB UART, FTDI, serial number A10K3X2");
const QString OtherDevice = QStringLiteral("Other device: type its path");

QStringList Items(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

void Press(const PortsDialog &dialog, QDialogButtonBox::StandardButton which)
{
    QTest::mouseClick(NamedChild<QDialogButtonBox>(&dialog, QString())->button(which), Qt::LeftButton);
}

} // namespace

// The Ports dialog over a device source a test lays out, and the reconnect
// watch over it.
class TestPorts : public QObject
{
    Q_OBJECT

    FakeSerialDevices m_devices;

    template <typename W>
    static W *Child(const PortsDialog &dialog, const char *name)
    {
        return NamedChild<W>(&dialog, QLatin1String(name));
    }

private slots:
    void init()
    {
        Settings().clear();
        m_devices.devices = {Modem, Adapter};
        m_devices.refusals.clear();
        m_devices.groups.clear();
    }

    void listedDevicesArePickedByTheirStableName()
    {
        PortsDialog dialog(m_devices, 0, QString());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(Child<QLabel>(dialog, "lblOpenPort")->text(), QStringLiteral("No port is open."));
        auto *list = Child<QComboBox>(dialog, "cmboDevice1");
        QCOMPARE(Items(list), (QStringList{OtherDevice, QStringLiteral("/dev/ttyACM0"), AdapterLabel}));
        QCOMPARE(Child<QLineEdit>(dialog, "txtDevice1")->text(), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(list->currentIndex(), 0);
        QVERIFY(!Child<QCheckBox>(dialog, "chkReopen")->isChecked());

        PickListItem(list, 2);
        QCOMPARE(Child<QLineEdit>(dialog, "txtDevice1")->text(), AdapterLink);
        PickListItem(Child<QComboBox>(dialog, "cmboDevice3"), 1);
        Press(dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(SerialDeviceName(1), AdapterLink);
        QCOMPARE(SerialDeviceName(3), QStringLiteral("/dev/ttyACM0"));
        QVERIFY(!Settings().contains(QStringLiteral("ComDevice2")));  // untouched
        QVERIFY(!ReopenWhenDeviceReturns());
    }

    void typedPathShowsItsDevice()
    {
        PortsDialog dialog(m_devices, 2, QStringLiteral("/tmp/qlunit"));
        QCOMPARE(Child<QLabel>(dialog, "lblOpenPort")->text(),
                 QStringLiteral("COM2 is open on /tmp/qlunit."));
        auto *path = Child<QLineEdit>(dialog, "txtDevice2");
        auto *list = Child<QComboBox>(dialog, "cmboDevice2");
        path->clear();
        QTest::keyClicks(path, QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(list->currentText(), AdapterLabel);
        QTest::keyClicks(path, QStringLiteral("1"));
        QCOMPARE(list->currentText(), OtherDevice);
        QTest::mouseClick(Child<QCheckBox>(dialog, "chkReopen"), Qt::LeftButton);
        dialog.accept();
        QCOMPARE(SerialDeviceName(2), QStringLiteral("/dev/ttyUSB01"));
        QVERIFY(ReopenWhenDeviceReturns());
    }

    void cancelStoresNothing()
    {
        PortsDialog dialog(m_devices, 0, QString());
        Child<QLineEdit>(dialog, "txtDevice1")->setText(QStringLiteral("/dev/ttyUSB0"));
        Child<QCheckBox>(dialog, "chkReopen")->setChecked(true);
        dialog.reject();
        QVERIFY(Settings().allKeys().isEmpty());
    }

    void listFollowsDevicesComingAndGoing()
    {
        PortsDialog dialog(m_devices, 0, QString());
        dialog.show();
        QVERIFY(m_devices.watching);
        auto *list = Child<QComboBox>(dialog, "cmboDevice1");
        Child<QLineEdit>(dialog, "txtDevice1")->setText(AdapterLink);
        QCOMPARE(list->currentText(), AdapterLabel);

        m_devices.Change({Modem});  // adapter pulled
        QCOMPARE(Items(list), (QStringList{OtherDevice, QStringLiteral("/dev/ttyACM0")}));
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(Child<QLineEdit>(dialog, "txtDevice1")->text(), AdapterLink);

        m_devices.Change({Modem, Adapter});  // and back
        QCOMPARE(list->currentText(), AdapterLabel);
        dialog.reject();
        QVERIFY(!m_devices.watching);
    }

    void warnsOfADeviceTheUserMayNotUse()
    {
        m_devices.refusals.insert(QStringLiteral("/dev/ttyACM0"), EACCES);
        m_devices.groups.insert(QStringLiteral("/dev/ttyACM0"), QStringLiteral("uucp"));
        m_devices.refusals.insert(QStringLiteral("/dev/ttyS1"), ENOENT);
        PortsDialog dialog(m_devices, 0, QString());
        dialog.show();
        auto *warning = Child<QLabel>(dialog, "lblWarning1");
        QVERIFY(warning->isHidden());
        PickListItem(Child<QComboBox>(dialog, "cmboDevice1"), 1);
        QVERIFY(warning->isVisible());
        QCOMPARE(warning->text(),
                 QStringLiteral("You may not read and write /dev/ttyACM0 (group uucp): add your user "
                                "to the group uucp, then log in again."));
        QCOMPARE(Child<QLabel>(dialog, "lblWarning2")->text(),
                 QStringLiteral("There is no device /dev/ttyS1 now."));
        PickListItem(Child<QComboBox>(dialog, "cmboDevice1"), 2);
        QVERIFY(warning->isHidden());
    }

    void reconnectOpensTheSamePathOnceItIsBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tty"));
        QStringList tried;
        bool opens = false;
        PortReconnect reconnect(m_devices, [&](int portNo, const QString &device) {
            tried << QStringLiteral("%1 %2").arg(portNo).arg(device);
            return opens;
        });
        QSignalSpy reopened(&reconnect, &PortReconnect::Reopened);
        reconnect.Opened(2, path);
        reconnect.Watch();
        reconnect.Poll();
        QVERIFY(tried.isEmpty());

        QFile device(path);
        QVERIFY(device.open(QIODevice::WriteOnly));
        reconnect.Poll();  // there, but it cannot be opened yet
        QCOMPARE(tried, QStringList{QStringLiteral("2 ") + path});
        QVERIFY(reconnect.Watching());
        opens = true;
        reconnect.Poll();
        QCOMPARE(reopened.size(), 1);
        QCOMPARE(reopened.at(0), (QVariantList{2, path}));
        QVERIFY(!reconnect.Watching());
    }

    void reconnectFindsTheAdapterUnderANewName()
    {
        m_devices.devices = {{QStringLiteral("/nonexistent/ttyUSB0"), QStringLiteral("FT232R USB UART"),
                              QStringLiteral("FTDI"), QStringLiteral("A10K3X2"), QString()}};
        QStringList tried;
        PortReconnect reconnect(m_devices, [&](int, const QString &device) {
            tried << device;
            return true;
        });
        reconnect.Opened(1, QStringLiteral("/nonexistent/ttyUSB0"));
        m_devices.devices.clear();
        reconnect.Watch();
        reconnect.Poll();
        // Another adapter, and one of another maker with the same serial number, are not it.
        m_devices.devices = {
            {QStringLiteral("/nonexistent/ttyUSB1"), {}, QStringLiteral("FTDI"), QStringLiteral("B7"), {}},
            {QStringLiteral("/nonexistent/ttyUSB2"), {}, QStringLiteral("Prolific"), QStringLiteral("A10K3X2"), {}}};
        reconnect.Poll();
        QVERIFY(tried.isEmpty());
        m_devices.devices << SerialDeviceInfo{QStringLiteral("/nonexistent/ttyUSB3"), {},
                                              QStringLiteral("FTDI"), QStringLiteral("A10K3X2"), {}};
        reconnect.Poll();
        QCOMPARE(tried, QStringList{QStringLiteral("/nonexistent/ttyUSB3")});
    }

    void reconnectGivesUpAfterTenMinutes()
    {
        QCOMPARE(PortReconnect::PollLimit * PortReconnect::PollIntervalMs, 10 * 60 * 1000);
        PortReconnect reconnect(m_devices, [](int, const QString &) { return true; });
        QSignalSpy notReturned(&reconnect, &PortReconnect::NotReturned);
        reconnect.Opened(3, QStringLiteral("/nonexistent/ttyUSB0"));
        reconnect.Watch();
        for (int poll = 1; poll < PortReconnect::PollLimit; ++poll)
            reconnect.Poll();
        QVERIFY(reconnect.Watching());
        QVERIFY(notReturned.isEmpty());
        reconnect.Poll();
        QVERIFY(!reconnect.Watching());
        QCOMPARE(notReturned.size(), 1);
        QCOMPARE(notReturned.at(0), (QVariantList{3, QStringLiteral("/nonexistent/ttyUSB0")}));
    }
};

QL_REGISTER_TEST(TestPorts)
#include "test_ports.moc"
