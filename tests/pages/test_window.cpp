#include "command/UnitExchange.h"
#include "document/CardCatalog.h"
#include "document/QlsDoc.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

// The design surface and the amplifier and switcher pages as wired into the
// main window, with commands observed on the far side of a serial line.
class TestWindow : public QObject, WindowFixture
{
    Q_OBJECT

    void Tick(const char *name)
    {
        auto *control = Control<QAbstractButton>(QString::fromLatin1(name));
        QVERIFY(control->isVisible());
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
    }

private slots:
    void init()
    {
        ClearSettings();
        QVERIFY(ConnectUnit());
        Start();
    }
    void cleanup() { Stop(); }

    void startsWithSlot20AndTheCoverPlate()
    {
        QVERIFY(Control<QPushButton>(QStringLiteral("btnCard20"))->isChecked());
        QCOMPARE(ShownPage(), QStringLiteral("NoControl"));
        QCOMPARE(Control<QComboBox>(QStringLiteral("cmboEnclosure"))->count(), 4);
        QCOMPARE(Control<QComboBox>(QStringLiteral("cmboItems"))->count(), 98);
    }

    void controlsReachTheLine()
    {
        PickPort(1);
        ClickSlot(5);
        ChooseModel("QL324-101");
        Tick("chkDAOutput3");
        Tick("chkDAOnOff1All");
        Tick("chkDAOutput3");
        QCOMPARE(unit->Read(21), QByteArray("[ON3C5][ONC5][OFF3C5]"));

        ClickSlot(7);
        ChooseModel("QL335-107");
        Tick("optSWVideo2");
        Tick("optSWSVideo3");
        QCOMPARE(unit->Read(16), QByteArray("[ON2VC7][ON3SC7]"));

        ClickSlot(9);
        ChooseModel("QL379-106");
        Tick("optSWGain2");
        QCOMPARE(unit->Read(9), QByteArray("[SEL2C9]"));
        QVERIFY(unit->ReadFor(50).isEmpty());
    }

