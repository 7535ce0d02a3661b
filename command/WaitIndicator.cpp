#include "command/WaitIndicator.h"

#include <QPainter>

WaitIndicator::WaitIndicator(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("paintWait"));
    setFixedSize(Side, Side);
}

void WaitIndicator::SetPictures(const QImage &busy, const QImage &idle)
{
    m_busyPicture = busy;
    m_idlePicture = idle;
    update();
}

void WaitIndicator::SetBusy(bool busy)
{
    m_busy = busy;
    update();
}

void WaitIndicator::paintEvent(QPaintEvent *)
{
    paintWaitPaint();
}

void WaitIndicator::paintWaitPaint()
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_busy ? m_busyPicture : m_idlePicture);
}
