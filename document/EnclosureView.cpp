#include "document/EnclosureView.h"

#include "app/Desktop.h"
#include "document/CardCatalog.h"
#include "document/DesignContext.h"
#include "document/EnclosurePicture.h"
#include "document/QlsDoc.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QPushButton>

GroupColourStrip::GroupColourStrip(const DesignContext &context, QWidget *parent)
    : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("paintCardColors"));
}

QColor GroupColourStrip::GroupColour(int group)
{
    static const QColor colours[] = {
        {255, 0, 0}, {0, 128, 0}, {0, 0, 255}, {255, 0, 255},
        {255, 255, 0}, {0, 128, 128}, {0, 0, 0}, {255, 255, 255},
    };
    return group >= 1 && group <= 8 ? colours[group - 1] : QColor();
}

void GroupColourStrip::paintEvent(QPaintEvent *)
{
    const TQlsDoc *doc = m_context.Doc();
    if (!doc)
        return;
    QPainter painter(this);
    const int cell = width() / 20;
    const int half = cell / 2;
    const int selected = m_context.SelectedGroup();
    const int bottom = height() - 2;
    for (int group = 1; group <= 8; ++group) {
        painter.setPen(QPen(GroupColour(group), 3));
        int lowest = 0;
        int highest = 0;
        for (int slot = 1; slot <= TQlsDoc::SlotCount; ++slot) {
            if (!doc->InGroup(slot, group))
                continue;
            const int x = cell * slot - half;
            if (group == selected) {
                painter.drawLine(x, 2, x, bottom);
                if (!lowest)
                    lowest = slot;
                highest = slot;
            } else {
                painter.drawLine(x, 2, x, 2);
            }
        }
        if (lowest)
            painter.drawLine(cell * lowest - half, bottom, cell * highest - half, bottom);
    }
}

// ---------------------------------------------------------------------------

EnclosurePaintBox::EnclosurePaintBox(const DesignContext &context, QWidget *parent)
    : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("paintEnclosure"));
}

void EnclosurePaintBox::paintEvent(QPaintEvent *)
{
    const TQlsDoc *doc = m_context.Doc();
    if (!doc)
        return;
    const QImage picture = EnclosurePicture::RenderPicture(*doc, false);
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage((width() - picture.width()) / 2, (height() - picture.height()) / 2, picture);
}

// ---------------------------------------------------------------------------

const QString EnclosureView::SizeQuestion =
    QStringLiteral("Changing size will clear some cards. Are you sure?");

namespace {

constexpr std::array<int, 20> ButtonLefts = {9,   38,  68,  97,  127, 158, 186, 217, 245, 274,
                                             304, 334, 363, 393, 422, 452, 481, 511, 542, 570};
constexpr int ButtonTop = 16;
constexpr int ButtonSize = 28;
constexpr QRect StripRect{8, ButtonTop + ButtonSize + 2, 592, 17};
constexpr QRect LayoutRect{8, 48, 649, 289};

const char *const EnclosureItems[] = {
    "20 Slots Enclosure", "19 Slots Enclosure", "8  Slots Enclosure", "4  Slots Enclosure"};

// A card that the enclosure `kind` cannot hold at `slot`: beyond its slots, or
// wider than the slot takes there.
bool OutsideEnclosure(const TQlsDoc &doc, int kind, int slot)
{
    const QString text = doc.CardText(slot);
    if (text.isEmpty())
        return false;
    if (slot > TQlsDoc::EnclosureSlotCount(kind))
        return true;
    return text != TQlsDoc::Reserved &&
           CardCatalog::SlotWidth(CardCatalog::ModelCode(text)) >
               TQlsDoc::KindGeometry(kind)[slot - 1].MaxWidth;
}

} // namespace

EnclosureView::EnclosureView(DesignContext &context, Desktop &desktop, const Regions &regions)
    : QObject(regions.grpCards), m_context(context), m_desktop(desktop), m_regions(regions)
{
    m_buttonGroup = new QButtonGroup(this);
    for (int slot = 1; slot <= TQlsDoc::SlotCount; ++slot) {
        auto *button = new QPushButton(QString::number(slot), regions.grpCards);
        button->setObjectName(QStringLiteral("btnCard%1").arg(slot));
        button->setCheckable(true);
        button->setGeometry(ButtonLefts[slot - 1], ButtonTop, ButtonSize, ButtonSize);
        m_buttonGroup->addButton(button, slot);
        m_buttons[slot - 1] = button;
    }
    m_buttons[19]->setChecked(true);
    connect(m_buttonGroup, &QButtonGroup::buttonClicked, this,
            [this](QAbstractButton *button) { btnCardClick(button); });

    m_strip = new GroupColourStrip(context, regions.grpCards);
    m_strip->setGeometry(StripRect);

    regions.cmboEnclosure->clear();
    for (const char *item : EnclosureItems)
        regions.cmboEnclosure->addItem(QString::fromLatin1(item));
    connect(regions.cmboEnclosure, &QComboBox::activated, this, [this] { cmboEnclosureChange(); });

    regions.viewLayout->setText(QStringLiteral("View Layout"));
    connect(regions.viewLayout, &QCheckBox::clicked, this, [this] { CheckBox28Click(); });

    m_paintEnclosure = new EnclosurePaintBox(context, regions.grpControls);
    m_paintEnclosure->setGeometry(LayoutRect);
    m_paintEnclosure->hide();
}

