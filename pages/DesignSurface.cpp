#include "pages/DesignSurface.h"

#include "app/QLForm.h"
#include "document/EnclosureView.h"
#include "pages/CardPageSelection.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QSpinBox>
#include <QTabWidget>

DesignSurface::DesignSurface(TQLForm &form, const PageServices &services)
    : QObject(&form), m_form(form)
{
    FormRegions &regions = form.Regions();
    m_pages = new CardPageSelection(regions.cmboItems, regions.grpControls, *this, services);
    m_view = new EnclosureView(*this, form.Ui(),
                               {regions.grpCards, regions.cmboEnclosure, regions.CheckBox28,
                                regions.grpControls, m_pages->ControlView()});
    m_pages->Connect(*m_view);
    QCheckBox *viewFront = regions.CheckBox120;
    connect(m_view, &EnclosureView::LayoutViewShown, viewFront,
            [viewFront] { viewFront->setChecked(false); });
    connect(&form, &TQLForm::RefreshingControls, m_view, [this] { m_view->UpdateSlotButtons(); });
    connect(&form, &TQLForm::DocumentRefreshed, m_view, [this] {
        m_view->btnCardClick(nullptr);
        m_view->Repaint();
    });
    connect(&form, &TQLForm::CurrentSlotChanged, m_view, [this](int slot) { m_view->PutDown(slot); });
}

void DesignSurface::SetGroupControls(QSpinBox *selector, QAbstractButton *add,
                                     QAbstractButton *remove)
{
    m_groupSelector = selector;
    m_view->SetGroupButtons(add, remove);
}

TQlsDoc *DesignSurface::Doc() const
{
    return m_form.Doc();
}

int DesignSurface::CurrentSlot() const
{
    return m_form.CurrentSlot();
}

void DesignSurface::SetCurrentSlot(int slot)
{
    m_form.SetCurrentSlot(slot);
}

bool DesignSurface::Refreshing() const
{
    return m_form.Refreshing();
}

void DesignSurface::RefreshFromDocument()
{
    m_form.RefreshFromDocument();
}

bool DesignSurface::AllowEmpty() const
{
    return m_form.Options().AllowEmpty;
}

int DesignSurface::SelectedGroup() const
{
    return m_groupSelector ? m_groupSelector->value() : 0;
}
