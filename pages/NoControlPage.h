#pragma once

#include "pages/PageDispatch.h"

#include <QWidget>

class ClickableLabel;
class Desktop;
class ModelPictureBox;
class QComboBox;
class QLabel;

// Page `NoControl`: the cover-plate text with its photo and the slot picture
// `EmptySlot`. A model without a control page is shown here too, with a text
// saying so, its block diagram and its picture, so that no other card's
// controls stay in view. A click on the photo opens the family's web page.
class NoControlPage : public QWidget
{
    Q_OBJECT

public:
    NoControlPage(const QComboBox *models, Desktop &desktop, QWidget *parent);

    // The cover plate (the slot cover and the models of the NoControl row).
    void ShowCoverPlate();
    // A model without a control page, `slotWidth` slots wide.
    void ShowNoControls(int slotWidth);

    void Image39Click();

    static const QString CoverPlateText;
    static const QString NoControlsText;

private:
    Desktop &m_desktop;
    QLabel *m_text;
    ClickableLabel *m_photo;
    ModelPictureBox *m_diagram;
    ModelPictureBox *m_slotPicture;
};
