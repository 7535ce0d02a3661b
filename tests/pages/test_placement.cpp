#include "PageFixture.h"

#include "document/CardCatalog.h"
#include "support/TestMain.h"

#include <QSignalBlocker>

namespace {

QString line(const char *code)
{
    return CardCatalog::Lines()[CardCatalog::IndexOfCode(QString::fromLatin1(code))];
}

QStringList slotTexts(const TQlsDoc &doc)
{
    QStringList texts;
    for (int slot = 1; slot <= TQlsDoc::SlotCount; ++slot)
        texts << doc.CardText(slot);
    return texts;
}

// Moves the tab strip to `index` with the arrow key, as a user does.
void keyToTab(ModelTabBar *tabs, int index)
{
    {
        const QSignalBlocker blocker(tabs);
        tabs->setCurrentIndex(index - 1);
    }
    QTest::keyClick(tabs, Qt::Key_Right);
}

// Counts the paint events of the widget it watches.
class PaintCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace

class TestPlacement : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_surface = std::make_unique<Surface>(); }
    void cleanup() { m_surface.reset(); }

    void startsOnSlot20WithTheCoverPlate()
    {
        QVERIFY(m_surface->slotButton(20)->isChecked());
        QCOMPARE(m_surface->cmboItems->currentIndex(), 0);
        QCOMPARE(m_surface->shownPage(), QStringLiteral("NoControl"));
    }

    void slotClickSelectsTheSlotsModel()
    {
        m_surface->design.doc->PlaceCard(3, line("QL324-100"));
        m_surface->design.doc->PlaceCard(9, line("QL335-104"));
        m_surface->Refresh();

        m_surface->clickSlot(3);
        QCOMPARE(m_surface->design.currentSlot, 3);
        QVERIFY(m_surface->slotButton(3)->isChecked());
        QVERIFY(!m_surface->slotButton(20)->isChecked());
        QCOMPARE(m_surface->cmboItems->currentText(), line("QL324-100"));
        QCOMPARE(m_surface->shownPage(), QStringLiteral("DACard"));

        m_surface->clickSlot(9);
        QCOMPARE(m_surface->cmboItems->currentText(), line("QL335-104"));
        QCOMPARE(m_surface->shownPage(), QStringLiteral("SWCard"));

        m_surface->clickSlot(4);
        QCOMPARE(m_surface->cmboItems->currentIndex(), 0);
        QCOMPARE(m_surface->shownPage(), QStringLiteral("NoControl"));
        QVERIFY(m_surface->desktop.errors.isEmpty());
    }

    void slotTextFromAFileSelectsItsModel()
    {
        // A file stores the code and one blank; the list still finds the model.
        m_surface->design.doc->PlaceCard(7, QStringLiteral("QL324-102 "));
        m_surface->Refresh();
        m_surface->clickSlot(7);
        QCOMPARE(m_surface->cmboItems->currentText(), line("QL324-102"));
        QCOMPARE(m_surface->design.doc->CardText(7), line("QL324-102"));
    }

    void modelThatDoesNotFitIsRefused()
    {
        m_surface->design.doc->PlaceCard(2, line("QL324-100"));
        m_surface->Refresh();
        m_surface->clickSlot(2);
        const int refreshes = m_surface->design.refreshCount;

        m_surface->chooseModel(QStringLiteral("QL346-100"));

        QCOMPARE(m_surface->desktop.errors, QStringList{QStringLiteral("Cannot place card here")});
        QVERIFY(m_surface->design.doc->CardText(2).isEmpty());
        QVERIFY(m_surface->design.doc->CardText(1).isEmpty());
        QVERIFY(m_surface->design.refreshCount > refreshes);
        QCOMPARE(m_surface->cmboItems->currentIndex(), 0);
        QCOMPARE(m_surface->pages->CardControl()->currentIndex(), 0);
        QCOMPARE(m_surface->shownPage(), QStringLiteral("NoControl"));
    }

    void wideCardReservesTheSlotsBelow()
    {
        m_surface->clickSlot(6);
        m_surface->chooseModel(QStringLiteral("QL324-103"));
        QCOMPARE(m_surface->design.doc->CardText(5), TQlsDoc::Reserved);
        QCOMPARE(m_surface->design.doc->CardText(6), line("QL324-103"));
        QVERIFY(!m_surface->slotButton(5)->isEnabled());
        QVERIFY(m_surface->slotButton(4)->isEnabled());

        m_surface->chooseModel(0);
        QVERIFY(m_surface->design.doc->CardText(5).isEmpty());
        QVERIFY(m_surface->design.doc->CardText(6).isEmpty());
        QVERIFY(m_surface->slotButton(5)->isEnabled());
        QCOMPARE(m_surface->shownPage(), QStringLiteral("NoControl"));
    }

    void tabClickPutsTheModelIntoTheSlot()
    {
        m_surface->clickSlot(5);
        keyToTab(m_surface->pages->CardControl(), CardCatalog::IndexOfCode(QStringLiteral("QL335-107")));

        QCOMPARE(m_surface->design.doc->CardText(5), line("QL335-107"));
        QCOMPARE(m_surface->cmboItems->currentText(), line("QL335-107"));
        QCOMPARE(m_surface->shownPage(), QStringLiteral("SWCard"));
        QWidget *view = m_surface->pages->ControlView();
        QVERIFY(!m_surface->find(QStringLiteral("SWOnOff1"))->isVisibleTo(view));
        QCOMPARE(m_surface->find(QStringLiteral("SWOnOff2"))->x(), 9);
        QCOMPARE(m_surface->find(QStringLiteral("SWOnOff3"))->x(), 9);
    }

    void coveredSlotIgnoresTheChoice()
    {
        m_surface->clickSlot(6);
        m_surface->chooseModel(QStringLiteral("QL324-103"));
        const QStringList before = slotTexts(*m_surface->design.doc);
        m_surface->design.currentSlot = 5;

        m_surface->pages->ChooseModel(CardCatalog::IndexOfCode(QStringLiteral("QL335-100")));

        QCOMPARE(slotTexts(*m_surface->design.doc), before);
        QCOMPARE(m_surface->pages->CardControl()->currentIndex(),
                 CardCatalog::IndexOfCode(QStringLiteral("QL324-103")));
        QCOMPARE(m_surface->shownPage(), QStringLiteral("DACard"));
    }

    void lockedDesignIsDrivenButNotChanged()
    {
        TQlsDoc &doc = *m_surface->design.doc;
        doc.PlaceCard(3, line("QL324-100"));
        doc.PlaceCard(4, line("QL335-100"));
        doc.SetLocked(true);
        m_surface->Refresh();
        const QStringList before = slotTexts(doc);
        QVERIFY(!m_surface->cmboItems->isEnabled());

        m_surface->clickSlot(3);
        QCOMPARE(m_surface->shownPage(), QStringLiteral("DACard"));
        QVERIFY(m_surface->find(QStringLiteral("chkDAOutput6"))->isVisibleTo(m_surface->pages->ControlView()));
        m_surface->clickSlot(4);
        QCOMPARE(m_surface->shownPage(), QStringLiteral("SWCard"));

        // A tab click on a locked design changes nothing and the strip keeps the slot's model.
        keyToTab(m_surface->pages->CardControl(), CardCatalog::IndexOfCode(QStringLiteral("QL324-101")));
        QCOMPARE(m_surface->pages->CardControl()->currentIndex(),
                 CardCatalog::IndexOfCode(QStringLiteral("QL335-100")));
        QCOMPARE(m_surface->shownPage(), QStringLiteral("SWCard"));
        QCOMPARE(slotTexts(doc), before);
        QVERIFY(m_surface->desktop.errors.isEmpty());
    }

    void modelWithoutAPageReplacesThePreviousControls()
    {
        m_surface->chooseModel(QStringLiteral("QL324-101"));
        QCOMPARE(m_surface->shownPage(), QStringLiteral("DACard"));
        m_surface->chooseModel(QStringLiteral("QL346-130"));
        QCOMPARE(m_surface->design.doc->CardText(20), line("QL346-130"));
        QCOMPARE(m_surface->shownPage(), QStringLiteral("NoControl"));
        QCOMPARE(m_surface->find(QStringLiteral("EmptySlot"))->geometry(), QRect(568, 12, 62, 260));
    }

    // The cover-plate page stays in view from one model to the next; its
    // pictures must still be drawn again for the new model.
    void coverPlatePicturesFollowTheModel_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("another cover-plate model") << QStringLiteral("QL357-102");
        QTest::newRow("model without a page") << QStringLiteral("QL368-201");
    }

    void coverPlatePicturesFollowTheModel()
    {
        QFETCH(QString, code);
        QCOMPARE(m_surface->shownPage(), QStringLiteral("NoControl"));
        QWidget *picture = m_surface->find(QStringLiteral("EmptySlot"));
        QVERIFY(picture->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(picture->window()));
        QCoreApplication::processEvents();
        PaintCounter paints;
        picture->installEventFilter(&paints);

        m_surface->chooseModel(code);

        QCOMPARE(m_surface->shownPage(), QStringLiteral("NoControl"));
        QCOMPARE(picture->geometry(), QRect(599, 12, 31, 260));
        QTRY_VERIFY(paints.count > 0);
    }

    // Only the model choice picks the page: the page-switching keys of the
    // page set would bring up another card's controls.
    void pageKeysDoNotSwitchPages_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier);
        QTest::newRow("Ctrl+PageDown") << int(Qt::Key_PageDown) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+PageUp") << int(Qt::Key_PageUp) << int(Qt::ControlModifier);
    }

    void pageKeysDoNotSwitchPages()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        m_surface->chooseModel(QStringLiteral("QL324-101"));
        auto *output = m_surface->find(QStringLiteral("chkDAOutput1"));
        output->setFocus();
        QTRY_VERIFY(output->hasFocus());
        QTest::keyClick(output, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(m_surface->shownPage(), QStringLiteral("DACard"));
        QTabWidget *view = m_surface->pages->ControlView();
        QTest::keyClick(view, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(m_surface->shownPage(), QStringLiteral("DACard"));
        // The page names under the model tabs cannot be reached with the keyboard.
        QCOMPARE(view->tabBar()->focusPolicy(), Qt::NoFocus);
    }

    void pageIsEnteredAfresh()
    {
        QStringList entered;
        QTabWidget *view = m_surface->pages->ControlView();
        m_surface->chooseModel(QStringLiteral("QL324-101"));
        connect(view, &QTabWidget::currentChanged, view,
                [&](int index) { entered << view->widget(index)->objectName(); });
        m_surface->chooseModel(QStringLiteral("QL324-102"));
        m_surface->chooseModel(0);
        QCOMPARE(entered, (QStringList{"Empty", "DACard", "NoControl"}));
    }

private:
    std::unique_ptr<Surface> m_surface;
};

QL_REGISTER_TEST(TestPlacement)

#include "test_placement.moc"
