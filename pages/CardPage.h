#pragma once

#include "pages/PageDispatch.h"

#include <QWidget>

class ModelPictureBox;
class QComboBox;

// A control page of `ControlView` with its rear-panel picture pinned to the
// right edge and its block-diagram box. Pages with controls derive from it
// and show the controls a dispatch row names.
class CardPage : public QWidget
{
    Q_OBJECT

public:
    struct Names {
        PageDispatch::Page page;
        const char *rearPanel;
        const char *diagram;
        int diagramLeft;
    };

    CardPage(const Names &names, const QComboBox *models, QWidget *parent);

    PageDispatch::Page Page() const { return m_page; }

    // Places the rear-panel picture for the row's slot width; derived pages
    // also show the row's controls.
    virtual void LayOut(const PageDispatch::Row &row);

    // The rear-panel picture: top 12, height 260, 31 pixels a slot, ending at x 630.
    static QRect RearPanelRect(int slotWidth);

protected:
    ModelPictureBox *rearPanel() const { return m_rearPanel; }

private:
    PageDispatch::Page m_page;
    ModelPictureBox *m_rearPanel;
};