void EnclosureView::SetGroupButtons(QAbstractButton *add, QAbstractButton *remove)
{
    m_addGroup = add;
    m_removeGroup = remove;
}

void EnclosureView::PutDown(int slot)
{
    m_buttons[slot - 1]->setChecked(true);
}

void EnclosureView::Repaint()
{
    m_strip->update();
    m_paintEnclosure->update();
}

void EnclosureView::btnCardClick(QAbstractButton *sender)
{
    if (m_context.Refreshing())
        return;
    if (sender)
        m_context.SetCurrentSlot(m_buttonGroup->id(sender));
    const TQlsDoc *doc = m_context.Doc();
    if (!doc)
        return;
    const QString code = CardCatalog::ModelCode(doc->CardText(m_context.CurrentSlot()));
    int index = 0;
    if (!code.isEmpty()) {
        const QStringList &lines = CardCatalog::Lines();
        for (int i = 0; i < lines.size(); ++i)
            if (CardCatalog::ModelCode(lines[i]) == code)
                index = i;
    }
    emit ModelOfSlotChosen(index);
    UpdateSlotButtons();
}

void EnclosureView::UpdateSlotButtons()
{
    const TQlsDoc *doc = m_context.Doc();
    if (!doc)
        return;
    const QString current = doc->CardText(m_context.CurrentSlot());
    const bool groupsEnabled =
        m_context.AllowEmpty() || (!current.isEmpty() && current != TQlsDoc::Reserved);
    for (QAbstractButton *button : {m_addGroup, m_removeGroup})
        if (button)
            button->setEnabled(groupsEnabled);
    const int slotCount = doc->SlotCountOfEnclosure();
    for (int slot = 1; slot <= TQlsDoc::SlotCount; ++slot)
        m_buttons[slot - 1]->setEnabled(slot <= slotCount &&
                                        doc->CardText(slot) != TQlsDoc::Reserved);
}

void EnclosureView::cmboEnclosureChange()
{
    TQlsDoc *doc = m_context.Doc();
    const int kind = m_regions.cmboEnclosure->currentIndex();
    if (!doc || kind < 0)
        return;
    // A locked design keeps its enclosure and cards.
    if (doc->Locked()) {
        ShowDocumentSize(*doc);
        return;
    }
    const int slotCount = TQlsDoc::EnclosureSlotCount(kind);
    emit EnclosureSizeChosen(slotCount + 1);
    // Cards beyond the new size, and cards wider than their slot takes in the
    // new enclosure, do not fit.
    QList<int> misfits;
    for (int slot = 1; slot <= TQlsDoc::SlotCount; ++slot)
        if (OutsideEnclosure(*doc, kind, slot))
            misfits.append(slot);
    if (!misfits.isEmpty() && !m_desktop.AskYesNo(SizeQuestion)) {
        ShowDocumentSize(*doc);
        return;
    }
    doc->SetEnclosure(kind);
    for (int slot : misfits)
        doc->ClearSlot(slot);
    PutDown(slotCount);
    m_context.SetCurrentSlot(slotCount);
    m_paintEnclosure->update();
    m_context.RefreshFromDocument();
}

void EnclosureView::ShowDocumentSize(const TQlsDoc &doc)
{
    m_regions.cmboEnclosure->setCurrentIndex(doc.EnclosureKind());
    emit EnclosureSizeChosen(doc.SlotCountOfEnclosure() + 1);
}

void EnclosureView::CheckBox28Click()
{
    if (m_regions.viewLayout->isChecked()) {
        emit LayoutViewShown();
        m_paintEnclosure->setGeometry(LayoutRect);
        m_paintEnclosure->show();
        m_paintEnclosure->raise();
        m_regions.controlView->hide();
    } else {
        m_regions.controlView->show();
        m_paintEnclosure->hide();
    }
}
