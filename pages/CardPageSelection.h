#pragma once

#include "pages/PageDispatch.h"
#include "pages/PageServices.h"

#include <QObject>

#include <array>

class CardPage;
class DesignContext;
class Desktop;
class EnclosureView;
class ModelTabBar;
class NoControlPage;
class QComboBox;
class QTabWidget;
class QWidget;

// The card control area: fills the model list `cmboItems`, builds the tab
// strip `CardControl` and the pages of `ControlView`, and on every model
// choice puts the model into the selected slot and shows its page.
class CardPageSelection : public QObject
{
    Q_OBJECT

public:
    // Builds the strip and the pages inside `grpControls`; the pages send
    // through `services`, which also shows the errors of the user's choices.
    CardPageSelection(QComboBox *cmboItems, QWidget *grpControls, DesignContext &context,
                      const PageServices &services);

    // Handler of the model list; throws QlError when the model does not fit.
    void cmboItemsChange();
    // Handler of the tab strip.
    void CardControlChange();
    // Selects list entry `index` and runs the list's handler.
    void ChooseModel(int index);
    // The same for a slot button; a model that does not fit is reported.
    void SelectSlotModel(int index);

    // Lets the slot buttons choose the slot's model and keeps the slot
    // buttons and pictures up to date after every choice.
    void Connect(EnclosureView &view);

    ModelTabBar *CardControl() const { return m_cardControl; }
    QTabWidget *ControlView() const { return m_controlView; }
    QWidget *PageWidget(PageDispatch::Page page) const;

signals:
    // The slot's content may have changed: update the slot buttons and
    // repaint the enclosure picture.
    void CardChosen();

private:
    void ShowPage();

    QComboBox *m_items;
    DesignContext &m_context;
    Desktop &m_desktop;
    ModelTabBar *m_cardControl;
    QTabWidget *m_controlView;
    NoControlPage *m_noControl;
    std::array<QWidget *, PageDispatch::PageCount> m_pages{};
};
