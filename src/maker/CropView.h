#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

// The picture of a gift, scaled to the view, with the square the board will
// show: drag it to move it, turn the wheel to make it larger or smaller.
// The square is kept in the picture's own pixels.
class CropView : public QWidget
{
    Q_OBJECT

public:
    explicit CropView(QWidget *parent = nullptr);

    // `preview` shows a picture of `pictureSize` pixels; the square starts
    // in its centre.
    void setPicture(const QImage &preview, QSize pictureSize);
    QSize pictureSize() const { return m_pictureSize; }

    QRect crop() const { return m_crop; }
    // Kept inside the picture and square, whatever is asked.
    void setCrop(const QRect &crop);
    // The square's side as a share of the picture's shorter side (1-100 %),
    // around its centre.
    void setCropPercent(int percent);
    int cropPercent() const;

    // Stretched, the whole picture goes on the board: no square is shown.
    void setCropShown(bool shown);

    QSize sizeHint() const override { return QSize(ViewSide, ViewSide); }

    // Where the square is drawn in the view.
    QRect cropInView() const;

signals:
    void cropChanged(const QRect &crop);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    static constexpr int ViewSide = 360;
    QRectF pictureInView() const;
    double scale() const;

    QImage m_preview;
    QSize m_pictureSize;
    QRect m_crop;
    bool m_cropShown = true;
    bool m_dragging = false;
    QPointF m_grabOffset; // from the square's corner, in picture pixels
};
