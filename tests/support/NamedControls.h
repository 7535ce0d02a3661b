#pragma once

#include "document/CardCatalog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

// Reaching controls by objectName and working them as a user would.

template <typename W = QWidget>
W *NamedChild(const QObject *root, const QString &name)
{
    W *child = root->findChild<W *>(name);
    if (!child)
        qFatal("no control %s", qPrintable(name));
    return child;
}

// Opens the list of `box` and clicks item `index`.
inline void PickListItem(QComboBox *box, int index)
{
    box->showPopup();
    QAbstractItemView *list = box->view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(index, 0)).center());
    QTRY_VERIFY(!list->isVisible());
}

// Opens `menu` in the menu bar with the mouse and clicks `entry`.
inline void ClickMenuEntry(QMenuBar *bar, QMenu *menu, QAction *entry)
{
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
}

// Picks catalog entry `index` in the model list with the arrow keys.
inline void ChooseModelWithKeys(QComboBox *items, int index)
{
    items->setCurrentIndex(index == 0 ? 1 : index - 1);
    QTest::keyClick(items, index == 0 ? Qt::Key_Up : Qt::Key_Down);
}
