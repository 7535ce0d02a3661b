#pragma once

#include "support/WindowFixture.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>

// The main window with a unit on COM1, driven as a user drives it.
struct ControllerFixture : WindowFixture
{
    void StartWithUnit()
    {
        ClearSettings();
        QVERIFY(ConnectUnit());
        Start();
        PickPort(1);
    }

    QProgressBar *Progress() const { return Control<QProgressBar>(QStringLiteral("Progress")); }

    void ShowFront(bool front) const
    {
        auto *viewFront = Control<QCheckBox>(QStringLiteral("CheckBox120"));
        if (viewFront->isChecked() != front)
            QTest::mouseClick(viewFront, Qt::LeftButton, {}, QPoint(6, viewFront->height() / 2));
    }

    // Chooses `entry` from main menu `where`, or from the pop-up that a right
    // click on control `where` opens; keys and the panel are in the front view.
    void Choose(const QString &where, const QString &entry) const
    {
        if (where.startsWith(QLatin1String("mnu"))) {
            ClickMenu(qPrintable(where), qPrintable(entry));
            return;
        }
        ShowFront(where.startsWith(QLatin1String("Key")) || where == QLatin1String("QLControl"));
        // The right button goes down, then the window system asks for the context menu.
        QWidget *control = Control(where);
        const auto *area = qobject_cast<QAbstractScrollArea *>(control);
        QWidget *target = area ? area->viewport() : control;
        const QPoint at(5, 5);
        QTest::mousePress(target, Qt::RightButton, {}, at);
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &request);
        QTest::mouseRelease(target, Qt::RightButton, {}, at);
        auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(popup);
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(Entry(entry)).center());
    }

    void TypeGroup(const QString &group) const
    {
        auto *field = Control<QLineEdit>(QStringLiteral("txtGroup"));
        field->selectAll();
        QTest::keyClicks(field, group);
    }
};
