#include "pages/CardPage.h"

#include "pages/ModelPictureBox.h"

#include <QCheckBox>

CardPage::CardPage(const Names &names, const QComboBox *models, QWidget *parent)
    : QWidget(parent), m_page(names.page)
{
    setObjectName(PageDispatch::PageName(names.page));
    m_diagram = new ModelPictureBox(QString::fromLatin1(names.diagram), models,
                                    QStringLiteral("BD"), this);
    m_diagram->setGeometry(names.diagramLeft, 1, 450, 288);
    m_rearPanel = new ModelPictureBox(QString::fromLatin1(names.rearPanel), models, QString(), this);
    m_rearPanel->setGeometry(RearPanelRect(1));
    if (names.diagramToggle) {
        m_diagramToggle = new QCheckBox(this);
        m_diagramToggle->setObjectName(QLatin1String(names.diagramToggle));
        m_diagramToggle->setGeometry(QRect(QPoint(ToggleLeft, names.toggleTop), ToggleSize));
        m_diagram->setVisible(names.diagramAtStart);
        connect(m_diagramToggle, &QCheckBox::clicked, this, &CardPage::DiagramToggleClick);
    }
}

QRect CardPage::RearPanelRect(int slotWidth)
{
    const int width = 31 * slotWidth;
    return {630 - width, 12, width, 260};
}

void CardPage::LayOut(const PageDispatch::Row &row)
{
    m_rearPanel->setGeometry(RearPanelRect(row.width));
    m_rearPanel->raise();
    if (m_diagramToggle)
        m_diagramToggle->raise();
}

void CardPage::SetDiagramCovers(const QList<QWidget *> &controls)
{
    m_covers.clear();
    for (QWidget *control : controls)
        m_covers.append({control, true});
}

void CardPage::ShowCovered(QWidget *control, bool wanted)
{
    for (Cover &cover : m_covers)
        if (cover.control == control)
            cover.wanted = wanted;
    control->setVisible(wanted && !DiagramShown());
}

bool CardPage::DiagramShown() const
{
    return m_diagramToggle && m_diagramToggle->isChecked();
}

void CardPage::DiagramToggleClick()
{
    const bool shown = DiagramShown();
    m_diagram->setVisible(shown);
    for (const Cover &cover : std::as_const(m_covers))
        cover.control->setVisible(cover.wanted && !shown);
}
