#include "ControllerFixture.h"

#include "command/UnitExchange.h"
#include "controller/FrontPanel.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QSerialPort>

#include <poll.h>

// The front panel and the unit-wide commands in the main window, with the
// bytes observed at the unit's end of the line.
class TestFrontPanel : public QObject, ControllerFixture
{
    Q_OBJECT

private slots:
    void init() { StartWithUnit(); }
    void cleanup() { Stop(); }

    // Placement of the wide panel (20, 19, 8 slots) and the compact one; null: hidden.
    void keyPlacement_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QRect>("wide");
        QTest::addColumn<QRect>("compact");
        const auto row = [](int key, QRect wide, QRect compact) {
            QTest::addRow("%d", key) << key << wide << compact;
        };
        row(1, {8, 24, 25, 41}, {392, 24, 25, 41});
        row(6, {36, 112, 25, 41}, {448, 68, 25, 41});
        row(7, {592, 24, 25, 41}, {392, 112, 25, 41});
        row(9, {592, 68, 25, 41}, {448, 112, 25, 41});
        row(10, {620, 68, 25, 41}, {});
        row(20, {295, 24, 31, 41}, {295, 24, 31, 41});
        row(21, {326, 24, 31, 41}, {});
        row(28, {557, 24, 31, 41}, {});
        row(36, {295, 68, 31, 41}, {295, 68, 31, 41});
    }
    void keyPlacement()
    {
        QFETCH(int, key);
        QFETCH(QRect, wide);
        QFETCH(QRect, compact);
        auto *panel = Control<FrontPanel>("QLControl");
        for (const auto &[firstOutside, place] :
             {std::pair{9, wide}, {5, compact}, {20, wide}, {1, compact}, {21, wide}}) {
            panel->ArrangeFrontKeys(firstOutside);
            QCOMPARE(panel->Key(key)->isHidden(), place.isNull());
            if (!place.isNull())
                QCOMPARE(panel->Key(key)->geometry(), place);
        }
    }

    void frontAndLayoutViewsExcludeEachOther()
    {
        auto *box = Control<QGroupBox>("grpControls");
        auto *panel = Control<FrontPanel>("QLControl");
        ShowFront(true);
        QCOMPARE(box->title(), QString("Front Control"));
        QCOMPARE(panel->geometry(), QRect(6, 20, 651, 318));
        QVERIFY(panel->isVisible());
        for (const char *name : {"CardControl", "ControlView", "paintEnclosure"})
            QVERIFY2(!Control(name)->isVisible(), name);

        auto *layout = Control<QCheckBox>("CheckBox28");
        QTest::mouseClick(layout, Qt::LeftButton, {}, QPoint(6, 8));
        QVERIFY(!Control<QCheckBox>("CheckBox120")->isChecked());
        QCOMPARE(box->title(), QString("Card Control"));
        QVERIFY(!panel->isVisible());
        QVERIFY(Control("paintEnclosure")->isVisible());

        ShowFront(true);
        QVERIFY(!layout->isChecked());
        QVERIFY(!Control("paintEnclosure")->isVisible());
        // The enclosure list arranges the keys for its size.
        PickListItem(Control<QComboBox>("cmboEnclosure"), 3);
        QVERIFY(panel->Key(9)->isVisible() && !panel->Key(10)->isVisible());
        PickListItem(Control<QComboBox>("cmboEnclosure"), 2);
        QVERIFY(panel->Key(10)->isVisible() && panel->Key(28)->isVisible());
    }

    void commandsReachTheLine_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("unitId");
        QTest::addColumn<bool>("usePath");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QByteArray>("bytes");
        const auto row = [](const char *name, const char *where, const char *entry, int unitId,
                            bool usePath, const char *group, const char *answers,
                            const char *bytes) {
            QTest::newRow(name) << where << entry << unitId << usePath << group << answers
                                << QByteArray(bytes);
        };
        row("status", "mnuControl", "mnuCardStatus", 0, false, "0", "", "[C5]");
        row("status, unit 2", "txtTerminal", "mnuPopupStatus", 2, false, "0", "", "[C5U2]");
        row("status, group", "CardControl", "mnuPageStatus", 0, false, "3", "", "[G3]");
        row("card version", "mnuControl", "mnuCardVersion", 2, true, "0", "", "[VERC5]");
        row("card version, group", "txtTerminal", "mnuPopupVersion", 0, false, "3", "", "[VERG3]");
        row("card help", "CardControl", "mnuPageHelp", 0, true, "0", "", "[HELPC5P]");
        row("card clear", "mnuControl", "mnuCardClear", 2, false, "0", "Y", "[CLRC5U2]");
        row("card clear, group", "txtTerminal", "mnuPopupClear", 0, false, "3", "Y", "[CLRG3]");
        row("card clear, no", "mmoProgram", "mnuPopupClear", 0, false, "0", "N", "");
        row("panel help", "mnuControl", "mnuPanelHelp", 2, false, "0", "", "[HELPU2]");
        row("key menu help", "Key5", "mnuKeyHelp", 0, true, "0", "", "[HELPP]");
        row("reset", "txtTerminal", "mnuPopupReset", 2, true, "0", "", "[RES]");
        row("reset, key menu", "Key5", "mnuKeyReset", 0, false, "0", "", "[RES]");
        row("unit version", "Key5", "mnuKeyVersion", 2, false, "0", "", "[VERU2]");
        row("read all keys", "Key5", "mnuReadAllKeys", 0, false, "0", "", "{RDK*}");
        row("read all subroutines", "Key5", "mnuReadAllSubroutines", 0, false, "0", "", "{RDS*}");
        row("read key", "Key12", "mnuReadKey", 2, false, "0", "", "{RDK12}");
        row("read unmarked key", "QLControl", "mnuReadKey", 0, false, "0", "", "{RDK0}");
        row("clear key", "Key12", "mnuClearKey", 0, false, "0", "Y", "{CLRK12}");
        row("clear key, no", "Key12", "mnuClearKey", 0, false, "0", "N", "");
        row("clear programming", "Key5", "mnuClearProgramming", 0, false, "0", "Y",
            "{CLRK*}{LED*=0}{CLRS*}");
        row("clear programming, no", "Key5", "mnuClearProgramming", 0, false, "0", "N", "");
        row("panel test", "Key5", "mnuTestPanel", 0, false, "0", "Y", "{TEST}");
        row("panel test, no", "Key5", "mnuTestPanel", 0, false, "0", "N", "");
        row("group status", "CardControl", "mnuGroupStatus", 0, false, "3", "", "[G3]");
        row("group status, no group", "CardControl", "mnuGroupStatus", 0, false, "0", "", "");
        row("unit id", "SetUnitID", "", 3, true, "0", "YY", "[SETU3]{SETU3}");
        row("unit id, no", "SetUnitID", "", 3, false, "0", "N", "");
        row("key press", "Key7", "", 2, false, "0", "", "{KEY7}");
    }
    void commandsReachTheLine()
    {
        QFETCH(QString, where);
        QFETCH(QString, entry);
        QFETCH(int, unitId);
        QFETCH(bool, usePath);
        QFETCH(QString, group);
        QFETCH(QString, answers);
        QFETCH(QByteArray, bytes);
        ClickSlot(5);
        Control<QComboBox>("ComboUnitID")->setCurrentIndex(unitId);
        if (usePath)
            QTest::mouseClick(Control("UsePath"), Qt::LeftButton, {}, QPoint(6, 8));
        TypeGroup(group);
        for (const QChar answer : answers)
            desktop.yesNoAnswers << (answer == u'Y');

        if (!entry.isEmpty()) {
            Choose(where, entry);
        } else {
            ShowFront(where.startsWith("Key"));
            QTest::mouseClick(Control(where), Qt::LeftButton);
        }
        QCOMPARE(unit->Read(bytes.size()), bytes);
        QVERIFY(unit->ReadFor(30).isEmpty());
        QCOMPARE(desktop.questions.size(), answers.size());
        QVERIFY(Progress()->isHidden());
        if (bytes.isEmpty() && !answers.isEmpty())
            QCOMPARE(desktop.sleepCount, 0); // no progress run
        if (entry == "mnuGroupStatus" && bytes.isEmpty())
            QCOMPARE(desktop.informed, QStringList{"Please set Group number between 1 and 9"});
    }

    // Clearing a card erases its settings on the unit: it asks first, naming
    // the slot or group the command goes to.
    void cardClearAsksFirst_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("question");
        const QString slot5 = "Clear the card in slot 5? Its settings on the unit will be erased.";
        QTest::newRow("control menu") << "mnuControl" << "mnuCardClear" << "0" << slot5;
        QTest::newRow("terminal") << "txtTerminal" << "mnuPopupClear" << "0" << slot5;
        QTest::newRow("program editor, group")
            << "mmoProgram" << "mnuPopupClear" << "12"
            << "Clear the cards of group 12? Their settings on the unit will be erased.";
        QTest::newRow("card menu") << "CardControl" << "mnuPageClear" << "0" << slot5;
    }
    void cardClearAsksFirst()
    {
        QFETCH(QString, where);
        QFETCH(QString, entry);
        QFETCH(QString, group);
        QFETCH(QString, question);
        ClickSlot(5);
        TypeGroup(group);
        desktop.yesNoAnswers << false;
        Choose(where, entry);
        QCOMPARE(desktop.questions, QStringList{question});
        QVERIFY(unit->ReadFor(30).isEmpty());
    }

    // The timed runs on the virtual clock, without a port: only their own sleeps count.
    void progressRuns_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<int>("sleeps");
        QTest::addColumn<int>("sleptMs");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("pumps"); // full event passes
        QTest::addColumn<int>("paints");
        QTest::newRow("clear programming")
            << "mnuClearProgramming" << "Y"
            << QStringList{"This command requires 2 minutes to complete. Are you sure?"} << 46
            << 22700 << 44 << 0 << 44;
        QTest::newRow("panel test") << "mnuTestPanel" << "Y"
                                    << QStringList{"This will take a bout 1.5 minutes. Continue?"}
                                    << 190 << 95000 << 190 << 0 << 190;
        // Not confirmed: the full bar stays in sight.
        QTest::newRow("unit id")
            << "SetUnitID" << "YN"
            << QStringList{"This command will change unit ID. Are you sure?",
                           "Please turn Quillon OFF and ON to finalize settings. Confirm when done."}
            << 202 << 12000 << 100 << 200 << 1;
    }
    void progressRuns()
    {
        QFETCH(QString, where);
        QFETCH(QString, answers);
        QFETCH(int, maximum);
        PickPort(0);
        for (const QChar answer : answers)
            desktop.yesNoAnswers << (answer == u'Y');
        QList<int> seen; // the bar's position at each sleep, while it shows
        desktop.onSleep = [&] {
            if (Progress()->isVisible())
                seen << Progress()->value();
        };
        if (where == "SetUnitID")
            QTest::mouseClick(Control("SetUnitID"), Qt::LeftButton);
        else
            Choose("Key1", where);

        QTEST(desktop.questions, "questions");
        QTEST(desktop.sleepCount, "sleeps");
        QTEST(int(desktop.sleptMs), "sleptMs");
        QTEST(desktop.processEventsCount, "pumps");
        QTEST(desktop.paintPassCount, "paints");
        QCOMPARE(Progress()->isVisible(), answers == "YN");
        QCOMPARE(Progress()->maximum(), maximum);
        QCOMPARE(Progress()->value(), maximum);
        QCOMPARE(seen.size(), desktop.sleepCount);
        QCOMPARE(seen.last(), maximum - 1);
        QVERIFY(Control<QCheckBox>("CheckBox120")->isChecked());
    }

    // What the unit sends during the progress of "Clear Programming", while the
    // window handles no input, shows when the command ends, in order.
    void longCommandHoldsWhatArrives()
    {
        const auto *device = form->Exchange().Port().findChild<QSerialPort *>();
        QVERIFY(device && device->isOpen());
        const auto terminalText = [this] {
            return Control<QPlainTextEdit>("txtTerminal")->toPlainText();
        };
        int step = 0;
        bool shownEarly = false;
        desktop.onSleep = [&, last = desktop.sleptMs]() mutable {
            if (desktop.sleptMs - std::exchange(last, desktop.sleptMs) != 500)
                return; // not a progress step
            ++step;
            shownEarly = shownEarly || terminalText().contains("LATE");
            if (step != 12 && step != 30)
                return;
            unit->Write(step == 12 ? "LATE\r\n" : "LATER\r\n");
            // Until the bytes are at the program's end of the line.
            pollfd near{int(device->handle()), POLLIN, 0};
            QCOMPARE(::poll(&near, 1, 5000), 1);
        };
        desktop.yesNoAnswers << true;
        Choose("Key5", "mnuClearProgramming");

        QCOMPARE(step, 44);
        QVERIFY(!shownEarly);
        QCOMPARE(terminalText(), QString("{CLRK*}{LED*=0}{CLRS*}LATE\nLATER\n"));
        QCOMPARE(form->Exchange().ReceivedText(), QString("LATE\r\nLATER\r\n"));
        QCOMPARE(unit->Read(22), QByteArray("{CLRK*}{LED*=0}{CLRS*}"));
    }

    // Function keys work from anywhere; F6 asks the unit in the front view.
    void functionKeys()
    {
        const struct {
            const char *focus;
            bool front;
            Qt::Key key;
            QByteArray bytes;
        } presses[] = {
            {"mmoProgram", false, Qt::Key_F5, "[C5]"}, {"cmboItems", false, Qt::Key_F6, "[VERC5]"},
            {"cmboItems", true, Qt::Key_F6, "[VER]"},  {"ComboPort", true, Qt::Key_F7, "[HELPC5]"},
            {"cmboEnclosure", false, Qt::Key_F8, "[RES]"},
        };
        ClickSlot(5);
        for (const auto &press : presses) {
            ShowFront(press.front);
            QWidget *target = Control(press.focus);
            target->setFocus();
            QVERIFY(QTest::qWaitFor([target] { return target->hasFocus(); }));
            QTest::keyClick(target, press.key);
            QCOMPARE(unit->Read(press.bytes.size()), press.bytes);
        }
        QVERIFY(unit->ReadFor(30).isEmpty());
    }
};

QL_REGISTER_TEST(TestFrontPanel)
#include "test_frontpanel.moc"
