#pragma once

#include "platform/Surface.h"

#include <QWidget>

// A widget that shows its surface: the board and the panels around it.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // A box that was never shown has had no resize event yet: its drawing
    // takes the box's size when it is first drawn on.
    platform::Surface &surface()
    {
        m_surface.setSize(pixelSize());
        return m_surface;
    }

    // Device pixels per pixel of the widget: the drawing is kept at the
    // screen's own resolution, so it stays sharp on a scaled desktop.
    void setPixelRatio(qreal ratio);
    qreal pixelRatio() const { return m_ratio; }
    QSize pixelSize() const;
    const platform::Surface &surface() const { return m_surface; }

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_surface.picture(); }
    const QImage &image() const { return m_surface.image(); }
    void setBackColor(const QColor &color);

    void clear() { m_surface.clear(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    platform::Surface m_surface;
    qreal m_ratio = 1.0;
};
