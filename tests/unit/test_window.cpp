#include "command/ControlTags.h"
#include "command/TerminalView.h"
#include "command/UnitExchange.h"
#include "support/TestMain.h"
#include "support/UnitProcess.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QPushButton>

// The main window on COM1 with qlunit at the far end of the line.
class TestUnitWindow : public QObject, WindowFixture
{
    Q_OBJECT

    std::unique_ptr<UnitProcess> m_unit;

private slots:
    void init()
    {
        ClearSettings();
        m_unit = std::make_unique<UnitProcess>(QStringList{QStringLiteral("--raw")});
        QVERIFY(m_unit->Start());
        SetSetting(QStringLiteral("ComDevice1"), m_unit->DevicePath());
        Start();
        PickPort(1);
        QCOMPARE(form->Exchange().CommPortNo(), 1);
    }
    void cleanup()
    {
        Stop();
        QVERIFY(m_unit->Stop());
        m_unit.reset();
    }

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
};

QL_REGISTER_TEST(TestUnitWindow)
#include "test_window.moc"
