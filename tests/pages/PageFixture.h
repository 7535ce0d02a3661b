#pragma once

#include "app/QLOptions.h"
#include "command/CommandTarget.h"
#include "command/GenericHandlers.h"
#include "command/UnitReplies.h"
#include "document/CardCatalog.h"
#include "document/DesignContext.h"
#include "document/EnclosureView.h"
#include "document/QlsDoc.h"
#include "pages/CardPageSelection.h"
#include "pages/ModelTabBar.h"
#include "support/FakeDesktop.h"
#include "support/NamedControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

// The main window's part in the design surface: the open design, the
// selected slot and a refresh that copies the design into the controls.
class TestDesign : public DesignContext
{
public:
    std::unique_ptr<TQlsDoc> doc = std::make_unique<TQlsDoc>();
    int currentSlot = 20;
    bool refreshing = false;
    bool allowEmpty = false;
    int selectedGroup = 0;
    int refreshCount = 0;
    std::function<void()> refresh;

    TQlsDoc *Doc() const override { return doc.get(); }
    int CurrentSlot() const override { return currentSlot; }
    void SetCurrentSlot(int slot) override { currentSlot = slot; }
    bool Refreshing() const override { return refreshing; }
    void RefreshFromDocument() override
    {
        ++refreshCount;
        refresh();
    }
    bool AllowEmpty() const override { return allowEmpty; }
    int SelectedGroup() const override { return selectedGroup; }
};

struct SentCommand {
    QString commandTemplate;
    QString text;
    QString value;
    bool operator==(const SentCommand &) const = default;
};

// Records every command a page hands over for sending.
class RecordingTarget : public CommandTarget
{
public:
    QList<SentCommand> sent;

    void SendCommand(const QString &commandTemplate, const QString &text,
                     const QString &value) override
    {
        sent.append({commandTemplate, text, value});
    }
};

// Replies of the unit as a test scripts them.
class TestReplies : public UnitReplies
{
public:
    QString lastReply;
    QString repliedSinceCleared;
    QString receivedText;

    const QString &LastReply() const override { return lastReply; }
    void ClearLastReply() override
    {
        lastReply.clear();
        repliedSinceCleared.clear();
    }
    const QString &RepliedSinceCleared() const override { return repliedSinceCleared; }
    const QString &ReceivedText() const override { return receivedText; }
    void ClearReceivedText() override { receivedText.clear(); }
};

// The window regions the enclosure view and the page selection live in,
// built and wired as the main window does.
class Surface
{
public:
    QWidget window;
    QGroupBox *grpCards = new QGroupBox(QStringLiteral("Slots"), &window);
    QComboBox *cmboItems = new QComboBox(&window);
    QGroupBox *grpControls = new QGroupBox(QStringLiteral("Card Control"), &window);
    QComboBox *cmboEnclosure = new QComboBox(&window);
    QCheckBox *viewLayout = new QCheckBox(&window);
    QPushButton *btnAddGrp = new QPushButton(QStringLiteral("Add"), &window);
    QPushButton *btnRemoveGrp = new QPushButton(QStringLiteral("Remove"), &window);
    FakeDesktop desktop;
    TestDesign design;
    RecordingTarget target;
    GenericHandlers handlers{target, desktop};
    TestReplies replies;
    TOptions options;
    CardPageSelection *pages;
    EnclosureView *view;

    Surface()
    {
        window.resize(800, 600);
        grpCards->setGeometry(0, 0, 610, 72);
        cmboItems->setGeometry(0, 76, 660, 22);
        grpControls->setGeometry(0, 100, 665, 345);
        cmboEnclosure->setGeometry(0, 450, 160, 22);
        viewLayout->setGeometry(170, 450, 120, 22);
        cmboItems->setObjectName(QStringLiteral("cmboItems"));
        cmboEnclosure->setObjectName(QStringLiteral("cmboEnclosure"));
        viewLayout->setObjectName(QStringLiteral("CheckBox28"));
        pages = new CardPageSelection(cmboItems, grpControls, design,
                                      {handlers, target, desktop, replies, options});
        view = new EnclosureView(design, desktop,
                                 {grpCards, cmboEnclosure, viewLayout, grpControls,
                                  pages->ControlView()});
        view->SetGroupButtons(btnAddGrp, btnRemoveGrp);
        pages->Connect(*view);
        design.refresh = [this] { Refresh(); };
        Refresh();
        window.show();
    }

    // RefreshFromDocument of the main window, the steps that concern the surface.
    void Refresh()
    {
        design.refreshing = true;
        cmboItems->setEnabled(!design.doc->Locked());
        cmboEnclosure->setCurrentIndex(design.doc->EnclosureKind());
        view->UpdateSlotButtons();
        design.refreshing = false;
        view->btnCardClick(nullptr);
        view->Repaint();
    }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        return NamedChild<T>(&window, name);
    }

    QPushButton *slotButton(int slot) const
    {
        return find<QPushButton>(QStringLiteral("btnCard%1").arg(slot));
    }

    void clickSlot(int slot) { QTest::mouseClick(slotButton(slot), Qt::LeftButton); }

    void chooseModel(int index) { ChooseModelWithKeys(cmboItems, index); }
    void chooseModel(const QString &code) { chooseModel(CardCatalog::IndexOfCode(code)); }

    QString shownPage() const { return pages->ControlView()->currentWidget()->objectName(); }
};
