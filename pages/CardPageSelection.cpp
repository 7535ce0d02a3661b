#include "pages/CardPageSelection.h"

#include "app/QlError.h"
#include "command/ErrorReport.h"
#include "controller/ControlCardPage.h"
#include "document/CardCatalog.h"
#include "document/DesignContext.h"
#include "document/EnclosureView.h"
#include "document/QlsDoc.h"
#include "pages/CardPage.h"
#include "pages/DACard.h"
#include "pages/ModelTabBar.h"
#include "pages/NoControlPage.h"
#include "pages/SWCard.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

namespace {

using PageDispatch::Page;

// Pages whose controls are built elsewhere; here they get their pictures.
const CardPage::Names PicturePages[] = {
    {Page::MatSWCard1, "BackPanelMAT1", "BlockDiagramMAT1", 50, "MatrixBlockDiagram"},
    {Page::MatSWCard2, "BackPanelConfigMAT", "BlockDiagramConfigMAT", 50, "MatrixBlcokDiagConfig"},
    {Page::AudioPwrCard, "AudioPwrBack", "AudioPwrBlock", 50, "AudioPowerDiagram"},
    {Page::Scalar1, "BackPanelScalar1", "BlockDiagramScalar1", 50, "Scalar1BlockConfig", false, 272},
    {Page::Scalar2, "BackPanelScalar2", "BlockDiagramScalar2", 50, "Scalar2BlockConfig"},
    {Page::Scalar3, "BackPanelScalar3", "BlockDiagramScalar3", 50},
    {Page::Scalar4, "BackPanelScalar4", "BlockDiagramScalar4", 50, "Scalar4BlockConfig"},
};

// The page set `ControlView`. Only the model choice switches its pages: its
// own tab row lies hidden under the model tabs and takes no focus, and the
// page-switching keys are left to the window.
class ControlPages : public QTabWidget
{
public:
    explicit ControlPages(QWidget *parent) : QTabWidget(parent)
    {
        setObjectName(QStringLiteral("ControlView"));
        tabBar()->setFocusPolicy(Qt::NoFocus);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override { event->ignore(); }
};

constexpr QRect ControlViewRect{6, 16, 651, 321};
constexpr QRect TabRowRect{6, 16, 651, 25};

} // namespace

CardPageSelection::CardPageSelection(QComboBox *cmboItems, QWidget *grpControls,
                                     DesignContext &context, const PageServices &services)
    : QObject(grpControls), m_items(cmboItems), m_context(context), m_desktop(services.desktop)
{
    m_items->clear();
    m_items->addItems(CardCatalog::Lines());
    m_items->setEditable(false);

    m_controlView = new ControlPages(grpControls);
    m_controlView->setGeometry(ControlViewRect);
    m_noControl = new NoControlPage(m_items, m_controlView);
    m_pages[static_cast<int>(Page::NoControl)] = m_noControl;
    m_pages[static_cast<int>(Page::SWCard)] = new SWCard(m_items, services.handlers, m_controlView);
    m_pages[static_cast<int>(Page::DACard)] = new DACard(m_items, services.handlers, m_controlView);
    m_pages[static_cast<int>(Page::ControlCard1)] = new ControlCardPage(m_items, services, m_controlView);
    auto *empty = new QWidget(m_controlView);
    empty->setObjectName(PageDispatch::PageName(Page::Empty));
    m_pages[static_cast<int>(Page::Empty)] = empty;
    for (const CardPage::Names &names : PicturePages)
        m_pages[static_cast<int>(names.page)] = new CardPage(names, m_items, m_controlView);
    for (QWidget *page : m_pages)
        m_controlView->addTab(page, page->objectName());

    m_cardControl = new ModelTabBar(grpControls);
    m_cardControl->setGeometry(TabRowRect);
    m_cardControl->raise();

    connect(m_items, &QComboBox::activated, this,
            [this] { ReportErrors(m_desktop, [this] { cmboItemsChange(); }); });
    connect(m_cardControl, &QTabBar::currentChanged, this,
            [this] { ReportErrors(m_desktop, [this] { CardControlChange(); }); });
}

void CardPageSelection::Connect(EnclosureView &view)
{
    connect(&view, &EnclosureView::ModelOfSlotChosen, this, &CardPageSelection::SelectSlotModel);
    connect(this, &CardPageSelection::CardChosen, &view, [&view] {
        view.UpdateSlotButtons();
        view.Repaint();
    });
}

QWidget *CardPageSelection::PageWidget(PageDispatch::Page page) const
{
    return m_pages[static_cast<int>(page)];
}

void CardPageSelection::cmboItemsChange()
{
    TQlsDoc *doc = m_context.Doc();
    if (!doc)
        return;
    const int slot = m_context.CurrentSlot();
    if (doc->CardText(slot) == TQlsDoc::Reserved)
        return;
    const int index = qMax(m_items->currentIndex(), 0);
    if (index < m_cardControl->count()) {
        const QSignalBlocker blocker(m_cardControl);
        m_cardControl->setCurrentIndex(index);
    }
    if (m_context.Refreshing())
        return;
    // A locked design keeps its cards but still shows the slot's page, so
    // that it can be driven.
    if (!doc->Locked()) {
        try {
            if (index == 0)
                doc->ClearSlot(slot);
            else
                doc->PlaceCard(slot, m_items->itemText(index));
        } catch (const QlError &) {
            m_context.RefreshFromDocument();
            throw;
        }
    }
    ShowPage();
    emit CardChosen();
}

void CardPageSelection::CardControlChange()
{
    TQlsDoc *doc = m_context.Doc();
    if (!doc)
        return;
    if (doc->Locked()) {
        // The strip keeps showing the slot's model.
        const QSignalBlocker blocker(m_cardControl);
        m_cardControl->setCurrentIndex(qMax(m_items->currentIndex(), 0));
        return;
    }
    const int index = m_cardControl->currentIndex();
    if (index < 0)
        return;
    if (index < m_items->count())
        ChooseModel(index);
}

void CardPageSelection::ChooseModel(int index)
{
    m_items->setCurrentIndex(index);
    cmboItemsChange();
}

void CardPageSelection::SelectSlotModel(int index)
{
    ReportErrors(m_desktop, [this, index] { ChooseModel(index); });
}

void CardPageSelection::ShowPage()
{
    const int tab = m_cardControl->currentIndex();
    const PageDispatch::Row *row = PageDispatch::FindRow(m_cardControl->TabTag(tab));
    if (!row) {
        const QString code = CardCatalog::ModelCode(m_items->currentText());
        m_noControl->ShowNoControls(CardCatalog::SlotWidth(code));
        m_controlView->setCurrentWidget(m_noControl);
        return;
    }
    if (row->page == Page::NoControl) {
        m_noControl->ShowCoverPlate();
        m_controlView->setCurrentWidget(m_noControl);
        return;
    }
    static_cast<CardPage *>(PageWidget(row->page))->LayOut(*row);
    m_controlView->setCurrentWidget(PageWidget(Page::Empty));
    m_controlView->setCurrentWidget(PageWidget(row->page));
}
