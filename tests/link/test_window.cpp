#include "command/TerminalSink.h"
#include "command/TerminalView.h"
#include "command/UnitExchange.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <cerrno>

// Port choice, open failures, lost lines and reconnecting, as the main
// window shows them.
class TestPortsWindow : public QObject, WindowFixture
{
    Q_OBJECT

    QComboBox *PortList() const { return Control<QComboBox>("ComboPort"); }
    TerminalView *Terminal() const { return Control<TerminalView>("txtTerminal"); }
    QString LastLine() const { return Terminal()->document()->lastBlock().previous().text(); }

    // The colour of the terminal line `text`; invalid when there is no such line.
    QColor ColourOf(const QString &text) const
    {
        for (QTextBlock block = Terminal()->document()->begin(); block.isValid(); block = block.next())
            if (block.text() == text)
                return block.begin().fragment().charFormat().foreground().color();
        return QColor();
    }

    // Nothing of a notice reaches the unit or the received text.
    void VerifyNoticeOnlyShown() const
    {
        QCOMPARE(form->Exchange().ReceivedText(), QString());
        QCOMPARE(form->Exchange().LastReply(), QString());
        QCOMPARE(unit->ReadFor(50), QByteArray());
    }

    // The far side goes away as a pulled adapter does: its device with it.
    void PullDevice()
    {
        pty->Stop();
        QFile::remove(pty->NearPath());
        QTRY_COMPARE_WITH_TIMEOUT(desktop.errors.size(), 1, 5000);
    }

    void PlugDeviceBackIn()
    {
        QVERIFY(pty->Start());
        unit = std::make_unique<FarEnd>();
        QVERIFY(unit->Open(pty->FarPath()));
    }

    // The system's words for the I/O error are in the user's language.
    QString LostMessage(const QString &whatToDo) const
    {
        return QStringLiteral("The line on COM1 (%1) was lost: %2. ")
                   .arg(pty->NearPath(), qt_error_string(EIO))
               + whatToDo;
    }

    // Opens Tools > "Ports...", lets `fill` work its controls and presses OK.
    void UsePortsDialog(const std::function<void(QWidget *)> &fill)
    {
        bool done = false;
        QTimer waitForDialog;
        connect(&waitForDialog, &QTimer::timeout, this, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog || dialog->objectName() != QStringLiteral("PortsDialog"))
                return;
            waitForDialog.stop();
            fill(dialog);
            QTest::mouseClick(NamedChild<QDialogButtonBox>(dialog, QString())->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
            done = true;
        });
        waitForDialog.start(10);
        ClickMenu("mnuTools", "mnuPorts");
        QTRY_VERIFY(done);
    }

    static void TypePath(QWidget *dialog, int portNo, const QString &path)
    {
        auto *field = NamedChild<QLineEdit>(dialog, QStringLiteral("txtDevice%1").arg(portNo));
        field->selectAll();
        QTest::keyClicks(field, path);
    }

