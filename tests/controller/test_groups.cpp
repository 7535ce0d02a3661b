#include "ControllerFixture.h"

#include "command/CommandSender.h"
#include "command/UnitExchange.h"
#include "document/QlsDoc.h"
#include "pages/DesignSurface.h"
#include "support/TestMain.h"

#include <QPlainTextEdit>
#include <QSpinBox>

namespace {

// Group number of every membership, as "slot:group" pairs.
QStringList Memberships(const TQlsDoc &doc)
{
    QStringList pairs;
    for (int slot = 1; slot <= TQlsDoc::SlotCount; ++slot)
        for (int group = 1; group <= 9; ++group)
            if (doc.InGroup(slot, group))
                pairs << QString("%1:%2").arg(slot).arg(group);
    return pairs;
}

} // namespace

// The "Groups" box and program sending in the main window.
class TestGroups : public QObject, ControllerFixture
{
    Q_OBJECT

    TQlsDoc &Doc() const { return *form->Doc(); }
    void Click(const char *name) const { QTest::mouseClick(Control(name), Qt::LeftButton); }

private slots:
    void init() { StartWithUnit(); }
    void cleanup() { Stop(); }

    void membershipButtons()
    {
        QVERIFY(!Control("btnAddGrp")->isEnabled()); // slot 20 is empty
        ClickSlot(4);
        ChooseModel("QL324-100");
        QVERIFY(Control("btnAddGrp")->isEnabled());
        Click("btnAddGrp"); // group 0: no membership
        QVERIFY(Memberships(Doc()).isEmpty());

        QTest::keyClick(Control("txtGroup"), Qt::Key_Up);
        QTest::keyClick(Control("txtGroup"), Qt::Key_Up);
        QCOMPARE(Control<QLineEdit>("txtGroup")->text(), QString("2"));
        TypeGroup("3");
        QCOMPARE(Control<QSpinBox>("UpDownGroup")->value(), 3);
        QCOMPARE(form->Surface().SelectedGroup(), 3);
        Click("btnAddGrp");
        QCOMPARE(Memberships(Doc()), QStringList{"4:3"});

        Doc().SetGroupMember(7, 3, true);
        Entry("actLock")->trigger();
        Click("btnRemoveGrp");
        Click("btnAddGrp");
        QCOMPARE(Memberships(Doc()), QStringList{"7:3"});
    }

    void groupWrite()
    {
        Doc().SetGroupMember(3, 1, true);
        Doc().SetGroupMember(11, 1, true);
        Doc().SetGroupMember(5, 3, true);
        Doc().SetGroupMember(6, 9, true);
        desktop.yesNoAnswers << false << true;
        Click("btnWriteGrp");
        QVERIFY(unit->ReadFor(30).isEmpty());
        Click("btnWriteGrp");
        QCOMPARE(desktop.questions, QStringList(2, "Write program groups command?"));
        const QByteArray sent = "[CLRG*][WRC3C11G1][WRC5G3]";
        QCOMPARE(unit->Read(sent.size()), sent);
        QVERIFY(unit->ReadFor(30).isEmpty());
    }

    // The unit answers the requests of "Read" as scripted, one reply per group;
    // the design's groups change only when all eight were readable.
    void groupRead_data()
    {
        // For groups 1, 2, ...; then silence. A "|" parts the pieces in which
        // a reply reaches the program.
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QStringList>("informed");
        QTest::addColumn<QStringList>("memberships");
        const QStringList before{"7:1", "9:4"};
        QTest::newRow("all answered")
            << QStringList{"C3C12G1U0\r\n", "NONE G2U0", "C5G3U", "NONE G4U0", "NONE G5U0",
                           "NONE G6U0", "C20G7U0", "NONE G8U0"}
            << 8 << QStringList() << QStringList{"3:1", "5:3", "12:1", "20:7"};
        QTest::newRow("replies in pieces")
            << QStringList{"C3C1|2G1U0\r\n", "NONE| G2U|0\r|\n", "C5G3U0", "NONE G4U0",
                           "NONE G5U0", "NONE G6U0", "C2|0G7U0\r\n", "N|ONE G8U0\r\n"}
            << 8 << QStringList() << QStringList{"3:1", "5:3", "12:1", "20:7"};
        QTest::newRow("group 3 silent")
            << QStringList{"C3G1U0", "NONE G2U0"} << 3
            << QStringList{"Could not retieve grouping information"} << before;
        QTest::newRow("garbage for group 2")
            << QStringList{"C3G1U0", "C3C?G2U0"} << 2
            << QStringList{"Could not retieve grouping information for group 2"} << before;
        QTest::newRow("no unit mark") << QStringList{"C3G1"} << 1
                                      << QStringList{
                                             "Could not retieve grouping information for group 1"}
                                      << before;
    }
    void groupRead()
    {
        QFETCH(QStringList, replies);
        QFETCH(int, asked);
        Doc().SetGroupMember(7, 1, true);
        Doc().SetGroupMember(9, 4, true);
        QByteArray requests;
        int pauseStep = 0;
        // Plays the unit at the start of the pause after each request.
        desktop.onSleep = [&] {
            if (pauseStep++ % CommandSender::PauseSteps)
                return;
            requests += unit->Read(6);
            const qsizetype group = requests.size() / 6;
            if (group > replies.size())
                return;
            for (const QString &piece : replies[group - 1].split('|')) {
                unit->Write(piece.toLatin1());
                QVERIFY(QTest::qWaitFor(
                    [&] { return form->Exchange().ReceivedText().endsWith(piece); }));
            }
        };
        Click("btnReadGrp");

        QTEST(desktop.informed, "informed");
        QTEST(Memberships(Doc()), "memberships");
        QByteArray expected;
        for (int group = 1; group <= asked; ++group)
            expected += QString("[RDG%1]").arg(group).toLatin1();
        QCOMPARE(requests, expected);
    }

    void programSend()
    {
        Stop();
        ClearSettings();
        QVERIFY(ConnectUnit());
        SetSetting("CProgram", "[P%v]");
        SetSetting("AllowSpace", true);
        Start();
        PickPort(1);
        Control<QPlainTextEdit>("mmoProgram")
            ->setPlainText("A // first\n\n// only a comment\n  \nB//");
        desktop.yesNoAnswers << false << true;
        QTest::keyClick(Control("cmboItems"), Qt::Key_F9);
        QVERIFY(unit->ReadFor(30).isEmpty());
        QTest::keyClick(Control("txtTerminal"), Qt::Key_F9);
        QCOMPARE(desktop.questions,
                 QStringList(2, "Are you sure you want to send the program code?"));
        const QByteArray sent = "[PA ][P  ][PB]";
        QCOMPARE(unit->Read(sent.size()), sent);
        QVERIFY(unit->ReadFor(30).isEmpty());
    }
};

QL_REGISTER_TEST(TestGroups)
#include "test_groups.moc"
