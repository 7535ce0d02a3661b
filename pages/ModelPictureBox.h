#pragma once

#include <QWidget>

class QComboBox;

// Paint box that draws the picture of the model selected in the model list
// (`cmboItems`) at its own size at the top-left corner, clipped by the box:
// the card picture (`PaintSlot`) or, with the suffix "BD", the block diagram
// (`BlockDiagramPaint`). A model without that picture leaves the box empty.
class ModelPictureBox : public QWidget
{
    Q_OBJECT

public:
    ModelPictureBox(const QString &name, const QComboBox *models, const QString &suffix,
                    QWidget *parent);

    // Name of the picture the box draws now.
    QString PictureName() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QComboBox *m_models;
    QString m_suffix;
};
