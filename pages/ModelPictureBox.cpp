#include "pages/ModelPictureBox.h"

#include "controller/ScanBitmap.h"
#include "document/CardCatalog.h"

#include <QComboBox>
#include <QPainter>

ModelPictureBox::ModelPictureBox(const QString &name, const QComboBox *models,
                                 const QString &suffix, QWidget *parent)
    : QWidget(parent), m_models(models), m_suffix(suffix)
{
    setObjectName(name);
}

QString ModelPictureBox::PictureName() const
{
    return CardCatalog::ModelCode(m_models->currentText()) + m_suffix;
}

void ModelPictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    DrawResourceBitmap(painter, PictureName(), 0, false, 0);
}
