#include "CommandFakes.h"
#include "command/CommandSender.h"
#include "support/FakeDesktop.h"
#include "support/TestMain.h"

#include <QSignalSpy>
#include <QTest>

class TestSender : public QObject
{
    Q_OBJECT

    FakeContext context;
    FakeLine line;
    FakeTerminal terminal;
    FakeDesktop desktop;

private slots:
    void init()
    {
        context = FakeContext();
        line = FakeLine();
        terminal = FakeTerminal();
        desktop = FakeDesktop();
    }

    void sendsChunks_data()
    {
        QTest::addColumn<QString>("templ");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("writes");
        QTest::addColumn<QString>("echo");

        QTest::newRow("one command") << "[ON%vC%c%]" << "3" << QStringList{"[ON3C5]"} << "[ON3C5]";
        QTest::newRow("program line of two commands")
            << "%v" << "[ON1C3] [OFF2C3]" << QStringList{"[ON1C3]", "[OFF2C3]"} << "[ON1C3][OFF2C3]";
        QTest::newRow("flush marker is never written") << "[I%v^" << "3" << QStringList{"[I3"} << "[I3";
        QTest::newRow("output half closes the command")
            << "O%vC%c%]" << "5" << QStringList{"O5C5]"} << "O5C5]";
        QTest::newRow("controller command") << "{KEY%v}" << "12" << QStringList{"{KEY12}"} << "{KEY12}";
        QTest::newRow("flush marker before bracket gives two writes")
            << "%v" << "[A^]" << QStringList{"[A", "]"} << "[A]";
        QTest::newRow("two flush points")
            << "%v" << "[A^B^" << QStringList{"[A", "B"} << "[AB";
        QTest::newRow("tail after the last bracket is shown, not written")
            << "%v" << "[A]tail" << QStringList{"[A]"} << "[A]tail";
        QTest::newRow("text without a chunk end is never written")
            << "%v" << "LINE 10" << QStringList{} << "LINE10";
        QTest::newRow("empty template writes nothing") << "" << "7" << QStringList{} << "";
    }
    void sendsChunks()
    {
        QFETCH(QString, templ);
        QFETCH(QString, value);
        QFETCH(QStringList, writes);
        QFETCH(QString, echo);

        CommandSender sender(context, line, terminal, desktop);
        sender.SendCommand(templ, QString(), value);

        QCOMPARE(line.writes, writes);
        QCOMPARE(terminal.Text(), echo);
        for (const TerminalPiece &piece : terminal.pieces) {
            QCOMPARE(piece.text.size(), 1);  // one echo per character
            QCOMPARE(piece.colour, TerminalColor::Sent);
        }
        // Every chunk is followed by 500 sleeps of 1 ms, each with events handled;
        // events are also handled before every character.
        QCOMPARE(desktop.sleepCount, 500 * int(writes.size()));
        QCOMPARE(desktop.sleptMs, 500LL * writes.size());
        const int characters = ExpandCommand(templ, QString(), value, context.addressing).size();
        QCOMPARE(desktop.processEventsCount, characters + 500 * int(writes.size()));
    }

    void withoutPortOnlyEchoes_data()
    {
        QTest::addColumn<QString>("templ");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("echo");
        QTest::newRow("trailing flush marker dropped") << "[I%v^" << "3" << "[I3";
        QTest::newRow("inner flush marker kept") << "%v" << "[A^]" << "[A^]";
        QTest::newRow("whole command") << "[ON%vC%c%]" << "3" << "[ON3C5]";
        QTest::newRow("empty template") << "" << "" << "";
    }
    void withoutPortOnlyEchoes()
    {
        QFETCH(QString, templ);
        QFETCH(QString, value);
        QFETCH(QString, echo);
        context.portChosen = false;
        CommandSender sender(context, line, terminal, desktop);
        sender.SendCommand(templ, QString(), value);

        QVERIFY(line.writes.isEmpty());
        QCOMPARE(terminal.pieces.size(), 1);  // one piece, even when empty
        QCOMPARE(terminal.pieces[0].text, echo);
        QCOMPARE(terminal.pieces[0].colour, TerminalColor::Sent);
        QCOMPARE(desktop.sleepCount, 0);
    }

    void expandsAgainstTheStateAtTheCall()
    {
        CommandSender sender(context, line, terminal, desktop);
        sender.SendCommand("[C%c%]", QString(), QString());
        context.addressing.CurrentSlot = 7;
        context.addressing.UnitIdSuffix = "U8$]";
        sender.SendCommand("[C%c%]", QString(), QString());
        QCOMPARE(line.writes, (QStringList{"[C5]", "[C7U8]"}));
    }

    void sendingFlagAndIndicator()
    {
        CommandSender sender(context, line, terminal, desktop);
        QSignalSpy repaints(&sender, &CommandSender::WaitIndicatorChanged);
        bool sendingDuringPause = false;
        desktop.onSleep = [&] { sendingDuringPause = sender.Sending(); };

        QVERIFY(!sender.Sending());
        sender.SendCommand("[A]", QString(), QString());
        QVERIFY(sendingDuringPause);
        QVERIFY(!sender.Sending());
        // start, one per character, one after the chunk, end
        QCOMPARE(repaints.size(), 1 + 3 + 1 + 1);
    }

    void failedWriteStopsTheCommandAndClearsSending()
    {
        line.failWith = "Timeout";
        CommandSender sender(context, line, terminal, desktop);
        try {
            sender.SendCommand("%v", QString(), "[A][B]");
            QFAIL("the link's error must reach the caller");
        } catch (const QlError &error) {
            QCOMPARE(error.message(), QStringLiteral("Timeout"));
        }
        QVERIFY(!sender.Sending());
        QCOMPARE(terminal.Text(), QStringLiteral("[A]"));  // the rest is not sent
        QCOMPARE(desktop.sleepCount, 0);
    }

    void commandFromAnEventDuringAPauseGoesBetweenChunks()
    {
        CommandSender sender(context, line, terminal, desktop);
        bool nested = false;
        desktop.onSleep = [&] {
            if (!std::exchange(nested, true))
                sender.SendCommand("[RES]", QString(), QString());
        };
        sender.SendCommand("%v", QString(), "[A][B]");
        QCOMPARE(line.writes, (QStringList{"[A]", "[RES]", "[B]"}));
        QCOMPARE(desktop.sleepCount, 1500);
    }
};

QL_REGISTER_TEST(TestSender)
#include "test_sender.moc"
