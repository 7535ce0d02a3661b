#include "PageFixture.h"

#include "support/TestMain.h"

#include <QAbstractButton>

// Every control of the amplifier and switcher pages, clicked on the model
// that shows it: caption, the command of the click and of a second click.
class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void everyControlSendsItsCommand_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("first");  // "template|value"
        QTest::addColumn<QString>("second"); // empty: nothing sent

        auto row = [](const char *model, const QString &name, const QString &caption,
                      const QString &first, const QString &second) {
            QTest::newRow(qPrintable(name)) << QString::fromLatin1(model) << name << caption
                                            << first << second;
        };
        for (int i = 1; i <= 8; ++i)
            row("QL324-101", QStringLiteral("chkDAOutput%1").arg(i),
                QStringLiteral("%1 On/Off").arg(i), QStringLiteral("[ON%vC%c%]|%1").arg(i),
                QStringLiteral("[OFF%vC%c%]|%1").arg(i));
        row("QL324-101", "chkDAOnOff1All", "All ON/OFF", "[ONC%c%]|", "[OFFC%c%]|");
        for (int i = 1; i <= 3; ++i) {
            row("QL324-120", QStringLiteral("chkDASVideo%1").arg(i),
                QStringLiteral("%1 S-V On/Off").arg(i), QStringLiteral("[ON%vSC%c%]|%1").arg(i),
                QStringLiteral("[OFF%vSC%c%]|%1").arg(i));
            row("QL324-120", QStringLiteral("chkDAVideo%1").arg(i),
                QStringLiteral("%1 Vid On/Off").arg(i), QStringLiteral("[ON%vVC%c%]|%1").arg(i),
                QStringLiteral("[OFF%vVC%c%]|%1").arg(i));
        }
        row("QL324-120", "chkDAOnOff2All", "All ON/OFF", "[ONC%c%]|", "[OFFC%c%]|");
        for (int i = 1; i <= 8; ++i)
            row("QL335-100", QStringLiteral("optSWInput%1").arg(i), QStringLiteral("Input %1").arg(i),
                QStringLiteral("[ON%vC%c%]|%1").arg(i), QStringLiteral("[ON%vC%c%]|%1").arg(i));
        row("QL335-100", "chkSWOnOff1All", "All ON/OFF", "[ONC%c%]|", "[OFFC%c%]|");
        for (int i = 1; i <= 3; ++i) {
            row("QL335-107", QStringLiteral("optSWVideo%1").arg(i), QStringLiteral("Input %1").arg(i),
                QStringLiteral("[ON%vVC%c%]|%1").arg(i), QStringLiteral("[ON%vVC%c%]|%1").arg(i));
            row("QL335-107", QStringLiteral("optSWSVideo%1").arg(i),
                QStringLiteral("Input %1").arg(i), QStringLiteral("[ON%vSC%c%]|%1").arg(i),
                QStringLiteral("[ON%vSC%c%]|%1").arg(i));
        }
        row("QL335-107", "chkSWOnOff2All", "All ON/OFF", "[ONC%c%]|", "[OFFC%c%]|");
        row("QL335-107", "chkSWOnOff3All", "All ON/OFF", "[ONC%c%]|", "[OFFC%c%]|");
        for (int i = 1; i <= 4; ++i)
            row("QL379-105", QStringLiteral("optSWGain%1").arg(i), QStringLiteral("Input %1").arg(i),
                QStringLiteral("[SEL%vC%c%]|%1").arg(i), QStringLiteral("[SEL%vC%c%]|%1").arg(i));
    }

    void everyControlSendsItsCommand()
    {
        QFETCH(QString, model);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, first);
        QFETCH(QString, second);
        m_surface.chooseModel(model);
        auto *control = m_surface.find<QAbstractButton>(name);
        QCOMPARE(control->text(), caption);
        QVERIFY(control->isVisible());

        auto expect = [](const QString &command) {
            return SentCommand{command.section('|', 0, 0), QString(), command.section('|', 1)};
        };
        m_surface.target.sent.clear();
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
        QCOMPARE(m_surface.target.sent, QList<SentCommand>{expect(first)});
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
        QCOMPARE(m_surface.target.sent, (QList<SentCommand>{expect(first), expect(second)}));
    }

    void groupTitlesAndHints()
    {
        const QList<QPair<QString, QString>> titles = {
            {"DAOnOff1", "Output control"}, {"DAOnOff2", "Output Control"},
            {"SWOnOff1", "Input Select"},   {"SWOnOff2", "Video Select"},
            {"SWOnOff3", "S-Video Select"}, {"SWOnOff4", "Input Select"}};
        for (const auto &[name, title] : titles)
            QCOMPARE(m_surface.find<QGroupBox>(name)->title(), title);
        QCOMPARE(m_surface.find(QStringLiteral("chkDAOnOff1All"))->toolTip(),
                 QStringLiteral("Turn all outputs ON/OFF"));
    }

    void allBoxStaysAtTheFoot()
    {
        m_surface.chooseModel(QStringLiteral("QL324-102"));
        const int footWithThree = m_surface.find(QStringLiteral("chkDAOnOff1All"))->y();
        m_surface.chooseModel(QStringLiteral("QL324-101"));
        QCOMPARE(m_surface.find(QStringLiteral("chkDAOnOff1All"))->y(), footWithThree);
        QVERIFY(footWithThree > m_surface.find(QStringLiteral("chkDAOutput8"))->y());
    }

    void outputPanelLosesItsBevel()
    {
        auto *panel = m_surface.find<QFrame>(QStringLiteral("DAShowPannel"));
        m_surface.chooseModel(QStringLiteral("QL324-100"));
        QCOMPARE(panel->frameShape(), QFrame::NoFrame);
        // The opaque panel ends beside its group, over the left of the diagram.
        QVERIFY(panel->isVisible());
        QVERIFY(panel->autoFillBackground());
        const int groupRight = m_surface.find(QStringLiteral("DAOnOff1"))->geometry().right();
        QVERIFY(panel->width() > groupRight && panel->width() < groupRight + 10);
        QVERIFY(panel->width() > m_surface.find(QStringLiteral("BlockDiagramDA"))->x());
        m_surface.chooseModel(QStringLiteral("QL324-105"));
        QVERIFY(!panel->isVisible());
        QVERIFY(m_surface.find(QStringLiteral("BlockDiagramDA"))->isVisible());
    }

private:
    Surface m_surface;
};

QL_REGISTER_TEST(TestControls)

#include "test_controls.moc"
