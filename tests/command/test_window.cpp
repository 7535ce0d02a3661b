#include "command/ControlPanel.h"
#include "command/TerminalView.h"
#include "command/UnitExchange.h"
#include "document/CardCatalog.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QSerialPort>
#include <QTest>

// The exchange as wired into the main window.
class TestWindow : public QObject, WindowFixture
{
    Q_OBJECT

    QString TerminalText() const { return Control<TerminalView>("txtTerminal")->toPlainText(); }

private slots:
    void init()
    {
        ClearSettings();
        QVERIFY(ConnectUnit());
        SetSetting(QStringLiteral("AllowSpace"), true);
        Start();
    }
    void cleanup() { Stop(); }

    void regionsAreFilled()
    {
        auto *terminalRegion = Control<QWidget>("grpTerminal");
        auto *controlRegion = Control<QWidget>("GroupBox64");
        for (const char *name : {"txtTerminal", "paintWait", "Button146", "CheckBox121"})
            QVERIFY2(terminalRegion->findChild<QWidget *>(QLatin1String(name)), name);
        for (const char *name : {"UsePath", "ComboUnitID", "SetUnitID", "ComboPort"})
            QVERIFY2(controlRegion->findChild<QWidget *>(QLatin1String(name)), name);
        QCOMPARE(Control<QComboBox>("ComboPort")->currentText(), QStringLiteral("None"));
        QCOMPARE(Control<TerminalView>("txtTerminal")->font().family(),
                 form->EditorFont().family());
    }

    void commandsFromTheWindowReachTheLine()
    {
        PickPort(1);
        QCOMPARE(form->Exchange().CommPortNo(), 1);
        form->SetCurrentSlot(7);
        form->SendCommand("[ON1C%c] [OFF2C%c%]", QString(), QString());  // AllowSpace is stored on
        QCOMPARE(unit->Read(16), QByteArray("[ON1C7] [OFF2C7]"));
        QCOMPARE(desktop.sleepCount, 1000);
        QCOMPARE(TerminalText(), QStringLiteral("[ON1C7] [OFF2C7]"));

        // A new design refreshes the controls and keeps the port.
        form->actNewExecute();
        QCOMPARE(form->Exchange().CommPortNo(), 1);
        QVERIFY(form->Exchange().Port().IsOpen());

        unit->Write("VER 1.0\r");
        QTRY_COMPARE_WITH_TIMEOUT(form->Exchange().LastReply(), QStringLiteral("VER 1.0\r"), 5000);
        QVERIFY(TerminalText().endsWith(QStringLiteral("VER 1.0")));

        QTest::keyClicks(Control<TerminalView>("txtTerminal"), QStringLiteral("?"));
        QTest::keyClick(Control<TerminalView>("txtTerminal"), Qt::Key_Return);
        QCOMPARE(unit->Read(2), QByteArray("?\r"));
    }

