#include "command/ControlPanel.h"
#include "command/ControlTags.h"
#include "command/TerminalPanel.h"
#include "command/TerminalView.h"
#include "command/UnitExchange.h"
#include "command/WaitIndicator.h"
#include "support/FakeDesktop.h"
#include "support/NamedControls.h"
#include "support/PtyPair.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace {

void PointPortAt(int portNo, const QString &device)
{
    QSettings(QStringLiteral("Korvane"), QStringLiteral("QLSetup"))
        .setValue(QStringLiteral("ComDevice%1").arg(portNo), device);
}

QGroupBox *Region(const char *name, const char *caption, const QRect &place, QWidget *window)
{
    auto *box = new QGroupBox(QString::fromLatin1(caption), window);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(place);
    return box;
}

// The exchange as the main window holds it, with slot 5 selected.
struct Station
{
    FakeDesktop desktop;
    CommandAddressing addressing;
    QWidget window;
    QGroupBox *terminalRegion =
        Region("grpTerminal", "Terminal", TerminalPanel::NormalGeometry, &window);
    QGroupBox *controlRegion = Region("GroupBox64", "Control", QRect(667, 290, 124, 150), &window);
    UnitExchange exchange{desktop, [this] { return addressing; }, terminalRegion, controlRegion};

    Station() { addressing.CurrentSlot = 5; }

    template <typename T>
    T *Find(const char *name) { return window.findChild<T *>(QString::fromLatin1(name)); }
    TerminalView *Terminal() { return Find<TerminalView>("txtTerminal"); }
    QString TerminalText() { return Terminal()->toPlainText(); }
    // Picks item `index` of the port list as a user would: open it, click the item.
    void PickPort(int index) { PickListItem(Find<QComboBox>("ComboPort"), index); }
};

// Colour of the character at `position` of the terminal.
QColor ColourAt(QPlainTextEdit *edit, int position)
{
    QTextCursor cursor(edit->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat().foreground().color();
}

} // namespace

