#pragma once

#include "pages/PageDispatch.h"

#include <QWidget>

class ModelPictureBox;
class QComboBox;
class QLabel;

// Page `NoControl`: the cover-plate text with its photo and the slot picture
// `EmptySlot`. A model without a control page is shown here too, with a text
// saying so, its block diagram and its picture, so that no other card's
// controls stay in view.
class NoControlPage : public QWidget
{
    Q_OBJECT

public:
    NoControlPage(const QComboBox *models, QWidget *parent);

    // The cover plate (the slot cover and the models of the NoControl row).
    void ShowCoverPlate();
    // A model without a control page, `slotWidth` slots wide.
    void ShowNoControls(int slotWidth);

    static const QString CoverPlateText;
    static const QString NoControlsText;

private:
    QLabel *m_text;
    QLabel *m_photo;
    ModelPictureBox *m_diagram;
    ModelPictureBox *m_slotPicture;
};
