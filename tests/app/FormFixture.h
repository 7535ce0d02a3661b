#pragma once

#include "app/QLForm.h"
#include "app/SettingsKey.h"
#include "support/FakeDesktop.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <memory>

// A shown main window answering through a scripted desktop, in the test's
// isolated settings folder.
struct FormFixture
{
    FakeDesktop desktop;
    std::unique_ptr<TQLForm> form;

    // Creates and shows the window; its first showing reads the stored settings.
    void Start()
    {
        form = std::make_unique<TQLForm>(desktop);
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    QAction *Entry(const char *name) const
    {
        auto *entry = form->findChild<QAction *>(QLatin1String(name));
        if (!entry)
            qFatal("no entry %s", name);
        return entry;
    }

    template <typename W>
    W *Control(const char *name) const
    {
        auto *widget = form->findChild<W *>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    // Opens a menu of the menu bar with the mouse and clicks one of its entries.
    void ClickMenu(const char *menuName, const char *entryName) const
    {
        auto *menu = Control<QMenu>(menuName);
        QMenuBar *bar = form->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(Entry(entryName)).center());
    }

    static void ClearSettings() { OpenSettingsKey()->clear(); }
};
