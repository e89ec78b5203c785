#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

// One piece of the puzzle, shaped by its outline: it takes the mouse only
// inside its outline. The left button drags it; letting go reports where its
// corner landed, and the window answers by sending it home or back.
class PieceWidget : public QWidget
{
    Q_OBJECT

public:
    PieceWidget(int piece, QWidget *parent);

    int piece() const { return m_piece; }
    // Size and outline at `factor` pixels per design pixel, for a board at
    // `board` (design pixels), on a screen of `ratio` device pixels per pixel.
    void setScale(double factor, QPoint board, qreal ratio = 1.0);
    // The 70 x 70 picture of the piece; on a scaled desktop it is
    // transparent beyond the outline traced in the screen's pixels.
    void setImage(const QImage &square);
    const QImage &image() const { return m_image; }

    // Back to where the player picked it up, without being drawn on the way.
    void returnToPickUp();
    // True while the player holds the piece.
    bool isHeld() const { return m_held; }
    // Lets go of a held piece for the player: it goes back to where it was
    // picked up, and the mouse does nothing more with it until the button
    // is let go and pressed again.
    void abandonDrag();

signals:
    void pickedUp(int piece);
    // Let go with its top-left corner at `corner`, in its parent's coordinates.
    void dropped(int piece, QPoint corner);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_piece = 0;
    QImage m_image;
    QPoint m_grab;     // the point of the piece under the pointer
    QPoint m_pickedUp; // where the piece lay when it was picked up
    bool m_held = false;
};
