#include "IrStreams.h"

#include "command/UnitExchange.h"
#include "controller/IrLearner.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

// The control card's page in the main window, slot 5, with the unit on the
// far side of a serial line.
class TestControlCard : public QObject, WindowFixture
{
    Q_OBJECT

    void Click(const QString &name)
    {
        auto *control = Control<QAbstractButton>(name);
        QVERIFY2(control->isVisible(), qPrintable(name));
        const bool box = !qobject_cast<QPushButton *>(control);  // check or option box
        QTest::mouseClick(control, Qt::LeftButton, {},
                          box ? QPoint(6, control->height() / 2) : control->rect().center());
    }
    void Type(const char *name, const QString &text)
    {
        auto *edit = Control<QLineEdit>(QString::fromLatin1(name));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);  // the first key replaces the old text
    }
    QString SaveData() const { return Control<QLineEdit>(QStringLiteral("SaveData"))->text(); }
    int Progress() const { return Control<QProgressBar>(QStringLiteral("ProgressBar1"))->value(); }
    QList<int> TickedModes() const
    {
        QList<int> ticked;
        for (int mode = 1; mode <= 6; ++mode) {
            if (Control<QCheckBox>(QStringLiteral("ModeChk%1").arg(mode))->isChecked())
                ticked << mode;
        }
        return ticked;
    }

    // The longest a learn may wait on the desktop clock: every pause at its bound.
    static constexpr int LongestLearnMs = 2 * CommandSender::PauseSteps * CommandSender::PauseStepMs
        + IrLearner::SettleSteps * IrLearner::SettleStepMs
        + IrLearner::ListenSteps * IrLearner::ListenStepMs
        + IrLearner::QuietSteps * IrLearner::QuietStepMs;

