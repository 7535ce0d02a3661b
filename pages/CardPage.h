#pragma once

#include "pages/PageDispatch.h"

#include <QList>
#include <QSize>
#include <QWidget>

class ModelPictureBox;
class QCheckBox;
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
        // The check box that swaps the page's controls for the diagram; a page
        // without one always shows its diagram.
        const char *diagramToggle = nullptr;
        bool diagramAtStart = false;
        int toggleTop = 270;
    };

    CardPage(const Names &names, const QComboBox *models, QWidget *parent);

    PageDispatch::Page Page() const { return m_page; }

    // Places the rear-panel picture for the row's slot width; derived pages
    // also show the row's controls.
    virtual void LayOut(const PageDispatch::Row &row);

    // The rear-panel picture: top 12, height 260, 31 pixels a slot, ending at x 630.
    static QRect RearPanelRect(int slotWidth);
    static constexpr int ToggleLeft = 602;
    static constexpr QSize ToggleSize{23, 17};

protected:
    ModelPictureBox *rearPanel() const { return m_rearPanel; }
    // The controls that the diagram replaces while its toggle is checked.
    void SetDiagramCovers(const QList<QWidget *> &controls);
    // Shows or hides a covered control for the model laid out; it stays hidden
    // while the diagram shows.
    void ShowCovered(QWidget *control, bool wanted);
    // True while the toggle is checked.
    bool DiagramShown() const;

private:
    // Click handler of every page's toggle (DABlockDiagramClick,
    // MatrixBlockDiagramClick, MatrixBlcokDiagConfigClick, AudioPowerDiagramClick,
    // ControlDiagram1Click, Scalar1BlockConfigClick, Scalar2BlockConfigClick,
    // Scalar4BlockConfigClick): the diagram shows exactly when it is checked,
    // the covered controls exactly when it is not.
    void DiagramToggleClick();

    PageDispatch::Page m_page;
    ModelPictureBox *m_rearPanel;
    ModelPictureBox *m_diagram;
    QCheckBox *m_diagramToggle = nullptr;
    struct Cover {
        QWidget *control;
        bool wanted;
    };
    QList<Cover> m_covers;
};
