#include "PageFixture.h"

#include "document/CardCatalog.h"
#include "pages/CardPage.h"
#include "pages/NoControlPage.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QLabel>

namespace {

// Page, rear-panel width, visible channel groups and the channel controls
// shown in each (three S-Video and three Video outputs count six), by model. Models without a page show the "no controls" text.
struct Expected {
    const char *models;
    const char *page;
    int width;
    const char *groups;
    int channels;
};

const Expected Table[] = {
    {"QL324-100", "DACard", 1, "DAOnOff1", 6},
    {"QL324-101", "DACard", 1, "DAOnOff1", 8},
    {"QL324-102", "DACard", 1, "DAOnOff1", 3},
    {"QL324-103 QL324-104", "DACard", 2, "DAOnOff1", 6},
    {"QL324-105 QL324-106 QL324-107 QL324-111 QL324-112 QL324-113 QL324-114 QL324-115 "
     "QL324-116 QL324-117 QL324-118 QL379-102 QL379-104 QL437-100",
     "DACard", 1, "", 0},
    {"QL324-108 QL324-109 QL324-110 QL379-101", "DACard", 2, "", 0},
    {"QL324-120", "DACard", 1, "DAOnOff2", 6},
    {"QL379-100", "DACard", 2, "DAOnOff1", 6},
    {"QL379-103", "DACard", 1, "DAOnOff1", 4},
    {"QL415-105", "DACard", 2, "DAOnOff1", 3},
    {"QL415-106", "DACard", 4, "DAOnOff1", 6},
    {"QL335-100 QL335-101 QL382-100", "SWCard", 1, "SWOnOff1", 8},
    {"QL335-102", "SWCard", 2, "SWOnOff1", 7},
    {"QL335-103 QL335-108", "SWCard", 1, "SWOnOff1", 6},
    {"QL335-104", "SWCard", 2, "SWOnOff1", 6},
    {"QL335-105 QL335-106", "SWCard", 1, "SWOnOff1", 3},
    {"QL335-107", "SWCard", 1, "SWOnOff2 SWOnOff3", 3},
    {"QL335-109", "SWCard", 1, "SWOnOff1", 2},
    {"QL382-101", "SWCard", 1, "SWOnOff1", 4},
    {"QL379-105 QL379-107", "SWCard", 1, "SWOnOff4", 4},
    {"QL379-106", "SWCard", 1, "SWOnOff4", 2},
    {"QL346-100 QL346-101 QL346-110 QL346-115 QL346-118 QL346-121", "MatSWCard1", 3, "", 0},
    {"QL393-100 QL393-102 QL346-102 QL346-103 QL346-111 QL393-101 QL393-103", "MatSWCard1", 2,
     "", 0},
    {"QL346-120 QL346-112 QL346-119 QL393-104", "MatSWCard1", 4, "", 0},
    {"QL346-106 QL346-107 QL346-109", "MatSWCard2", 1, "", 0},
    {"QL346-108", "MatSWCard2", 2, "", 0},
    {"QL357-100", "Scalar1", 1, "", 0},
    {"QL357-101", "Scalar2", 1, "", 0},
    {"QL357-103", "Scalar4", 1, "", 0},
    {"QL382-102 QL426-103", "AudioPwrCard", 1, "", 0},
    {"QL426-100 QL426-101", "AudioPwrCard", 3, "", 0},
    {"QL426-102", "AudioPwrCard", 2, "", 0},
    {"QL415-104", "ControlCard1", 1, "", 0},
    {"QL508-101 QL357-102", "NoControl", 1, "", 0},
    {"QL324-121 QL324-122 QL324-123 QL335-110 QL357-110 QL368-201 QL368-202 QL368-203 "
     "QL368-204 QL368-301 QL368-302 QL368-303 QL368-304 QL368-305 QL368-306 QL415-100 "
     "QL415-102",
     "NoControl", 1, "", 0},
    {"QL346-130 QL346-131 QL346-132 QL368-100 QL368-103 QL415-200", "NoControl", 2, "", 0},
};

const char *const ChannelGroups[] = {"DAOnOff1", "DAOnOff2", "SWOnOff1", "SWOnOff2", "SWOnOff3",
                                     "SWOnOff4"};

const char *const RearPanels[] = {"EmptySlot", "BackPanelSW", "BackPanelDA", "BackPanelMAT1",
                                  "BackPanelConfigMAT", "AudioPwrBack", "ControlBack1", "",
                                  "BackPanelScalar1", "BackPanelScalar2", "BackPanelScalar3",
                                  "BackPanelScalar4"};

// Channel controls of a group that are visible (the "All" box not counted).
int visibleChannels(const QWidget *group)
{
    int count = 0;
    for (const QAbstractButton *button : group->findChildren<QAbstractButton *>())
        if (button->isVisibleTo(group) && !button->objectName().endsWith(QLatin1String("All")))
            ++count;
    return count;
}

} // namespace

