#pragma once

#include <QGraphicsObject>
#include <QImage>
#include <QPainterPath>
#include <QRegion>

// One piece of the puzzle in the scene, in design pixels: its shape is its
// outline, so the mouse takes it only inside the outline at any scale. The
// left button drags it; letting go reports where its corner landed, and the
// window answers by sending it home or back.
class PieceItem : public QGraphicsObject
{
    Q_OBJECT

public:
    explicit PieceItem(int piece);

    int piece() const { return m_piece; }
    // The 70 x 70 outline in design pixels.
    const QRegion &outline() const { return m_outline; }
    // Its picture, cut and edged in the screen's pixels at the scene's
    // device scale; transparent beyond the outline except at scale 1.
    void setImage(const QImage &picture);
    const QImage &image() const { return m_image; }

    // Back to where the player picked it up.
    void returnToPickUp();
    bool isHeld() const { return m_held; }
    // Lets go of a held piece for the player: it goes back to where it was
    // picked up, and the mouse does nothing more with it until the button
    // is let go and pressed again.
    void abandonDrag();

    // What a screen reader says of it.
    void setAccessibleName(const QString &name) { m_accessibleName = name; }
    QString accessibleName() const { return m_accessibleName; }
    void setAccessibleDescription(const QString &text) { m_accessibleDescription = text; }
    QString accessibleDescription() const { return m_accessibleDescription; }

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    bool contains(const QPointF &point) const override;
    bool collidesWithPath(const QPainterPath &path, Qt::ItemSelectionMode mode) const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

signals:
    void pickedUp(int piece);
    // Let go with its top-left corner at `corner`, in design pixels.
    void dropped(int piece, QPoint corner);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    int m_piece = 0;
    QRegion m_outline;
    QPainterPath m_shape;
    QImage m_image;
    QPointF m_grab;     // the point of the piece under the pointer
    QPointF m_pickedUp; // where the piece lay when it was picked up
    bool m_held = false;
    QString m_accessibleName;
    QString m_accessibleDescription;
};
