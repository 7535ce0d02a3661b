#pragma once

#include "app/QLForm.h"
#include "app/SettingsKey.h"
#include "support/FakeDesktop.h"
#include "support/NamedControls.h"
#include "support/PtyPair.h"

#include <QAction>
#include <QPushButton>
#include <QTabWidget>

#include <memory>

// The main window shown in the test's isolated settings folder, answering
// through a scripted desktop; on request with a unit on a pty pair behind COM1.
struct WindowFixture
{
    std::unique_ptr<PtyPair> pty;
    std::unique_ptr<FarEnd> unit;
    FakeDesktop desktop;
    std::unique_ptr<TQLForm> form;

    static void ClearSettings() { OpenSettingsKey()->clear(); }
    static void SetSetting(const QString &key, const QVariant &value)
    {
        OpenSettingsKey()->setValue(key, value);
    }

    // Links two ptys with socat, opens the unit's end and stores the other as COM1.
    bool ConnectUnit()
    {
        pty = std::make_unique<PtyPair>();
        unit = std::make_unique<FarEnd>();
        if (!pty->Start() || !unit->Open(pty->FarPath()))
            return false;
        SetSetting(QStringLiteral("ComDevice1"), pty->NearPath());
        return true;
    }

    // Creates and shows the window; its first showing reads the stored settings.
    void Start()
    {
        form = std::make_unique<TQLForm>(desktop);
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    // Closes the window, ends the line and starts a fresh desktop script.
    void Stop()
    {
        form.reset();
        unit.reset();
        pty.reset();
        desktop = FakeDesktop();
    }

    template <typename W = QWidget>
    W *Control(const QString &name) const
    {
        return NamedChild<W>(form.get(), name);
    }
    QAction *Entry(const QString &name) const { return Control<QAction>(name); }

    void ClickMenu(const char *menuName, const char *entryName) const
    {
        ClickMenuEntry(form->menuBar(), Control<QMenu>(menuName), Entry(entryName));
    }
    void PickPort(int index) const { PickListItem(Control<QComboBox>(QStringLiteral("ComboPort")), index); }
    void ClickSlot(int slot) const
    {
        QTest::mouseClick(Control<QPushButton>(QStringLiteral("btnCard%1").arg(slot)), Qt::LeftButton);
    }
    void ChooseModel(const char *code) const
    {
        ChooseModelWithKeys(Control<QComboBox>(QStringLiteral("cmboItems")),
                            CardCatalog::IndexOfCode(QString::fromLatin1(code)));
    }
    QString ShownPage() const
    {
        return Control<QTabWidget>(QStringLiteral("ControlView"))->currentWidget()->objectName();
    }
};
