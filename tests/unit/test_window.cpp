#include "command/CommandSender.h"
#include "command/ControlTags.h"
#include "command/TerminalView.h"
#include "command/UnitExchange.h"
#include "controller/IrLearner.h"
#include "document/QlsDoc.h"
#include "support/TestMain.h"
#include "support/UnitProcess.h"
#include "support/WindowFixture.h"
#include "unit/IrEncoder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

// The main window on COM1 with qlunit at the far end of the line.
class TestUnitWindow : public QObject, WindowFixture
{
    Q_OBJECT

    std::unique_ptr<UnitProcess> m_unit;

    // Starts qlunit with `arguments` and the window on COM1 behind it.
    void Serve(const QStringList &arguments)
    {
        m_unit = std::make_unique<UnitProcess>(arguments);
        QVERIFY(m_unit->Start());
        SetSetting(QStringLiteral("ComDevice1"), m_unit->DevicePath());
        Start();
        PickPort(1);
        QCOMPARE(form->Exchange().CommPortNo(), 1);
    }
    void Unserve()
    {
        Stop();
        QVERIFY(m_unit->Stop());
        m_unit.reset();
    }

    // Every pause after a chunk waits until the unit has taken the command
    // in and, for a group read, until its answer is back in the window.
    void FollowTheUnit()
    {
        desktop.onSleep = [this, commands = 0]() mutable {
            if (desktop.sleepCount % CommandSender::PauseSteps != 1)
                return;
            QVERIFY(m_unit->WaitForLogged("command", ++commands));
            if (m_unit->Logged("command").constLast().startsWith(QLatin1String("[RDG")))
                QVERIFY(QTest::qWaitFor([this] { return !form->Exchange().LastReply().isEmpty(); }));
        };
    }

private slots:
    void init()
    {
        ClearSettings();
        Serve({QStringLiteral("--raw")});
    }
    void cleanup() { Unserve(); }

    void typedCommandIsLoggedAndAnswered()
    {
        auto *terminal = Control<TerminalView>("txtTerminal");
        QTest::keyClicks(terminal, QStringLiteral("[RDG4]"));
        QVERIFY(m_unit->WaitForLogged("answer", 1));
        QCOMPARE(m_unit->Logged("command"), QStringList{"[RDG4]"});
        QCOMPARE(m_unit->Logged("answer"), QStringList{"NONE G4U0\\r\\n"});
        QTRY_COMPARE(form->Exchange().LastReply(), QStringLiteral("NONE G4U0\r\n"));
        QVERIFY(terminal->toPlainText().endsWith(QStringLiteral("NONE G4U0\n")));
    }

    void cardPageCheckBoxIsOneCommand()
    {
        ClickSlot(5);
        ChooseModel("QL324-101");
        auto *output = Control<QCheckBox>("chkDAOutput3");
        QTest::mouseClick(output, Qt::LeftButton, {}, QPoint(6, output->height() / 2));
        QVERIFY(m_unit->WaitForLogged("command", 1));
        QCOMPARE(m_unit->Logged("command"), QStringList{"[ON3C5]"});
        QTest::mouseClick(output, Qt::LeftButton, {}, QPoint(6, output->height() / 2));
        QVERIFY(m_unit->WaitForLogged("command", 2));
        QCOMPARE(m_unit->Logged("command"), (QStringList{"[ON3C5]", "[OFF3C5]"}));
    }

    void crosspointInTwoWritesIsOneCommand()
    {
        form->SetCurrentSlot(5);
        QPushButton input(QStringLiteral("IN 3"), form.get());
        QPushButton output(QStringLiteral("OUT 5"), form.get());
        SetControlTag(&input, 3);
        SetControlTag(&output, 1005);
        for (QPushButton *button : {&input, &output}) {
            form->Exchange().Handlers().Bind(button);
            button->show();
        }
        QTest::mouseClick(&input, Qt::LeftButton);
        QVERIFY(m_unit->WaitForLogged("read", 1));
        QVERIFY(m_unit->Logged("command").isEmpty());
        QTest::mouseClick(&output, Qt::LeftButton);
        QVERIFY(m_unit->WaitForLogged("command", 1));
        QCOMPARE(m_unit->Logged("read"), (QStringList{"[I3", "O5C5]"}));
        QCOMPARE(m_unit->Logged("command"), QStringList{"[I3O5C5]"});
    }