class TestRegions : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings(QStringLiteral("Korvane"), QStringLiteral("QLSetup")).clear(); }

    void controlsCarryTheirNames()
    {
        Station s;
        for (const char *name : {"grpTerminal", "txtTerminal", "paintWait", "Button146", "CheckBox121",
                                 "GroupBox64", "UsePath", "ComboUnitID", "SetUnitID", "ComboPort"})
            QVERIFY2(s.window.findChild<QWidget *>(QString::fromLatin1(name)), name);
        auto *ports = s.Find<QComboBox>("ComboPort");
        QCOMPARE(ports->count(), 10);
        QCOMPARE(ports->itemText(0), QStringLiteral("None"));
        QCOMPARE(ports->itemText(9), QStringLiteral("COM9"));
        QCOMPARE(ports->currentIndex(), 0);
        auto *units = s.Find<QComboBox>("ComboUnitID");
        QCOMPARE(units->count(), 9);
        QCOMPARE(units->itemText(8), QStringLiteral("Unit ID 8"));
        QCOMPARE(units->currentIndex(), 0);
        QCOMPARE(s.terminalRegion->toolTip(),
                 QStringLiteral("Blue - Feedback, Red - Program Code, Black - Terminal"));
        QCOMPARE(s.Find<QPushButton>("Button146")->text(), QStringLiteral("C"));
    }

    void terminalShowsTextAsPlainTextInItsColour()
    {
        Station s;
        const QString tricky = QStringLiteral("<b>bold</b>&amp;\x1b[31mred\x07|%v");
        s.exchange.TerminalWrite(tricky, TerminalColor::Received);
        s.exchange.TerminalWrite(QStringLiteral("[RES]"), TerminalColor::Sent);
        QCOMPARE(s.TerminalText(), tricky + QStringLiteral("[RES]"));
        QCOMPARE(ColourAt(s.Terminal(), 0), TerminalColor::Received);
        QCOMPARE(ColourAt(s.Terminal(), int(tricky.size())), TerminalColor::Sent);
    }

    // The terminal keeps its last lines only, also after it was cleared.
    void scrollBackKeepsTheLastLines()
    {
        Station s;
        QString lines;
        for (int n = 1; n <= TerminalView::ScrollBackLines; ++n)
            lines += QStringLiteral("line %1\n").arg(n);
        for (int round = 0; round < 2; ++round) {
            s.exchange.TerminalWrite(lines, TerminalColor::Received);
            const QTextDocument *shown = s.Terminal()->document();
            QCOMPARE(shown->blockCount(), TerminalView::ScrollBackLines);
            QCOMPARE(shown->firstBlock().text(), QStringLiteral("line 2"));
            QCOMPARE(shown->lastBlock().previous().text(),
                     QStringLiteral("line %1").arg(TerminalView::ScrollBackLines));
            s.exchange.Terminal()->ClearTerminal();
        }
        // A stream without line breaks is shown in lines of LongestLine.
        const QString stream(3 * TerminalView::LongestLine - 5, u'l');
        s.exchange.TerminalWrite(stream.left(100), TerminalColor::Received);
        s.exchange.TerminalWrite(stream.mid(100), TerminalColor::Received);
        QCOMPARE(s.Terminal()->document()->blockCount(), 3);
        QCOMPARE(s.TerminalText().remove(u'\n'), stream);
    }

    void unitIdAndPathShapeCommands()
    {
        Station s;  // no port: commands are only echoed
        auto *units = s.Find<QComboBox>("ComboUnitID");
        units->setCurrentIndex(8);
        s.exchange.SendCommand("[C%c%]", QString(), QString());
        units->setCurrentIndex(0);
        s.exchange.SendCommand("[C%c%]", QString(), QString());
        QTest::mouseClick(s.Find<QCheckBox>("UsePath"), Qt::LeftButton);
        s.exchange.SendCommand("[ON%vC%c%]", QString(), "1");
        s.exchange.SendCommand("[SWC%c%]", QString(), QString());
        QCOMPARE(s.TerminalText(), QStringLiteral("[C5U8][C5][ON1C5P][SWC5]"));
        QCOMPARE(s.exchange.Control()->PathSuffix(), QStringLiteral("P]"));
        QCOMPARE(s.desktop.sleepCount, 0);
    }

    void typingWithoutPortOnlyEditsTheTerminal()
    {
        Station s;
        s.exchange.TerminalWrite(QStringLiteral("OK"), TerminalColor::Received);
        QTest::keyClicks(s.Terminal(), QStringLiteral("ab"));
        QTest::keyClick(s.Terminal(), Qt::Key_Backspace);
        QTest::keyClick(s.Terminal(), Qt::Key_Return);
        QCOMPARE(s.TerminalText(), QStringLiteral("OKa"));  // Enter adds no line break
        QCOMPARE(ColourAt(s.Terminal(), 2), TerminalColor::Typed);
        QVERIFY(s.desktop.errors.isEmpty());
    }

    void clearButtonAsksFirst()
    {
        Station s;
        s.exchange.TerminalWrite(QStringLiteral("text"), TerminalColor::Sent);
        s.desktop.yesNoAnswers << false << true;
        QTest::mouseClick(s.Find<QPushButton>("Button146"), Qt::LeftButton);
        QCOMPARE(s.TerminalText(), QStringLiteral("text"));
        QTest::mouseClick(s.Find<QPushButton>("Button146"), Qt::LeftButton);
        QCOMPARE(s.TerminalText(), QString());
        QCOMPARE(s.desktop.questions,
                 QStringList(2, QStringLiteral("Clear Terminal window?")));
    }

    void fullSizeToggle()
    {
        Station s;
        QWidget logo(&s.window), control(&s.window), program(&s.window);
        QGroupBox *group = s.terminalRegion;
        s.exchange.Terminal()->SetCoveredRegions({&logo, &control, &program});
        s.window.show();
        auto *toggle = s.Find<QCheckBox>("CheckBox121");

        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(group->geometry(), QRect(1, 97, 784, 465));
        QVERIFY(logo.isHidden() && control.isHidden() && program.isHidden());
        s.exchange.TerminalWrite(QStringLiteral("reply\n").repeated(40), TerminalColor::Received);
        QCoreApplication::processEvents();  // shown in the enlarged box
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(group->geometry(), QRect(1, 443, 405, 118));
        QVERIFY(!logo.isHidden() && !control.isHidden() && !program.isHidden());
        // The newest line is in view again.
        TerminalView *terminal = s.Terminal();
        QTRY_VERIFY(terminal->viewport()->rect().contains(terminal->cursorRect()));
    }

    void waitIndicatorShowsSending()
    {
        Station s;
        QImage busy(21, 21, QImage::Format_RGB32), idle(21, 21, QImage::Format_RGB32);
        busy.fill(Qt::red);
        idle.fill(Qt::green);
        s.exchange.SetWaitPictures(busy, idle);
        auto *indicator = s.Find<WaitIndicator>("paintWait");
        QCOMPARE(indicator->grab().toImage().pixelColor(10, 10), QColor(Qt::green));

        s.exchange.SelectPort(0);
        QColor duringSend;
        PtyPair pty;
        QVERIFY(pty.Start());
        PointPortAt(1, pty.NearPath());
        s.exchange.SelectPort(1);
        s.desktop.onSleep = [&] { duringSend = indicator->grab().toImage().pixelColor(10, 10); };
        s.exchange.SendCommand("[RES]", QString(), QString());
        QCOMPARE(duringSend, QColor(Qt::red));
        QVERIFY(!indicator->Busy());
        QCOMPARE(indicator->grab().toImage().pixelColor(10, 10), QColor(Qt::green));
    }

    void portList()
    {
        PtyPair pty;
        QVERIFY(pty.Start());
        PointPortAt(1, pty.NearPath());
        PointPortAt(2, pty.NearPath());
        PointPortAt(3, QStringLiteral("/nonexistent/tty"));
        Station s;
        auto *ports = s.Find<QComboBox>("ComboPort");

        s.PickPort(1);
        QCOMPARE(s.exchange.CommPortNo(), 1);
        QVERIFY(s.exchange.Port().IsOpen());
        s.PickPort(5);  // ports above 3 change nothing
        QCOMPARE(s.exchange.CommPortNo(), 1);
        QVERIFY(s.exchange.Port().IsOpen());
        s.PickPort(3);  // cannot be opened: back to "None", silently
        QCOMPARE(ports->currentIndex(), 0);
        QCOMPARE(s.exchange.CommPortNo(), 0);
        QVERIFY(!s.exchange.Port().IsOpen());
        QVERIFY(s.desktop.errors.isEmpty());

        bool allowed = false;  // no document, or refreshing
        s.exchange.Control()->SetPortChoiceGate([&] { return allowed; });
        s.PickPort(2);
        QCOMPARE(s.exchange.CommPortNo(), 0);
        allowed = true;
        s.PickPort(1);
        QCOMPARE(s.exchange.CommPortNo(), 1);
        s.PickPort(0);
        QCOMPARE(s.exchange.CommPortNo(), 0);
        QVERIFY(!s.exchange.Port().IsOpen());
    }

    void commandsAndRepliesOverThePty()
    {
        PtyPair pty;
        QVERIFY(pty.Start());
        FarEnd unit;
        QVERIFY(unit.Open(pty.FarPath()));
        PointPortAt(1, pty.NearPath());
        Station s;
        s.exchange.SelectPort(1);

        s.exchange.SendCommand("%v", QString(), "[ON1C3] [OFF2C3]");
        s.exchange.SendCommand("[I%v^", QString(), "3");
        s.exchange.SendCommand("O%vC%c%]", QString(), "5");
        QCOMPARE(unit.Read(26), QByteArray("[ON1C3][OFF2C3][I3O5C5]"));
        QCOMPARE(s.desktop.sleepCount, 4 * 500);
        QCOMPARE(s.desktop.sleptMs, 4 * 500LL);
        QCOMPARE(s.TerminalText(), QStringLiteral("[ON1C3][OFF2C3][I3O5C5]"));
        QCOMPARE(ColourAt(s.Terminal(), 0), TerminalColor::Sent);

        const int shown = int(s.TerminalText().size());
        unit.Write("OK\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(s.exchange.ReceivedText(), QStringLiteral("OK\r\n"), 5000);
        QCOMPARE(s.exchange.LastReply(), QStringLiteral("OK\r\n"));
        QCOMPARE(s.TerminalText().mid(shown), QStringLiteral("OK\n"));
        QCOMPARE(ColourAt(s.Terminal(), shown), TerminalColor::Received);

        // Typing goes straight to the line: no expansion, no echo, no pause.
        QTest::keyClicks(s.Terminal(), QStringLiteral("v%c"));
        QTest::keyClick(s.Terminal(), Qt::Key_Backspace);
        QTest::keyClick(s.Terminal(), Qt::Key_Return);
        QCOMPARE(unit.Read(5), QByteArray("v%c\b\r"));
        QCOMPARE(s.desktop.sleepCount, 4 * 500);
        QVERIFY(s.desktop.errors.isEmpty());
    }

    // A page control whose write meets the vanished line reports it once;
    // the lost line then leaves no port, and the next click is only echoed.
    void lineLostUnderAPageControl()
    {
        PtyPair pty;
        QVERIFY(pty.Start());
        PointPortAt(1, pty.NearPath());
        Station s;
        s.exchange.SelectPort(1);
        QCheckBox box(QStringLiteral("Card ON/OFF"), &s.window);
        box.setGeometry(400, 10, 120, 30);
        SetControlTag(&box, 100);
        s.exchange.Handlers().Bind(&box);
        s.window.show();

        pty.Stop();
        QTest::mouseClick(&box, Qt::LeftButton);
        QCOMPARE(s.desktop.errors.size(), 1);
        QVERIFY(!s.exchange.Sending());
        QTRY_COMPARE_WITH_TIMEOUT(s.Find<QComboBox>("ComboPort")->currentIndex(), 0, 5000);
        QCOMPARE(s.exchange.CommPortNo(), 0);

        QTest::mouseClick(&box, Qt::LeftButton);
        QVERIFY(s.TerminalText().endsWith(QStringLiteral("[OFFC5]")));
        QCOMPARE(s.desktop.errors.size(), 1);
    }

    void genericHandlersThroughClicks_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("sent");
        QTest::newRow("check box tag 0, ticked") << "check" << 0 << 1 << "[ON0C5]";
        QTest::newRow("check box tag 3, ticked and cleared") << "check" << 3 << 2 << "[ON3C5][OFF3C5]";
        QTest::newRow("check box tag 51") << "check" << 51 << 1 << "[ON1SC5]";
        QTest::newRow("check box tag 62, cleared") << "check" << 62 << 2 << "[ON2VC5][OFF2VC5]";
        QTest::newRow("check box tag 75 sends nothing") << "check" << 75 << 2 << "";
        QTest::newRow("card on/off") << "check" << 100 << 2 << "[ONC5][OFFC5]";
        QTest::newRow("option 1001") << "option" << 1001 << 1 << "[ON1SC5]";
        QTest::newRow("option 5001") << "option" << 5001 << 1 << "[IN1C5]";
        QTest::newRow("option 5021") << "option" << 5021 << 1 << "[IN1RC5]";
        QTest::newRow("option 5204") << "option" << 5204 << 1 << "[QZOOM4C5]";
        QTest::newRow("option cleared sends nothing") << "option" << 3002 << 2 << "[SEL2C5]";
        QTest::newRow("option 4500 sends nothing") << "option" << 4500 << 1 << "";
        QTest::newRow("input button") << "button" << 3 << 1 << "[I3";
        QTest::newRow("output button") << "button" << 1005 << 1 << "O5C5]";
        QTest::newRow("button 2000 sends nothing") << "button" << 2000 << 1 << "";
    }
    void genericHandlersThroughClicks()
    {
        QFETCH(QString, kind);
        QFETCH(int, tag);
        QFETCH(int, clicks);
        QFETCH(QString, sent);
        Station s;
        QAbstractButton *control = nullptr;
        if (kind == "check") {
            control = new QCheckBox(&s.window);
        } else if (kind == "option") {
            auto *option = new QRadioButton(&s.window);
            option->setAutoExclusive(false);  // lets a second click clear it
            control = option;
        } else {
            control = new QPushButton(&s.window);
        }
        control->setText(QStringLiteral("control"));
        control->setGeometry(400, 10, 120, 30);
        SetControlTag(control, tag);
        s.exchange.Handlers().Bind(control);
        s.window.show();
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(control, Qt::LeftButton);
        QCOMPARE(s.TerminalText(), sent);
    }

    void handlersIgnoreSendersOfOtherKinds()
    {
        Station s;
        QCheckBox box;
        QRadioButton option;
        QPushButton button;
        option.setChecked(true);
        GenericHandlers &handlers = s.exchange.Handlers();
        handlers.CommandCheck(&button);
        handlers.CommandOption(&box);
        handlers.ButtonPress(&option);
        QCOMPARE(s.TerminalText(), QString());
    }
};

QL_REGISTER_TEST(TestRegions)
#include "test_regions.moc"
