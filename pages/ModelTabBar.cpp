#include "pages/ModelTabBar.h"

#include "document/CardCatalog.h"

#include <QWheelEvent>

ModelTabBar::ModelTabBar(QWidget *parent) : QTabBar(parent)
{
    setObjectName(QStringLiteral("CardControl"));
    setToolTip(QStringLiteral("Use Right Mouse for more options"));
    setUsesScrollButtons(true);
    setExpanding(false);
    // Opaque, so that the page tabs of ControlView beneath never show through.
    setAutoFillBackground(true);
    for (const QString &line : CardCatalog::Lines()) {
        const QString code = CardCatalog::ModelCode(line);
        const int index = addTab(CardCatalog::TabCaption(code));
        setTabData(index, CardCatalog::ModelNumber(code));
        m_names.append(CardCatalog::TabName(code));
    }
}

QString ModelTabBar::TabName(int index) const
{
    return m_names.value(index);
}

int ModelTabBar::TabTag(int index) const
{
    return tabData(index).toInt();
}

int ModelTabBar::IndexOfName(const QString &name) const
{
    return m_names.indexOf(name);
}

void ModelTabBar::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}
