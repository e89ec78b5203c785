#include "ui/PieceWidget.h"

#include "assets/Assets.h"
#include "game/Outlines.h"
#include "game/Puzzle.h"
#include "game/SceneScale.h"
#include "ui/PieceArt.h"

#include <QMouseEvent>
#include <QPainter>

PieceWidget::PieceWidget(int piece, QWidget *parent) : QWidget(parent), m_piece(piece)
{
    setObjectName(QStringLiteral("piece%1").arg(piece));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(puzzle::PieceWidgetSize, puzzle::PieceWidgetSize);
    setMask(outlines::outline(puzzle::shapeOf(piece)));
    setCursor(assets::cursor(assets::Cursor::OpenHand));
    hide();
}

void PieceWidget::setScale(double factor, QPoint board, qreal ratio)
{
    const scene::Scale scale{factor};
    const QPoint home = puzzle::homePosition(m_piece, board);
    resize(scale.rect(QRect(home, QSize(puzzle::PieceWidgetSize, puzzle::PieceWidgetSize))).size());
    QRegion outline = pieceart::pieceOutline(m_piece, factor, board);
    // The mask is in the window's pixels, coarser than the screen's: one
    // pixel wider all round, it holds the finer outline the picture draws.
    if (ratio != 1.0) {
        const QRegion coarse = outline;
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            outline += coarse.translated(step);
    }
    setMask(outline);
}

void PieceWidget::setImage(const QImage &square)
{
    m_image = square;
    // A picture with transparent parts shows what lies beneath them.
    setAttribute(Qt::WA_OpaquePaintEvent, !square.hasAlphaChannel());
    update();
}

void PieceWidget::returnToPickUp()
{
    setVisible(false);
    move(m_pickedUp);
    setVisible(true);
}

void PieceWidget::abandonDrag()
{
    if (!m_held)
        return;
    m_held = false;
    setCursor(assets::cursor(assets::Cursor::OpenHand));
    returnToPickUp();
}

void PieceWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_image.hasAlphaChannel())
        p.fillRect(rect(), Qt::white);
    p.drawImage(0, 0, m_image);
}

void PieceWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_grab = event->position().toPoint();
    m_pickedUp = pos();
    m_held = true;
    raise();
    setCursor(assets::cursor(assets::Cursor::ClosedHand));
    emit pickedUp(m_piece);
}

void PieceWidget::mouseMoveEvent(QMouseEvent *event)
{
    // Only the left button alone drags; with another button held as well the
    // piece waits until that one is let go.
    const Qt::MouseButtons held =
        event->buttons() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
    if (held != Qt::LeftButton || !m_held)
        return;
    // The grabbed point of the piece stays under the pointer.
    move(pos() + event->position().toPoint() - m_grab);
}

void PieceWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_held)
        return;
    m_held = false;
    emit dropped(m_piece, pos());
    setCursor(assets::cursor(assets::Cursor::OpenHand));
}
