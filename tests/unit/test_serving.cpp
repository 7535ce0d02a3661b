#include "app/QlError.h"
#include "support/TestMain.h"
#include "unit/CommandFramer.h"
#include "unit/GroupMemory.h"
#include "unit/ReplyFile.h"
#include "unit/VirtualUnit.h"

// What qlunit serves: framing of the line, the group memory and the reply file.
class TestServing : public QObject
{
    Q_OBJECT

    static QStringList Described(const QList<CommandFramer::Piece> &pieces)
    {
        static const char *const names[] = {"command", "unterminated", "noise", "overlong"};
        QStringList described;
        for (const CommandFramer::Piece &piece : pieces)
            described << QStringLiteral("%1 %2").arg(QLatin1String(names[static_cast<int>(piece.kind)]),
                                                     QString::fromLatin1(piece.text));
        return described;
    }

private slots:
    void framing_data()
    {
        QTest::addColumn<QByteArrayList>("writes");
        QTest::addColumn<QStringList>("pieces"); // then what the end of the line leaves

        const QByteArray longText(300, 'A');
        const QString kept = QString(CommandFramer::MaxLength, u'A');
        QTest::newRow("crosspoint in two writes") << QByteArrayList{"[I3", "O5C5]"} << QStringList{"command [I3O5C5]"};
        QTest::newRow("output halves after one input")
            << QByteArrayList{"[I3", "O5C5]", "O6C6]", "O", "7G2U1]"}
            << QStringList{"command [I3O5C5]", "command [I3O6C6]", "command [I3O7G2U1]"};
        QTest::newRow("output half after another command")
            << QByteArrayList{"[I3O5C5]", "[IN1C5]", "O6C6]\r"}
            << QStringList{"command [I3O5C5]", "command [IN1C5]", "noise O6C6]"};
        QTest::newRow("output half after stray text")
            << QByteArrayList{"[I12O5C5]", "\rO6C6]\r"}
            << QStringList{"command [I12O5C5]", "noise O6C6]"};
        QTest::newRow("typed one by one") << QByteArrayList{"[", "V", "E", "R", "]", "\r"}
                                          << QStringList{"command [VER]"};
        QTest::newRow("two in one write") << QByteArrayList{"{TEST}[RES]"}
                                          << QStringList{"command {TEST}", "command [RES]"};
        QTest::newRow("other closer is data") << QByteArrayList{"[SAVRS1,a}b,M3C5]"}
                                              << QStringList{"command [SAVRS1,a}b,M3C5]"};
        QTest::newRow("opener cuts an open command") << QByteArrayList{"[ON1C3", "{TEST}"}
                                                     << QStringList{"unterminated [ON1C3", "command {TEST}"};
        QTest::newRow("open at the end") << QByteArrayList{"[RDG"} << QStringList{"unterminated [RDG"};
        QTest::newRow("stray text to line end, blanks ignored")
            << QByteArrayList{"hel", "lo\r", "  \r\n"} << QStringList{"noise hello"};
        QTest::newRow("binary bytes in a command") << QByteArrayList{"[ON\xff", "\x01]"}
                                                   << QStringList{QStringLiteral("noise [ON\u00ff\u0001]")};
        QTest::newRow("overlong command skipped to its closer")
            << QByteArrayList{"[" + longText, "]", "[RES]"} << QStringList{"overlong [" + kept, "command [RES]"};
        QTest::newRow("overlong stray text skipped to line end")
            << QByteArrayList{longText + "\r[RES]"} << QStringList{"overlong A" + kept, "command [RES]"};
    }
    void framing()
    {
        QFETCH(QByteArrayList, writes);
        QFETCH(QStringList, pieces);
        CommandFramer framer;
        QList<CommandFramer::Piece> framed;
        for (const QByteArray &write : writes)
            framed += framer.Feed(write);
        framed += framer.Finish();
        QCOMPARE(Described(framed), pieces);
    }