    // The matrix pages' controls, clicked in order on a model in slot 5.
    void matrixControlsReachTheLine_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QByteArray>("line");
        auto row = [](const char *name, const char *model, const char *clicks, const char *line) {
            QTest::newRow(name) << QString::fromLatin1(model) << QString::fromLatin1(clicks)
                                << QByteArray(line);
        };
        row("crosspoint", "QL346-100", "btnMatrixIn16 btnMatrixOut8", "[I16O8C5]");
        row("one input, two outputs", "QL346-112", "btnMatrixIn3 btnMatrixOut5 btnMatrixOut16",
            "[I3O5C5]O16C5]");
        row("card on and off", "QL346-102", "chkMatrixCard chkMatrixCard", "[ONC5][OFFC5]");
        row("switch", "QL346-121", "MatrixSwitch1", "[SWC5]");
        row("in to all out", "QL346-115", "optInToAll12 optInToAll12", "[I12O*C5][I12O*C5]");
        row("16 x 8 sizes", "QL346-100", "optSize8x4 optSize4x2 optSize16x8",
            "[MAT8X4C5][MAT4X2C5][MAT16X8C5]");
        row("16 x 16 sizes", "QL346-112", "optSize8x8 optSize4x4 optSize16x16",
            "[MAT8X8C5][MAT4X4C5][MAT16X16C5]");
        row("8 x 16 sizes", "QL346-118", "optSize4x8 optSize2x4 optSize8x16",
            "[MAT4X8C5][MAT2X4C5][MAT8X16C5]");
        row("reconfigurable crosspoint", "QL346-106", "btnConfigIn2 btnConfigOut6", "[I2O6C5]");
        row("split sends nothing", "QL346-107", "Matrix6x2 btnConfigIn6 btnConfigOut1", "[I6O1C5]");
        row("third input is port 4", "QL346-108", "Matrix3x5 btnConfigIn4 btnConfigOut5", "[I4O5C5]");
        row("output on and off", "QL346-109", "chkConfigOut3 chkConfigOut3", "[ON3C5][OFF3C5]");
        row("reconfigurable card and switch", "QL346-106", "chkConfigCard MatrixSwitch2",
            "[ONC5][SWC5]");
    }

    void matrixControlsReachTheLine()
    {
        QFETCH(QString, model);
        QFETCH(QString, clicks);
        QFETCH(QByteArray, line);
        PickPort(1);
        ClickSlot(5);
        ChooseModel(qPrintable(model));
        for (const QString &name : clicks.split(QLatin1Char(' ')))
            Tick(qPrintable(name));
        QCOMPARE(unit->Read(line.size()), line);
        QVERIFY(unit->ReadFor(50).isEmpty());
    }

    void designingThroughTheWindow()
    {
        ClickSlot(6);
        ChooseModel("QL324-103");
        QCOMPARE(form->Doc()->CardText(5), TQlsDoc::Reserved);
        QVERIFY(!Control<QPushButton>(QStringLiteral("btnCard5"))->isEnabled());
        ClickSlot(10);
        ChooseModel("QL346-100");
        ClickSlot(2);
        ChooseModel("QL346-100");
        QCOMPARE(desktop.errors, QStringList{QStringLiteral("Cannot place card here")});
        QVERIFY(form->Doc()->CardText(2).isEmpty());
        QCOMPARE(Control<QComboBox>(QStringLiteral("cmboItems"))->currentIndex(), 0);

        // Down to eight slots: the card standing in slots 8 to 10 goes.
        desktop.yesNoAnswers.enqueue(true);
        auto *enclosure = Control<QComboBox>(QStringLiteral("cmboEnclosure"));
        enclosure->setCurrentIndex(1);
        QTest::keyClick(enclosure, Qt::Key_Down);
        QCOMPARE(desktop.questions.last(), QStringLiteral("Changing size will clear some cards. Are you sure?"));
        QCOMPARE(form->Doc()->EnclosureKind(), 2);
        QCOMPARE(form->CurrentSlot(), 8);
        QVERIFY(Control<QPushButton>(QStringLiteral("btnCard8"))->isChecked());
        for (int slot = 8; slot <= 10; ++slot)
            QVERIFY(form->Doc()->CardText(slot).isEmpty());
        QCOMPARE(form->Doc()->CardText(6), CardCatalog::Lines()[CardCatalog::IndexOfCode("QL324-103")]);
        QVERIFY(!Control<QPushButton>(QStringLiteral("btnCard9"))->isEnabled());
    }

    void lockedDesignIsDrivenButKept()
    {
        PickPort(1);
        ClickSlot(4);
        ChooseModel("QL324-100");
        form->findChild<QAction *>(QStringLiteral("actLock"))->trigger();
        QVERIFY(form->Doc()->Locked());
        QVERIFY(!Control<QComboBox>(QStringLiteral("cmboItems"))->isEnabled());
        ClickSlot(3);
        QCOMPARE(ShownPage(), QStringLiteral("NoControl"));
        ClickSlot(4);
        QCOMPARE(ShownPage(), QStringLiteral("DACard"));
        Tick("chkDAOutput1");
        QCOMPARE(unit->Read(7), QByteArray("[ON1C4]"));
        QCOMPARE(form->Doc()->CardText(4), CardCatalog::Lines()[CardCatalog::IndexOfCode("QL324-100")]);
        QVERIFY(form->Doc()->CardText(3).isEmpty());
    }

    void openedDesignShowsTheSlotsPage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plant.qls"));
        TQlsDoc saved;
        saved.PlaceCard(20, CardCatalog::Lines()[CardCatalog::IndexOfCode("QL335-100")]);
        saved.SaveToFile(path);
        desktop.openFileNames.enqueue(path);
        form->findChild<QAction *>(QStringLiteral("actOpen"))->trigger();
        QCOMPARE(form->CurrentSlot(), 20);
        QCOMPARE(ShownPage(), QStringLiteral("SWCard"));
        QCOMPARE(Control<QComboBox>(QStringLiteral("cmboItems"))->currentIndex(),
                 CardCatalog::IndexOfCode("QL335-100"));
    }

    // Slot 20 does not exist in an 8-slot design: its last slot becomes current.
    void openedSmallerDesignSelectsItsLastSlot()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rack8.qls"));
        TQlsDoc saved;
        saved.SetEnclosure(2);
        saved.PlaceCard(8, CardCatalog::Lines()[CardCatalog::IndexOfCode("QL324-100")]);
        saved.SaveToFile(path);
        desktop.openFileNames.enqueue(path);
        form->findChild<QAction *>(QStringLiteral("actOpen"))->trigger();
        QCOMPARE(form->CurrentSlot(), 8);
        QVERIFY(Control<QPushButton>(QStringLiteral("btnCard8"))->isChecked());
        QCOMPARE(ShownPage(), QStringLiteral("DACard"));
        PickPort(1);
        Tick("chkDAOutput2");
        QCOMPARE(unit->Read(7), QByteArray("[ON2C8]"));
    }

    // The right mouse button on the model tabs and anywhere on a card page
    // brings up the card menu.
    void cardAreaHasTheCardMenu()
    {
        ClickSlot(5);
        ChooseModel("QL324-101");
        auto *menu = Control<QMenu>(QStringLiteral("PopUpStatus"));
        for (const char *name : {"CardControl", "chkDAOutput2", "BlockDiagramDA"}) {
            QWidget *target = Control(QString::fromLatin1(name));
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), target->mapToGlobal(QPoint(4, 4)));
            QApplication::sendEvent(target, &event);
            QVERIFY2(menu->isVisible(), name);
            menu->hide();
        }
    }

    void viewLayoutTurnsViewFrontOff()
    {
        auto *viewFront = Control<QCheckBox>(QStringLiteral("CheckBox120"));
        viewFront->setChecked(true);
        QTest::mouseClick(Control<QCheckBox>(QStringLiteral("CheckBox28")), Qt::LeftButton, {}, QPoint(5, 10));
        QVERIFY(!viewFront->isChecked());
        QVERIFY(Control(QStringLiteral("paintEnclosure"))->isVisible());
        QVERIFY(!Control(QStringLiteral("ControlView"))->isVisible());
    }
};

QL_REGISTER_TEST(TestWindow)

#include "test_window.moc"