    // The terminal shows what it sends: Ctrl+letter sends its control
    // character only; the copy keys copy; the paste keys and the pop-up's
    // "Paste" type the clipboard's text.
    void terminalKeysSendWhatTheyShow()
    {
        PickPort(1);
        auto *terminal = Control<TerminalView>("txtTerminal");
        const auto colourAt = [terminal](int position) {
            QTextCursor cursor(terminal->document());
            cursor.setPosition(position + 1);
            return cursor.charFormat().foreground().color();
        };
        form->SendCommand("[RES]", QString(), QString());
        QCOMPARE(unit->Read(5), QByteArray("[RES]"));
        QClipboard *clipboard = QApplication::clipboard();
        clipboard->setText("K1");
        terminal->selectAll();

        QTest::keyClick(terminal, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(terminal, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(terminal, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(unit->Read(3), QByteArray("\x03\x16\x01"));
        QCOMPARE(TerminalText(), QString("[RES]"));
        QCOMPARE(colourAt(0), TerminalColor::Sent);
        QCOMPARE(clipboard->text(), QString("K1"));

        QTest::keyClick(terminal, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(clipboard->text(), QString("[RES]"));
        clipboard->setText("K1");
        QTest::keyClick(terminal, Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QString("[RES]"));
        QVERIFY(unit->ReadFor(30).isEmpty());

        clipboard->setText("K1\nK2\r\n");
        QTest::keyClick(terminal, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(terminal, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(terminal, Qt::Key_Insert, Qt::ShiftModifier);
        const QPoint at(5, 5);
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, terminal->viewport()->mapToGlobal(at));
        QApplication::sendEvent(terminal->viewport(), &request);
        auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(popup);
        QCOMPARE(Entry("mnuPopupPaste")->text(), QString("&Paste\tCtrl+Shift+V"));
        QTest::mouseClick(popup, Qt::LeftButton, {},
                          popup->actionGeometry(Entry("mnuPopupPaste")).center());
        QCOMPARE(unit->Read(18), QByteArray("K1\rK2\r").repeated(3));
        QCOMPARE(TerminalText(), QString("[RES]K1K2K1K2K1K2"));
        for (int position = 5; position < 17; ++position)
            QCOMPARE(colourAt(position), TerminalColor::Typed);
    }

    // The Tab walk passes the terminal by; a click or Ctrl+T puts the keyboard
    // there, where Tab is typed and Ctrl+Tab or Ctrl+Shift+Tab move on.
    void tabWalkPassesTheTerminalBy()
    {
        PickPort(1);
        auto *terminal = Control<TerminalView>("txtTerminal");
        const auto focused = [] { return QApplication::focusWidget(); };
        Control("ComboPort")->setFocus();
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused(), Control("Button146"));
        QTest::keyClick(focused(), Qt::Key_Backtab);
        QCOMPARE(focused(), Control("ComboPort"));

        QTest::keyClick(focused(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(focused(), terminal);
        QTest::keyClick(terminal, Qt::Key_Tab);
        QCOMPARE(unit->Read(1), QByteArray("\t"));
        QCOMPARE(focused(), terminal);
        QTest::keyClick(terminal, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(focused(), Control("Button146"));

        QTest::mouseClick(terminal->viewport(), Qt::LeftButton);
        QCOMPARE(focused(), terminal);
        QTest::keyClick(terminal, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(focused(), Control("ComboPort"));
        QVERIFY(unit->ReadFor(30).isEmpty());
    }

    void matrixEnginePagesCountSlotsFromZero()
    {
        QTest::mouseClick(Control<QPushButton>("btnCard5"), Qt::LeftButton);
        auto *items = Control<QComboBox>("cmboItems");
        items->setCurrentIndex(CardCatalog::IndexOfCode(QStringLiteral("QL368-100")) - 1);
        QTest::keyClick(items, Qt::Key_Down);
        QCOMPARE(form->CurrentSlot(), 5);
        form->SendCommand("[C%c%]", QString(), QString());
        QCOMPARE(TerminalText(), QStringLiteral("[C4]"));
    }

    void clearTerminalFromTheToolsMenu()
    {
        form->SendCommand("[RES]", QString(), QString());
        QCOMPARE(TerminalText(), QStringLiteral("[RES]"));
        ClickMenu("mnuTools", "actClearTerminal");
        QCOMPARE(TerminalText(), QString());
        QVERIFY(desktop.questions.isEmpty());
    }

    void fullSizeTerminalCoversItsNeighbours()
    {
        QTest::mouseClick(Control<QWidget>("CheckBox121"), Qt::LeftButton);
        QCOMPARE(Control<QWidget>("grpTerminal")->geometry(), QRect(1, 97, 784, 465));
        for (const char *name : {"Panel1", "GroupBox64", "grpProgram"})
            QVERIFY2(Control<QWidget>(name)->isHidden(), name);
        QTest::mouseClick(Control<QWidget>("CheckBox121"), Qt::LeftButton);
        QCOMPARE(Control<QWidget>("grpTerminal")->geometry(), QRect(1, 443, 405, 118));
        for (const char *name : {"Panel1", "GroupBox64", "grpProgram"})
            QVERIFY2(!Control<QWidget>(name)->isHidden(), name);
    }

    // The settings are written only after the port has been closed.
    void portClosedBeforeTheSettingsAreWritten()
    {
        PickPort(1);
        auto *device = form->Exchange().Port().findChild<QSerialPort *>();
        QVERIFY(device && device->isOpen());
        bool closed = false;
        bool settingsWrittenFirst = false;
        connect(device, &QIODevice::aboutToClose, this, [&] {
            closed = true;
            settingsWrittenFirst = OpenSettingsKey()->contains(QStringLiteral("CommPortNo"));
        });
        form.reset();
        QVERIFY(closed);
        QVERIFY(!settingsWrittenFirst);
        QCOMPARE(OpenSettingsKey()->value(QStringLiteral("CommPortNo")).toInt(), 1);
    }

    // A vanished line is reported once and leaves no port chosen; once the
    // device is back, picking the port again works.
    void lostLineLeavesNoPortUntilPickedAgain()
    {
        PickPort(1);
        pty->Stop();
        QTRY_COMPARE_WITH_TIMEOUT(desktop.errors.size(), 1, 5000);
        QCOMPARE(Control<QComboBox>("ComboPort")->currentText(), QStringLiteral("None"));
        QCOMPARE(form->Exchange().CommPortNo(), 0);
        QCOMPARE(form->Settings().CommPortNo, 0);
        form->SendCommand("[RES]", QString(), QString());
        QVERIFY(TerminalText().endsWith(QStringLiteral("[RES]")));
        QCOMPARE(desktop.sleepCount, 0);  // echoed only
        QCOMPARE(desktop.errors.size(), 1);

        QVERIFY(ConnectUnit());
        PickPort(1);
        QCOMPARE(form->Exchange().CommPortNo(), 1);
        form->SendCommand("[RES]", QString(), QString());
        QCOMPARE(unit->Read(5), QByteArray("[RES]"));
        QCOMPARE(desktop.errors.size(), 1);
    }
};

QL_REGISTER_TEST(TestWindow)
#include "test_window.moc"