    void groupMemoryAnswersAsKept()
    {
        const QList<std::pair<QByteArray, QByteArray>> exchange = {
            {"[RDG2]", "NONE G2U3\r\n"},
            {"[WRC12C3G2]", ""},
            {"[RDG2]", "C3C12G2U3\r\n"},
            {"[WRC5G2]", ""}, // a write replaces the group
            {"[WRC1C20G8]", ""},
            {"[RDG2]", "C5G2U3\r\n"},
            {"[RDG8]", "C1C20G8U3\r\n"},
            {"[CLRG*]", ""},
            {"[RDG8]", "NONE G8U3\r\n"},
        };
        GroupMemory memory(3);
        for (const auto &[command, answer] : exchange) {
            QVERIFY2(GroupMemory::Handles(command), command.constData());
            QCOMPARE(memory.Serve(command), answer);
        }
        // Relay and I/O writes share the prefix; malformed group commands are not served.
        for (const char *other : {"[WRRL111111G3]", "[WRIO0000C5]", "[WRC21G2]", "[WRC3G0]", "[WRG2]",
                                  "[WRC3G2U2]", "[RDG12]", "[RDG]", "[CLRG3]"})
            QVERIFY2(!GroupMemory::Handles(other), other);
    }

    void replyFileReadsCommandsAndEscapes()
    {
        const ReplyFile::Table table = ReplyFile::Parse("# answers\n"
                                                        "[VER] = QL 3.0\\r\\n\n"
                                                        "{LED*=0} = done\r\n"
                                                        "\n"
                                                        "  [HELP]=a\\x41\\\\b\\t  \n");
        QCOMPARE(table.size(), 3);
        QCOMPARE(table.value("[VER]").text, QByteArray("QL 3.0\r\n"));
        QCOMPARE(table.value("{LED*=0}").text, QByteArray("done"));
        QCOMPARE(table.value("[HELP]").text, QByteArray("aA\\b\t"));
        QCOMPARE(table.value("[HELP]").line, 5);
    }

    void replyFileErrorsNameTheLine_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("message");
        QTest::newRow("no command") << QByteArray("VER = x") << "line 1: expected a command in [ ] or { } first";
        QTest::newRow("unclosed") << QByteArray("# c\n[VER = x") << "line 2: expected a command in [ ] or { } first";
        QTest::newRow("two openers") << QByteArray("[A[B] = x") << "line 1: expected a command in [ ] or { } first";
        QTest::newRow("no equals") << QByteArray("[VER] x") << "line 1: expected \"=\" after [VER]";
        QTest::newRow("no reply") << QByteArray("\n\n[VER] =") << "line 3: no reply after \"=\"";
        QTest::newRow("unknown escape") << QByteArray("[VER] = a\\q")
                                        << "line 1: unknown escape \\q (use \\r, \\n, \\t, \\\\ or \\xHH)";
        QTest::newRow("short hex") << QByteArray("[VER] = \\x4") << "line 1: \\x needs two hexadecimal digits";
        QTest::newRow("signed hex") << QByteArray("[VER] = \\x-1") << "line 1: \\x needs two hexadecimal digits";
        QTest::newRow("twice") << QByteArray("[VER] = a\n[VER] = b") << "line 2: [VER] has a reply on line 1 already";
    }
    void replyFileErrorsNameTheLine()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, message);
        try {
            ReplyFile::Parse(contents);
            QFAIL("no error");
        } catch (const QlError &error) {
            QCOMPARE(error.message(), message);
        }
    }

    void repliesLeaveTheUnitsOwnCommandsAlone()
    {
        const ReplyFile::Table table = ReplyFile::Parse("[VER] = a\n[LEARNIRC5] = b\n[RDG1] = c\n[CLRG*] = d");
        try {
            VirtualUnit::CheckReplies(table);
            QFAIL("no error");
        } catch (const QlError &error) {
            QCOMPARE(error.message(), QStringLiteral("line 2: [LEARNIRC5] is answered by the unit itself"));
        }
        VirtualUnit::CheckReplies(ReplyFile::Parse("[VER] = a\n[RES] = b\n[WRRL1XXXXXC5] = c"));
    }
};

QL_REGISTER_TEST(TestServing)
#include "test_serving.moc"
