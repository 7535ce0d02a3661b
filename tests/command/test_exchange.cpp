#include "CommandFakes.h"
#include "command/TerminalExchange.h"
#include "support/TestMain.h"

#include <QTest>

class TestExchange : public QObject
{
    Q_OBJECT

    FakeContext context;
    FakeLine line;
    FakeTerminal terminal;

private slots:
    void init()
    {
        context = FakeContext();
        line = FakeLine();
        terminal = FakeTerminal();
    }

    void replyShownWithoutCarriageReturnsButKeptWhole()
    {
        TerminalExchange exchange(context, line, terminal);
        line.input = "OK\r\n";
        exchange.MSComRxChar();
        QCOMPARE(terminal.Text(), QStringLiteral("OK\n"));
        QCOMPARE(terminal.pieces.size(), 1);  // one insert per arrival
        for (const TerminalPiece &piece : terminal.pieces)
            QCOMPARE(piece.colour, TerminalColor::Received);
        QCOMPARE(exchange.LastReply(), QStringLiteral("OK\r\n"));
        QCOMPARE(exchange.ReceivedText(), QStringLiteral("OK\r\n"));
    }

    void lastReplyReplacedReceivedTextAppended()
    {
        TerminalExchange exchange(context, line, terminal);
        line.input = "AB";
        exchange.MSComRxChar();
        line.input = "CD";
        exchange.MSComRxChar();
        QCOMPARE(exchange.LastReply(), QStringLiteral("CD"));
        QCOMPARE(exchange.ReceivedText(), QStringLiteral("ABCD"));

        // An event whose characters were taken before: nothing shown, LastReply empty.
        exchange.MSComRxChar();
        QCOMPARE(exchange.LastReply(), QString());
        QCOMPARE(exchange.ReceivedText(), QStringLiteral("ABCD"));
        QCOMPARE(terminal.Text(), QStringLiteral("ABCD"));

        exchange.ClearReceivedText();
        QCOMPARE(exchange.ReceivedText(), QString());
    }

    void receivedTextKeepsItsRecentPart()
    {
        TerminalExchange exchange(context, line, terminal);
        const QString piece = QStringLiteral("0123456789abcdef").repeated(1024);
        for (int n = 0; n < 40; ++n) {
            line.input = QString::number(n % 10) + piece;
            exchange.MSComRxChar();
        }
        const QString &kept = exchange.ReceivedText();
        QVERIFY(kept.size() >= TerminalExchange::ReceivedTextKept);
        QVERIFY(kept.size() <= 2 * TerminalExchange::ReceivedTextKept);
        QVERIFY(kept.endsWith(QStringLiteral("9") + piece));
        QCOMPARE(exchange.LastReply(), QStringLiteral("9") + piece);
    }

    void receiveOnClosedPortIgnored()
    {
        TerminalExchange exchange(context, line, terminal);
        exchange.MSComRxChar();
        line.input = "X";
        exchange.MSComRxChar();
        QCOMPARE(exchange.LastReply(), QStringLiteral("X"));
        line.open = false;
        line.input = "Y";
        exchange.MSComRxChar();
        QCOMPARE(exchange.LastReply(), QStringLiteral("X"));
        QCOMPARE(line.input, QStringLiteral("Y"));
    }

    void typingGoesToTheLineOnlyWithAnOpenChosenPort_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("chosen and open") << true << true << QStringList{"a", "\b", "\r"};
        QTest::newRow("no port chosen") << false << true << QStringList{};
        QTest::newRow("port closed") << true << false << QStringList{};
    }
    void typingGoesToTheLineOnlyWithAnOpenChosenPort()
    {
        QFETCH(bool, chosen);
        QFETCH(bool, open);
        QFETCH(QStringList, writes);
        context.portChosen = chosen;
        line.open = open;
        TerminalExchange exchange(context, line, terminal);
        for (const char *typed : {"a", "\b", "\r"})
            exchange.SendTyped(QString::fromLatin1(typed));
        QCOMPARE(line.writes, writes);
        QVERIFY(terminal.pieces.isEmpty());  // no echo by the program
    }
};

QL_REGISTER_TEST(TestExchange)
#include "test_exchange.moc"
