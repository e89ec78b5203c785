#include "ui/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPixelRatio(qreal ratio)
{
    m_ratio = ratio;
    m_surface.setSize(pixelSize());
    update();
}

QSize PictureBox::pixelSize() const
{
    return (QSizeF(size()) * m_ratio).toSize();
}

void PictureBox::setPicture(const QImage &picture)
{
    m_surface.setSize(pixelSize());
    m_surface.setPicture(picture);
    update();
}

void PictureBox::setBackColor(const QColor &color)
{
    m_surface.setBackColor(color);
    m_surface.clear();
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QImage &img = m_surface.image();
    p.fillRect(event->rect(), m_surface.backColor());
    if (img.isNull())
        return;
    if (m_ratio == 1.0)
        p.drawImage(event->rect().topLeft(), img, event->rect());
    else
        p.drawImage(QRectF(rect()), img);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    m_surface.setSize(pixelSize());
    QWidget::resizeEvent(event);
}