class TestDispatch : public QObject
{
    Q_OBJECT

private slots:
    void everyModelShowsItsPage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<int>("channels");
        QSet<QString> covered;
        for (const Expected &row : Table) {
            for (const QString &code : QString::fromLatin1(row.models).split(QLatin1Char(' '))) {
                covered.insert(code);
                QTest::newRow(qPrintable(code))
                    << code << QString::fromLatin1(row.page) << row.width
                    << QString::fromLatin1(row.groups).split(QLatin1Char(' '), Qt::SkipEmptyParts)
                    << row.channels;
            }
        }
        QCOMPARE(covered.size(), CardCatalog::Lines().size());
    }

    void everyModelShowsItsPage()
    {
        QFETCH(QString, code);
        QFETCH(QString, page);
        QFETCH(int, width);
        QFETCH(QStringList, groups);
        QFETCH(int, channels);

        // Start from a page with every group of the other pages shown.
        m_surface.chooseModel(QStringLiteral("QL324-101"));
        m_surface.chooseModel(QStringLiteral("QL335-107"));
        m_surface.chooseModel(code);

        const int index = CardCatalog::IndexOfCode(code);
        QCOMPARE(m_surface.cmboItems->currentIndex(), index);
        QCOMPARE(m_surface.pages->CardControl()->currentIndex(), index);
        // The slot cover empties the slot.
        QCOMPARE(m_surface.design.doc->CardText(20), index ? CardCatalog::Lines()[index] : QString());
        QCOMPARE(m_surface.shownPage(), page);

        QWidget *pageWidget = m_surface.pages->ControlView()->currentWidget();
        const int pageIndex = m_surface.pages->ControlView()->currentIndex();
        auto *rearPanel = pageWidget->findChild<QWidget *>(RearPanels[pageIndex]);
        QVERIFY(rearPanel);
        QCOMPARE(rearPanel->geometry(), QRect(630 - 31 * width, 12, 31 * width, 260));

        for (const char *name : ChannelGroups) {
            auto *group = m_surface.find<QWidget>(QString::fromLatin1(name));
            const bool shown = groups.contains(QString::fromLatin1(name));
            QCOMPARE(group->isVisibleTo(m_surface.pages->ControlView()), shown);
            if (shown)
                QCOMPARE(visibleChannels(group), channels);
        }
        for (const QString &name : groups) {
            if (name == QLatin1String("DAOnOff2") || name == QLatin1String("SWOnOff2") ||
                name == QLatin1String("SWOnOff3") || name == QLatin1String("SWOnOff4"))
                QCOMPARE(m_surface.find<QWidget>(name)->x(), 9);
        }

        if (page == QLatin1String("NoControl")) {
            const bool coverPlate = code == QLatin1String("QL508-101") ||
                                    code == QLatin1String("QL357-102");
            auto *text = m_surface.find<QLabel>(QStringLiteral("lblNoControl"));
            QCOMPARE(text->text(), coverPlate ? NoControlPage::CoverPlateText
                                              : NoControlPage::NoControlsText);
            QCOMPARE(m_surface.find(QStringLiteral("Image39"))->isVisibleTo(pageWidget),
                     coverPlate);
            QCOMPARE(m_surface.find(QStringLiteral("NoControlDiagram"))->isVisibleTo(pageWidget),
                     !coverPlate);
        }
    }

    void modelTabsFollowTheCatalog()
    {
        const ModelTabBar *tabs = m_surface.pages->CardControl();
        QCOMPARE(tabs->objectName(), QStringLiteral("CardControl"));
        QCOMPARE(tabs->count(), 98);
        QCOMPARE(tabs->TabName(0), QStringLiteral("QL508_101"));
        QCOMPARE(tabs->tabText(0), QStringLiteral("508-101"));
        QCOMPARE(tabs->TabTag(0), 508101);
        QCOMPARE(tabs->TabName(45), QStringLiteral("QL346_112"));
        QCOMPARE(tabs->tabText(45), QStringLiteral("346-112"));
        QCOMPARE(tabs->TabTag(45), 346112);
        QCOMPARE(tabs->geometry(), QRect(6, 16, 651, 25));
        for (int i = 0; i < tabs->count(); ++i)
            QCOMPARE(QStringLiteral("QL") + tabs->tabText(i),
                     CardCatalog::ModelCode(m_surface.cmboItems->itemText(i)));
    }

    void controlViewPagesInOrder()
    {
        const QStringList expected = {"NoControl",    "SWCard", "DACard",  "MatSWCard1",
                                      "MatSWCard2",   "AudioPwrCard", "ControlCard1", "Empty",
                                      "Scalar1",      "Scalar2", "Scalar3", "Scalar4"};
        const QTabWidget *view = m_surface.pages->ControlView();
        QCOMPARE(view->geometry(), QRect(6, 16, 651, 321));
        QStringList names;
        for (int i = 0; i < view->count(); ++i)
            names << view->widget(i)->objectName();
        QCOMPARE(names, expected);
        QCOMPARE(m_surface.cmboItems->itemText(0),
                 QStringLiteral("QL508-101 -  QUILLON CARD SLOT COVER (1 PC.)"));
        QCOMPARE(m_surface.cmboItems->count(), 98);
    }

    void diagramBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("left");
        QTest::newRow("DACard") << "BlockDiagramDA" << 80;
        QTest::newRow("SWCard") << "BlockDiagramSW" << 136;
        for (const char *name : {"BlockDiagramMAT1", "BlockDiagramConfigMAT", "AudioPwrBlock",
                                 "ControlBlock1", "BlockDiagramScalar1", "BlockDiagramScalar2",
                                 "BlockDiagramScalar3", "BlockDiagramScalar4"})
            QTest::newRow(name) << QString::fromLatin1(name) << 50;
    }

    void diagramBoxes()
    {
        QFETCH(QString, name);
        QFETCH(int, left);
        QCOMPARE(m_surface.find(name)->geometry(), QRect(left, 1, 450, 288));
    }

    // Each page's block-diagram toggle: place, diagram at start, and what a
    // check and a clear show and hide.
    void diagramToggles_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("toggle");
        QTest::addColumn<QString>("diagram");
        QTest::addColumn<int>("top");
        QTest::addColumn<bool>("atStart");
        QTest::addColumn<QStringList>("covered");
        QTest::newRow("DACard") << "QL324-100" << "DABlockDiagram" << "BlockDiagramDA" << 270
                                << true << QStringList{"DAShowPannel"};
        QTest::newRow("MatSWCard1") << "QL346-112" << "MatrixBlockDiagram" << "BlockDiagramMAT1"
                                    << 270 << false << QStringList{};
        QTest::newRow("MatSWCard2") << "QL346-106" << "MatrixBlcokDiagConfig"
                                    << "BlockDiagramConfigMAT" << 270 << false << QStringList{};
        QTest::newRow("AudioPwrCard") << "QL382-102" << "AudioPowerDiagram" << "AudioPwrBlock"
                                      << 270 << false << QStringList{};
        QTest::newRow("ControlCard1") << "QL415-104" << "ControlDiagram1" << "ControlBlock1" << 270
                                      << false
                                      << QStringList{"GroupBox89", "GroupBox88", "GroupBox90"};
        QTest::newRow("Scalar1") << "QL357-100" << "Scalar1BlockConfig" << "BlockDiagramScalar1"
                                 << 272 << false << QStringList{};
        QTest::newRow("Scalar2") << "QL357-101" << "Scalar2BlockConfig" << "BlockDiagramScalar2"
                                 << 270 << false << QStringList{};
        QTest::newRow("Scalar4") << "QL357-103" << "Scalar4BlockConfig" << "BlockDiagramScalar4"
                                 << 270 << false << QStringList{};
    }

    void diagramToggles()
    {
        QFETCH(QString, code);
        QFETCH(QString, toggle);
        QFETCH(QString, diagram);
        QFETCH(int, top);
        QFETCH(bool, atStart);
        QFETCH(QStringList, covered);
        Surface surface;
        surface.chooseModel(code);
        auto *box = surface.find<QCheckBox>(toggle);
        const QWidget *page = surface.pages->ControlView()->currentWidget();
        QCOMPARE(box->parentWidget(), page);
        QCOMPARE(box->geometry(), QRect(602, top, 23, 17));
        QVERIFY(!box->isChecked());
        QCOMPARE(surface.find(diagram)->isVisibleTo(page), atStart);

        for (const bool checked : {true, false}) {
            QTest::mouseClick(box, Qt::LeftButton);
            QCOMPARE(box->isChecked(), checked);
            QCOMPARE(surface.find(diagram)->isVisibleTo(page), checked);
            for (const QString &name : covered)
                QCOMPARE(surface.find(name)->isVisibleTo(page), !checked);
        }
    }

    // The output panel follows the model, and stays hidden while the diagram shows.
    void outputPanelUnderTheDiagram()
    {
        Surface surface;
        surface.chooseModel(QStringLiteral("QL324-100"));
        auto *box = surface.find<QCheckBox>(QStringLiteral("DABlockDiagram"));
        const QWidget *panel = surface.find(QStringLiteral("DAShowPannel"));
        QTest::mouseClick(box, Qt::LeftButton);
        surface.chooseModel(QStringLiteral("QL324-101"));
        QVERIFY(!panel->isVisible());
        surface.chooseModel(QStringLiteral("QL324-105"));
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(!panel->isVisible());  // a model without outputs
        surface.chooseModel(QStringLiteral("QL324-101"));
        QVERIFY(panel->isVisible());
    }

private:
    Surface m_surface;
};

QL_REGISTER_TEST(TestDispatch)

#include "test_dispatch.moc"
