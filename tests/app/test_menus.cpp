#include "support/WindowFixture.h"

#include "support/TestMain.h"

#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>

namespace {

// "caption[key]" per entry, "-" per separator; hidden ones in parentheses.
QString Outline(const QMenu *menu)
{
    QStringList parts;
    for (const QAction *entry : menu->actions()) {
        QString part = entry->isSeparator() ? QStringLiteral("-") : entry->text();
        if (!entry->shortcut().isEmpty())
            part += "[" + entry->shortcut().toString() + "]";
        parts << (entry->isVisible() ? part : "(" + part + ")");
    }
    return parts.join(u'|');
}

} // namespace

class TestMenus : public QObject
{
    Q_OBJECT

    WindowFixture f;

private slots:
    void init()
    {
        WindowFixture::ClearSettings();
        f.Start();
    }
    void cleanup() { f.Stop(); }

    void menuOutlines_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("outline");
        QTest::newRow("File") << "mnuFile"
                              << "&New|&Open...[Ctrl+O]|(Open )|&Save[Ctrl+S]|Save &As...|"
                                 "Page Setup...|Print Preview...|&Print[Ctrl+P]|"
                                 "Export Report as PDF...|Export Parts List...|-|E&xit";
        QTest::newRow("Tools") << "mnuTools"
                               << "&Send Program[F9]|Clear Terminal|Lock Design|Customer Info|-|Font...|Ports...";
        QTest::newRow("Control") << "mnuControl"
                                 << "Card Status[F5]|Card Version[F6]|Card Help[F7]|Card Clear|-|"
                                    "Panel Help";
        QTest::newRow("Help") << "mnuHelp" << "Download User Manual|Download Web Page|About[F1]";
        QTest::newRow("terminal and editor")
            << "PopupMenu"
            << "Font...|Import program...|Export program...|&Send Program[F9]|-|Status[F5]|"
               "Version[F6]|Help[F7]|Clear|-|Reset Quillon[F8]|-|&Undo\tCtrl+Z|Cu&t\tCtrl+X|"
               "&Copy\tCtrl+C|&Paste\tCtrl+V|Select &All\tCtrl+A";
        QTest::newRow("card pages")
            << "PopUpStatus"
            << "Status[F5]|Version[F6]|Help[F7]|Clear|-|Group Status|Reset[F8]|(-)|"
               "(Program Card Name[F2])|-|Download User Manual|Download Web Page[F12]";
        QTest::newRow("front panel keys")
            << "KeyMenu"
            << "Read Key|Clear Key|Read All Keys|-|(Read Subroutine)|(Clear Subroutine)|"
               "Read All Subroutines|-|Clear Programming|Reset[F8]|-|Test Panel|Version[F6]|Help";
    }
    void menuOutlines()
    {
        QFETCH(QString, menu);
        QTEST(Outline(f.Control<QMenu>(qPrintable(menu))), "outline");
    }

    void entriesOfOneHandler_data()
    {
        QTest::addColumn<QString>("handler");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("status") << "StatusClick"
                                << QStringList{"mnuCardStatus", "mnuPageStatus", "mnuPopupStatus"};
        QTest::newRow("reset") << "Reset1Click"
                               << QStringList{"mnuKeyReset", "mnuPageReset", "mnuPopupReset"};
        QTest::newRow("card version") << "Version1Click"
                                      << QStringList{"mnuCardVersion", "mnuPageVersion",
                                                     "mnuPopupVersion"};
        QTest::newRow("send program") << "CommandSendProgram"
                                      << QStringList{"mnuPopupSendProgram", "mnuSendProgram"};
        QTest::newRow("action") << "actFontExecute" << QStringList{"actFont"};
        QTest::newRow("no handler") << "" << QStringList();
    }
    void entriesOfOneHandler()
    {
        QFETCH(QString, handler);
        QFETCH(QStringList, entries);
        QStringList names;
        for (const QAction *entry : f.form->Menus().EntriesRunning(handler))
            names << entry->objectName();
        names.sort();
        QCOMPARE(names, entries);
    }

    // The terminal and the program editor report a right click in the
    // coordinates of their text area: the pop-up opens at the clicked point.
    void popupOpensAtTheClickedPoint()
    {
        // The terminal's pop-up, without the editing entries it hides, fits
        // below the point on the test screen.
        auto *terminal = f.Control<QPlainTextEdit>("txtTerminal");
        QMenu *popup = f.form->Menus().Popup("PopupMenu");
        const QPoint clicked(12, 9);
        QContextMenuEvent event(QContextMenuEvent::Mouse, clicked,
                                terminal->viewport()->mapToGlobal(clicked));
        QApplication::sendEvent(terminal->viewport(), &event);
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        QCOMPARE(popup->pos(), terminal->viewport()->mapToGlobal(clicked));
        popup->close();
    }

    // The editing entries act on the box the pop-up opens over: all of them
    // in the program editor, copying and pasting (which types) in the
    // terminal, copying only in a locked editor.
    void editingEntries()
    {
        const MainMenus &menus = f.form->Menus();
        QMenu *popup = menus.Popup("PopupMenu");
        const auto openOver = [&](QPlainTextEdit *box) {
            const QPoint at(10, 10);
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, box->viewport()->mapToGlobal(at));
            QApplication::sendEvent(box->viewport(), &event);
            QVERIFY(QTest::qWaitForWindowExposed(popup));
        };
        const auto shown = [&] {
            QStringList names;
            for (const char *name : {"mnuPopupUndo", "mnuPopupCut", "mnuPopupCopy",
                                     "mnuPopupPaste", "mnuPopupSelectAll"})
                if (menus.Entry(name)->isVisible())
                    names << QString(name).mid(8);
            return names;
        };
        const auto choose = [&](const char *name) {
            QTest::mouseClick(popup, Qt::LeftButton, {},
                              popup->actionGeometry(menus.Entry(name)).center());
            QTRY_VERIFY(!popup->isVisible());
        };

        auto *editor = f.Control<QPlainTextEdit>("mmoProgram");
        QTest::keyClicks(editor, "K1");
        openOver(editor);
        QCOMPARE(shown(), (QStringList{"Undo", "Cut", "Copy", "Paste", "SelectAll"}));
        choose("mnuPopupSelectAll");
        openOver(editor);
        choose("mnuPopupCut");
        QCOMPARE(editor->toPlainText(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QString("K1"));
        openOver(editor);
        choose("mnuPopupUndo");
        QCOMPARE(editor->toPlainText(), QString("K1"));

        auto *terminal = f.Control<QPlainTextEdit>("txtTerminal");
        f.form->SendCommand("[RES]", QString(), QString());
        openOver(terminal);
        QCOMPARE(shown(), (QStringList{"Copy", "Paste", "SelectAll"}));
        choose("mnuPopupSelectAll");
        openOver(terminal);
        choose("mnuPopupCopy");
        QCOMPARE(QApplication::clipboard()->text(), QString("[RES]"));

        f.ClickMenu("mnuTools", "actLock");
        openOver(editor);
        QCOMPARE(shown(), (QStringList{"Copy", "SelectAll"}));
        popup->close();
    }

    // A pop-up's own keys work anywhere in the window; keys of the main menu
    // stay with the main menu.
    void attachedPopupKeys()
    {
        const MainMenus &menus = f.form->Menus();
        auto *target = new QLineEdit(f.form->centralWidget());
        target->show();
        menus.Attach(target, menus.Popup("PopupMenu"));
        target->setFocus();
        QVERIFY(QTest::qWaitFor([target] { return target->hasFocus(); }));

        QSignalSpy reset(menus.Entry("mnuPopupReset"), &QAction::triggered);
        QSignalSpy popupStatus(menus.Entry("mnuPopupStatus"), &QAction::triggered);
        QSignalSpy mainStatus(menus.Entry("mnuCardStatus"), &QAction::triggered);
        QTest::keyClick(target, Qt::Key_F8);
        QTest::keyClick(target, Qt::Key_F5);
        QCOMPARE(reset.count(), 1);
        QCOMPARE(popupStatus.count(), 0);
        QCOMPARE(mainStatus.count(), 1);

        auto *elsewhere = f.Control<QComboBox>("cmboItems");
        elsewhere->setFocus();
        QVERIFY(QTest::qWaitFor([elsewhere] { return elsewhere->hasFocus(); }));
        QTest::keyClick(elsewhere, Qt::Key_F8);
        QCOMPARE(reset.count(), 2);
    }
};

QL_REGISTER_TEST(TestMenus)
#include "test_menus.moc"
