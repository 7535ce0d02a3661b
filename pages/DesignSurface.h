#pragma once

#include "document/DesignContext.h"
#include "pages/PageServices.h"

#include <QObject>

class CardPageSelection;
class EnclosureView;
class QAbstractButton;
class QSpinBox;
class TQLForm;

// Puts the design surface into the main window: the slot buttons, group
// strip, enclosure list and picture (EnclosureView) and the card control
// area with its pages (CardPageSelection), and follows the window's
// refreshes.
class DesignSurface : public QObject, public DesignContext
{
    Q_OBJECT

public:
    DesignSurface(TQLForm &form, const PageServices &services);

    EnclosureView &View() const { return *m_view; }
    CardPageSelection &Pages() const { return *m_pages; }

    // The group selector and the group add and remove buttons of "Groups".
    void SetGroupControls(QSpinBox *selector, QAbstractButton *add, QAbstractButton *remove);

    TQlsDoc *Doc() const override;
    int CurrentSlot() const override;
    void SetCurrentSlot(int slot) override;
    bool Refreshing() const override;
    void RefreshFromDocument() override;
    bool AllowEmpty() const override;
    int SelectedGroup() const override;

private:
    TQLForm &m_form;
    CardPageSelection *m_pages;
    EnclosureView *m_view;
    QSpinBox *m_groupSelector = nullptr;
};
