#pragma once

#include <QStringList>
#include <QTabBar>

// The model tab strip `CardControl`: one tab per catalog line, in catalog
// order, named after the model ("QL324_100"), captioned with the code
// without its prefix ("324-100") and numbered with the model number.
class ModelTabBar : public QTabBar
{
    Q_OBJECT

public:
    explicit ModelTabBar(QWidget *parent);

    QString TabName(int index) const;
    // The model number (Tag) of a tab; 0 outside the strip.
    int TabTag(int index) const;
    // Index of the tab named `name`, or -1.
    int IndexOfName(const QString &name) const;

protected:
    // The wheel never switches the model: it would put another card in the slot.
    void wheelEvent(QWheelEvent *event) override;

private:
    QStringList m_names;
};
