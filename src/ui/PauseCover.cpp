#include "ui/PauseCover.h"

#include <QCursor>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

PauseCover::PauseCover()
{
    setAcceptedMouseButtons(Qt::AllButtons);
    setCursor(QCursor(Qt::ArrowCursor));
    hide();
}

void PauseCover::cover(const QRect &area, const QRect &board, const QRegion &uncovered)
{
    prepareGeometryChange();
    m_area = area;
    m_board = board;
    m_shown = QRegion(area) - uncovered;
    m_shape = QPainterPath();
    m_shape.addRegion(m_shown);
    update();
}

void PauseCover::setNote(const QString &note)
{
    m_note = note;
    update();
}

void PauseCover::setColour(const QColor &colour)
{
    m_colour = colour;
    update();
}

QRectF PauseCover::boundingRect() const
{
    return m_area;
}

QPainterPath PauseCover::shape() const
{
    return m_shape;
}

void PauseCover::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
}

void PauseCover::paint(QPainter *p, const QStyleOptionGraphicsItem *, QWidget *)
{
    p->save();
    p->setClipRegion(m_shown, Qt::IntersectClip);
    p->fillRect(m_area, m_colour);
    p->restore();
    p->save();
    // The board's place, blank, with the note on a panel of the game's grey.
    p->fillRect(m_board, m_colour.darker(130));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11);
    font.setBold(true);
    p->setFont(font);
    const QRect note = p->boundingRect(m_board.adjusted(20, 0, -20, 0), Qt::AlignCenter | Qt::TextWordWrap, m_note)
                           .adjusted(-14, -10, 14, 10);
    p->fillRect(note, QColor(192, 192, 192));
    // A frame one design pixel wide, just inside the panel: at a larger
    // scale it stays on the panel's edge.
    for (const QRect &side : {QRect(note.left(), note.top(), note.width(), 1),
                              QRect(note.left(), note.bottom(), note.width(), 1),
                              QRect(note.left(), note.top(), 1, note.height()),
                              QRect(note.right(), note.top(), 1, note.height())})
        p->fillRect(side, Qt::black);
    p->setPen(Qt::black);
    p->drawText(note, Qt::AlignCenter | Qt::TextWordWrap, m_note);
    p->restore();
}
