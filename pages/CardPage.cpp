#include "pages/CardPage.h"

#include "pages/ModelPictureBox.h"

CardPage::CardPage(const Names &names, const QComboBox *models, QWidget *parent)
    : QWidget(parent), m_page(names.page)
{
    setObjectName(PageDispatch::PageName(names.page));
    auto *diagram = new ModelPictureBox(QString::fromLatin1(names.diagram), models,
                                        QStringLiteral("BD"), this);
    diagram->setGeometry(names.diagramLeft, 1, 450, 288);
    m_rearPanel = new ModelPictureBox(QString::fromLatin1(names.rearPanel), models, QString(), this);
    m_rearPanel->setGeometry(RearPanelRect(1));
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
}