private slots:
    void init()
    {
        ClearSettings();
        QVERIFY(ConnectUnit());
        Start();
    }
    void cleanup() { Stop(); }

    void failedOpenIsANoticeInTheTerminal_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("injected");  // errno the access check gives
        QTest::addColumn<QString>("notice");
        QTest::newRow("missing")
            << 2 << 0
            << "COM2 (/nonexistent/ttyUSB9) could not be opened: No such file or directory. Plug the "
               "adapter in, or choose its device under Tools > Ports..., then choose COM2 again.";
        QTest::newRow("not permitted")
            << 1 << EACCES
            << "COM1 (%1) could not be opened: Permission denied. To use it, add your user to the "
               "group %2, then log in again.";
    }
    void failedOpenIsANoticeInTheTerminal()
    {
        QFETCH(int, port);
        QFETCH(int, injected);
        QFETCH(QString, notice);
        SetSetting(QStringLiteral("ComDevice2"), QStringLiteral("/nonexistent/ttyUSB9"));
        const QString group = QFileInfo(pty->NearPath()).group();
        QVERIFY(!group.isEmpty());
        if (injected) {
            notice = notice.arg(pty->NearPath(), group);
            form->Exchange().Port().SetAccessCheck([injected](const QString &) { return injected; });
        }
        form->SendCommand(QStringLiteral("[RES]"), QString(), QString());

        PickPort(port);
        QCOMPARE(PortList()->currentText(), QStringLiteral("None"));
        QCOMPARE(form->Exchange().CommPortNo(), 0);
        QVERIFY(desktop.errors.isEmpty());
        QCOMPARE(Terminal()->toPlainText(), QStringLiteral("[RES]\n") + notice + QLatin1Char('\n'));
        QCOMPARE(ColourOf(notice), TerminalColor::Notice);
        VerifyNoticeOnlyShown();
    }

    void portsAboveThreeLeaveThePortInUseShown()
    {
        SetSetting(QStringLiteral("ComDevice2"), pty->NearPath());
        PickPort(2);
        PickPort(5);
        QCOMPARE(PortList()->currentText(), QStringLiteral("COM2"));
        QCOMPARE(form->Exchange().CommPortNo(), 2);
        form->SendCommand(QStringLiteral("[RES]"), QString(), QString());
        QCOMPARE(unit->Read(5), QByteArray("[RES]"));
        PickPort(0);
        PickPort(9);
        QCOMPARE(PortList()->currentText(), QStringLiteral("None"));
    }

    // Ports... maps COM1 to a typed path; COM1 then reaches that line.
    void portsDialogMapsAPortToATypedPath()
    {
        form.reset();
        ClearSettings();
        Start();
        QCOMPARE(PortList()->itemData(1, Qt::ToolTipRole).toString(), QStringLiteral("/dev/ttyS0"));
        UsePortsDialog([this](QWidget *dialog) { TypePath(dialog, 1, pty->NearPath()); });
        QCOMPARE(PortList()->itemData(1, Qt::ToolTipRole).toString(), pty->NearPath());
        QCOMPARE(PortList()->itemText(1), QStringLiteral("COM1"));

        PickPort(1);
        form->SendCommand(QStringLiteral("[RES]"), QString(), QString());
        QCOMPARE(unit->Read(5), QByteArray("[RES]"));
    }

    // A new device for the port open now takes effect at OK.
    void portOpenNowMovesToItsNewDevice()
    {
        PickPort(1);
        PtyPair other;
        QVERIFY(other.Start());
        FarEnd otherUnit;
        QVERIFY(otherUnit.Open(other.FarPath()));
        UsePortsDialog([&](QWidget *dialog) {
            QCOMPARE(NamedChild<QLabel>(dialog, QStringLiteral("lblOpenPort"))->text(),
                     QStringLiteral("COM1 is open on %1.").arg(pty->NearPath()));
            TypePath(dialog, 1, other.NearPath());
        });
        QCOMPARE(form->Exchange().CommPortNo(), 1);
        form->SendCommand(QStringLiteral("[RES]"), QString(), QString());
        QCOMPARE(otherUnit.Read(5), QByteArray("[RES]"));
        QCOMPARE(unit->ReadFor(50), QByteArray());
    }

    void lostLineWithoutReopening()
    {
        PickPort(1);
        PullDevice();
        QCOMPARE(desktop.errors.at(0), LostMessage(QStringLiteral("Plug the adapter in again and choose COM1.")));
        QVERIFY(!form->Exchange().Reconnect().Watching());
        PlugDeviceBackIn();
        form->Exchange().Reconnect().Poll();
        QCOMPARE(form->Exchange().CommPortNo(), 0);
        QCOMPARE(PortList()->currentText(), QStringLiteral("None"));
    }

    void reopenedWhenTheDeviceReturns()
    {
        SetSetting(QStringLiteral("ReopenPort"), true);
        PickPort(1);
        PullDevice();
        QCOMPARE(desktop.errors.at(0),
                 LostMessage(QStringLiteral("Plug the adapter in again: COM1 is reopened when it "
                                            "returns within 10 minutes.")));
        QCOMPARE(PortList()->currentText(), QStringLiteral("None"));
        QVERIFY(form->Exchange().Reconnect().Watching());

        PlugDeviceBackIn();
        QTRY_COMPARE_WITH_TIMEOUT(form->Exchange().CommPortNo(), 1, 5000);
        QCOMPARE(PortList()->currentText(), QStringLiteral("COM1"));
        const QString notice = QStringLiteral("COM1 (%1) is back: the port is open again.").arg(pty->NearPath());
        QCOMPARE(LastLine(), notice);
        QCOMPARE(ColourOf(notice), TerminalColor::Notice);
        VerifyNoticeOnlyShown();
        form->SendCommand(QStringLiteral("[RES]"), QString(), QString());
        QCOMPARE(unit->Read(5), QByteArray("[RES]"));
        QCOMPARE(desktop.errors.size(), 1);
    }

    void choosingAPortEndsTheWatch()
    {
        SetSetting(QStringLiteral("ReopenPort"), true);
        PickPort(1);
        PullDevice();
        QVERIFY(form->Exchange().Reconnect().Watching());
        PickPort(0);
        QVERIFY(!form->Exchange().Reconnect().Watching());
    }
};

QL_REGISTER_TEST(TestPortsWindow)
#include "test_window.moc"