private slots:
    void initTestCase()
    {
        ClearSettings();
        QVERIFY(ConnectUnit());
        Start();
        PickPort(1);
        ClickSlot(5);
        ChooseModel("QL415-104");
        QCOMPARE(ShownPage(), QStringLiteral("ControlCard1"));
    }
    void cleanupTestCase() { Stop(); }
    void init()
    {
        desktop.questions.clear();
        desktop.informed.clear();
        desktop.errors.clear();
        desktop.yesNoAnswers.clear();
        desktop.onSleep = nullptr;
        desktop.UnlimitClock();
    }

    void controlsReachTheLine_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("memory");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("question"); // asked at every click, answered Yes unless "No"
        QTest::addColumn<QByteArray>("line");

        const QString rs1 = "RadioButton331", rs2 = "RadioButton332";
        const QString baudQuestion =
            "Are you sure you want to change Baud Rate for selected RS-232 port?";
        const QString modeQuestion =
            "Are you sure you want to change IR Mode for selected IR port?";
        const QString saveQuestion = "This command will overwrite existing data. Are you sure?";
        auto row = [](const char *name, const QString &port, const QString &memory,
                      const QString &control, const QString &question, const QByteArray &line,
                      const QString &data = QString(), int clicks = 1) {
            QTest::newRow(name) << port << memory << data << control << clicks << question << line;
        };
        row("out RS-232 1", rs1, "1", "Button4", "", "[OUTRS1M1C5]");
        row("out RS-232 2", rs2, "12", "Button4", "", "[OUTRS2M12C5]");
        row("out IR 2", "RadioButton328", "7", "Button4", "", "[OUTIR2M7C5]");
        row("out IR 4, clamped", "RadioButton330", "100", "Button4", "", "[OUTIR4M64C5]");
        row("read RS-232", rs2, "3", "Button1", "", "[RDRSM3C5]");
        row("read IR", "RadioButton327", "9", "Button1", "", "[RDIRM9C5]");
        row("baud 2400", rs1, "1", "btnBaud2400", baudQuestion, "[MODERS1,1,8,3,0C5]");
        row("baud 19200", rs2, "1", "btnBaud19200", baudQuestion, "[MODERS2,4,8,3,0C5]");
        row("baud declined", rs1, "1", "btnBaud9600", baudQuestion + "|No", "");
        row("mode 1", "RadioButton327", "1", "btnMode1", modeQuestion, "[MODEIR11C5]");
        row("mode 6", "RadioButton329", "1", "btnMode6", modeQuestion, "[MODEIR36C5]");
        row("mode declined", "RadioButton329", "1", "btnMode2", modeQuestion + "|No", "");
        row("save RS-232 with %", rs1, "3", "Button2", saveQuestion,
            "[SAVRS1,AB,M3C5][SAVRS0,%CD,M3C5]", "AB%CD");
        row("save IR", "RadioButton330", "64", "Button2", saveQuestion, "[SAVIR1,10100000,M64C5]",
            "1010 0000");
        row("save declined", rs1, "2", "Button2", saveQuestion + "|No", "", "AB");

        const char *relays[] = {"CheckBox203", "CheckBox214", "CheckBox215",
                                "CheckBox216", "CheckBox217", "CheckBox218", "CheckBox67"};
        const char *ioLines[] = {"CheckBox219", "CheckBox220", "CheckBox221", "CheckBox222",
                                 "CheckBox224"};
        auto positions = [](int count, int position, char set) {
            return position < count ? QByteArray(count, 'X').replace(position, 1, &set, 1)
                                    : QByteArray(count, set);
        };
        for (int i = 0; i < 7; ++i)
            row(relays[i], rs1, "1", relays[i], "",
                "[WRRL" + positions(6, i, '0') + "C5][WRRL" + positions(6, i, '1') + "C5]",
                QString(), 2);
        for (int i = 0; i < 5; ++i)
            row(ioLines[i], rs1, "1", ioLines[i], "",
                "[WRIO" + positions(4, i, '1') + "C5][WRIO" + positions(4, i, '0') + "C5]",
                QString(), 2);
    }

    void controlsReachTheLine()
    {
        QFETCH(QString, port);
        QFETCH(QString, memory);
        QFETCH(QString, data);
        QFETCH(QString, control);
        QFETCH(int, clicks);
        QFETCH(QString, question);
        QFETCH(QByteArray, line);
        Click(port);
        Type("DataMemory", memory);
        Type("SaveData", data);
        const QString asked = question.section('|', 0, 0);
        for (int i = 0; i < clicks; ++i) {
            desktop.yesNoAnswers.enqueue(!question.endsWith("|No"));
            Click(control);
        }
        QCOMPARE(desktop.questions, asked.isEmpty() ? QStringList() : QStringList(clicks, asked));
        if (line.isEmpty())
            QVERIFY(unit->ReadFor(50).isEmpty());
        else
            QCOMPARE(unit->Read(line.size()), line);
    }

    // Data the line would alter is refused before anything is asked or sent.
    void alteredDataIsRefused_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("error");
        QTest::newRow("blank") << "AB C"
                               << "The blank at position 3 would not reach the unit: the program "
                                  "drops blanks unless \"AllowSpace\" is on in the settings. "
                                  "Nothing was saved; remove it or turn \"AllowSpace\" on, then "
                                  "save again.";
        QTest::newRow("bracket") << "AB]C"
                                 << "The character \"]\" at position 3 would end the save command "
                                    "early. Nothing was saved; remove it, then save again.";
        QTest::newRow("beyond Latin-1") << QStringLiteral("AB\u20acC")
                                        << QStringLiteral("The character \"\u20ac\" at position 3 "
                                                          "(U+20AC) cannot be sent to the unit. "
                                                          "Nothing was saved; remove it, then save "
                                                          "again.");
    }
    void alteredDataIsRefused()
    {
        QFETCH(QString, data);
        QFETCH(QString, error);
        Click("RadioButton331");
        Control<QLineEdit>("SaveData")->setText(data);
        desktop.yesNoAnswers.enqueue(true);
        Click("Button2");
        QCOMPARE(desktop.errors, QStringList{error});
        QVERIFY(desktop.questions.isEmpty());
        QVERIFY(unit->ReadFor(50).isEmpty());
    }

    void portChoiceShowsItsSettings()
    {
        for (const bool ir : {true, false}) {
            Click(ir ? "RadioButton329" : "RadioButton332");
            QCOMPARE(Control("GroupBox92")->isVisible(), !ir);
            for (const char *name : {"GroupBox91", "LearnIR", "ProgressBar1"})
                QCOMPARE(Control(name)->isVisible(), ir);
        }
    }

    void modeBoxesExcludeEachOther()
    {
        Click("RadioButton327");
        for (const char *name : {"ModeChk2", "ModeChk5"})
            Click(name);
        QCOMPARE(TickedModes(), QList<int>{5});
        Click("ModeChk5");
        QCOMPARE(TickedModes(), QList<int>{});
    }

    void learnIr_data()
    {
        using namespace IrStreams;
        QTest::addColumn<QString>("stream");  // empty: the unit answers nothing
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("informed");
        QTest::addColumn<QString>("saveData");
        QTest::addColumn<QList<int>>("tickedModes");
        QTest::addColumn<int>("progress");
        QTest::addColumn<int>("waitedMs");  // on the desktop clock, from the click to the end

        // The command's pause, settling, then listening until the samples
        // come in the third step.
        const int pause = CommandSender::PauseSteps * CommandSender::PauseStepMs;
        const int settle = IrLearner::SettleSteps * IrLearner::SettleStepMs;
        const int heard = pause + settle + 3 * IrLearner::ListenStepMs;
        const int quiet = IrLearner::QuietSteps * IrLearner::QuietStepMs;
        const int unheard = pause + settle + IrLearner::ListenSteps * IrLearner::ListenStepMs
            + pause;  // and the reset's
        const QString bits = QStringLiteral("11100010010101110000111111000001");
        const QString code = Mode1(bits);
        const QByteArray learn = "[LEARNIRC5]";
        const QList<int> none;
        QTest::newRow("learned") << code + Gaps(900 - code.size()) << learn << QStringList()
                                 << Grouped(bits) << QList<int>{1} << 3 << heard;
        QTest::newRow("no signal") << QString() << learn + "[RES]"
                                   << QStringList{IrLearner::NotDetectedText} << "kept" << none
                                   << 1 << unheard;
        QTest::newRow("stops short") << code.left(500) << learn
                                     << QStringList{IrLearner::IncompleteText} << "kept" << none
                                     << 1 << heard + quiet;
        QTest::newRow("unknown coding") << Gaps(5) + Marks(60) + Gaps(900) << learn
                                        << QStringList{IrLearner::NotRecognisedText} << "kept"
                                        << none << 1 << heard;
    }

    void learnIr()
    {
        QFETCH(QString, stream);
        QFETCH(QByteArray, line);
        QFETCH(QStringList, informed);
        QFETCH(QString, saveData);
        QFETCH(QList<int>, tickedModes);
        QFETCH(int, progress);
        QFETCH(int, waitedMs);
        Click("RadioButton327");
        for (int mode = 1; mode <= 6; ++mode)
            Control<QCheckBox>(QStringLiteral("ModeChk%1").arg(mode))->setChecked(false);
        Control<QLineEdit>("SaveData")->setText(QStringLiteral("kept"));

        // The unit sends the samples during the third listening pause.
        if (!stream.isEmpty()) {
            desktop.onSleep = [this, stream, listened = 0, last = desktop.sleptMs]() mutable {
                const qint64 slept = desktop.sleptMs - std::exchange(last, desktop.sleptMs);
                if (slept != IrLearner::ListenStepMs || ++listened != 3)
                    return;
                unit->Write(stream.toLatin1());
                QVERIFY(QTest::qWaitFor(
                    [&] { return form->Exchange().ReceivedText().size() >= stream.size(); }));
            };
        }
        desktop.yesNoAnswers.enqueue(true);
        // A wait that never ends fails the row instead of hanging the test.
        const qint64 start = desktop.sleptMs;
        desktop.LimitClock(2 * LongestLearnMs);
        Click("LearnIR");

        QVERIFY2(desktop.errors.isEmpty(), qPrintable(desktop.errors.join('\n')));
        QCOMPARE(desktop.sleptMs - start, waitedMs);
        QCOMPARE(desktop.questions, QStringList{IrLearner::Question});
        QCOMPARE(unit->Read(line.size()), line);
        QVERIFY(unit->ReadFor(50).isEmpty());
        QCOMPARE(desktop.informed, informed);
        QCOMPARE(SaveData(), saveData);
        QCOMPARE(TickedModes(), tickedModes);
        QCOMPARE(Progress(), progress);
        QVERIFY(Control("LearnIR")->isEnabled());
    }
};

QL_REGISTER_TEST(TestControlCard)

#include "test_controlcard.moc"