    // The unit going away leaves no port chosen; once a unit is back on the
    // line, picking the port again reaches it.
    void unitGoneAndBack()
    {
        QVERIFY(m_unit->Stop());
        QTRY_COMPARE_WITH_TIMEOUT(desktop.errors.size(), 1, 5000);
        QCOMPARE(Control<QComboBox>("ComboPort")->currentText(), QStringLiteral("None"));
        form->SendCommand(QStringLiteral("[RES]"), QString(), QString());
        QCOMPARE(desktop.sleepCount, 0);  // echoed only

        m_unit = std::make_unique<UnitProcess>();
        QVERIFY(m_unit->Start());
        SetSetting(QStringLiteral("ComDevice1"), m_unit->DevicePath());
        PickPort(1);
        form->SendCommand(QStringLiteral("[RES]"), QString(), QString());
        QVERIFY(m_unit->WaitForLogged("command", 1));
        QCOMPARE(m_unit->Logged("command"), QStringList{"[RES]"});
        QCOMPARE(desktop.errors.size(), 1);
    }

    void groupsWrittenAndReadBack()
    {
        TQlsDoc *doc = form->Doc();
        for (const auto &[slot, group] : {std::pair{3, 2}, {12, 2}, {7, 5}})
            doc->SetGroupMember(slot, group, true);
        FollowTheUnit();
        desktop.yesNoAnswers.enqueue(true);
        QTest::mouseClick(Control("btnWriteGrp"), Qt::LeftButton);
        QCOMPARE(m_unit->Logged("command"), (QStringList{"[CLRG*]", "[WRC3C12G2]", "[WRC7G5]"}));

        // The design forgets; the unit remembers.
        doc->SetGroupMember(12, 2, false);
        doc->SetGroupMember(9, 1, true);
        QTest::mouseClick(Control("btnReadGrp"), Qt::LeftButton);
        QCOMPARE(m_unit->Logged("command").mid(3),
                 (QStringList{"[RDG1]", "[RDG2]", "[RDG3]", "[RDG4]", "[RDG5]", "[RDG6]", "[RDG7]",
                              "[RDG8]"}));
        QCOMPARE(desktop.informed, QStringList());
        QCOMPARE(doc->GroupList(1), QString());
        QCOMPARE(doc->GroupList(2), QStringLiteral("C3C12G2"));
        QCOMPARE(doc->GroupList(5), QStringLiteral("C7G5"));
    }

    void learnsTheUnitsIrCode()
    {
        const QString bits = QStringLiteral("01000000 00000100 00000001 00000000 10111100 10111101");
        Unserve();
        Serve({QStringLiteral("--ir-mode"), QStringLiteral("2"), QStringLiteral("--ir-bits"), bits,
               QStringLiteral("--ir-delay"), QStringLiteral("1000")});
        ClickSlot(5);
        ChooseModel("QL415-104");
        QTest::mouseClick(Control("RadioButton327"), Qt::LeftButton);

        // The program listens on the virtual clock; during its first listening
        // pause the unit's answer is given the real second it takes.
        const qsizetype streamSize = IrEncoder::Encode(bits, 2).size();
        desktop.onSleep = [this, streamSize, waited = false, last = desktop.sleptMs]() mutable {
            const qint64 slept = desktop.sleptMs - std::exchange(last, desktop.sleptMs);
            if (waited || slept != IrLearner::ListenStepMs)
                return;
            waited = true;
            QVERIFY(m_unit->WaitForLogged("answer", 1));
            QVERIFY(QTest::qWaitFor(
                [&] { return form->Exchange().ReceivedText().size() >= streamSize; }));
        };
        desktop.yesNoAnswers.enqueue(true);
        QTest::mouseClick(Control("LearnIR"), Qt::LeftButton);

        QCOMPARE(m_unit->Logged("command"), QStringList{"[LEARNIRC5]"});
        QCOMPARE(desktop.informed, QStringList());
        QCOMPARE(Control<QLineEdit>("SaveData")->text(), bits);
        QVERIFY(Control<QCheckBox>("ModeChk2")->isChecked());
    }
};

QL_REGISTER_TEST(TestUnitWindow)
#include "test_window.moc"
