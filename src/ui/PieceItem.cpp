#include "ui/PieceItem.h"

#include "assets/Assets.h"
#include "game/Outlines.h"
#include "game/Puzzle.h"
#include "ui/DevicePixels.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>

#include <cmath>

// Pieces lie above the board and below the panels and the pause cover; the
// one picked up last lies on top of the others.
namespace {
qreal topOfPieces = 10;
}

PieceItem::PieceItem(int piece)
    : m_piece(piece), m_outline(outlines::outline(puzzle::shapeOf(piece)))
{
    setObjectName(QStringLiteral("piece%1").arg(piece));
    m_shape.addRegion(m_outline);
    setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
    setCursor(assets::cursor(assets::Cursor::OpenHand));
    setZValue(topOfPieces);
    hide();
}

QRectF PieceItem::boundingRect() const
{
    return QRectF(0, 0, puzzle::PieceWidgetSize, puzzle::PieceWidgetSize);
}

QPainterPath PieceItem::shape() const
{
    return m_shape;
}

bool PieceItem::contains(const QPointF &point) const
{
    return m_outline.contains(QPoint(int(std::floor(point.x())), int(std::floor(point.y()))));
}

bool PieceItem::collidesWithPath(const QPainterPath &path, Qt::ItemSelectionMode mode) const
{
    // The view asks about the square of one screen pixel under the pointer:
    // its middle decides, so the pointer takes the piece exactly inside its
    // outline, at any scale.
    const QRectF square = path.boundingRect();
    if (mode == Qt::IntersectsItemShape && square.width() <= 1 && square.height() <= 1)
        return contains(square.center());
    return QGraphicsObject::collidesWithPath(path, mode);
}

void PieceItem::setImage(const QImage &picture)
{
    m_image = picture;
    update();
}

void PieceItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    drawInDevicePixels(painter, m_image);
}

void PieceItem::returnToPickUp()
{
    setPos(m_pickedUp);
}

void PieceItem::abandonDrag()
{
    if (!m_held)
        return;
    m_held = false;
    setCursor(assets::cursor(assets::Cursor::OpenHand));
    ungrabMouse();
    returnToPickUp();
}

void PieceItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    m_grab = event->pos();
    m_pickedUp = pos();
    m_held = true;
    setZValue(++topOfPieces);
    setCursor(assets::cursor(assets::Cursor::ClosedHand));
    emit pickedUp(m_piece);
}

void PieceItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    // Only the left button alone drags; with another button held as well the
    // piece waits until that one is let go.
    const Qt::MouseButtons held = event->buttons() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
    if (held != Qt::LeftButton || !m_held)
        return;
    // The grabbed point of the piece stays under the pointer.
    setPos(event->scenePos() - m_grab);
}

void PieceItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_held)
        return;
    m_held = false;
    setCursor(assets::cursor(assets::Cursor::OpenHand));
    emit dropped(m_piece, QPoint(int(std::lround(pos().x())), int(std::lround(pos().y()))));
}
