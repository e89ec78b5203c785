#pragma once

#include <QColor>
#include <QGraphicsItem>
#include <QPainterPath>
#include <QRect>
#include <QRegion>
#include <QString>

// What lies over the scene while a game is paused: the board and every
// piece go out of sight, so that a pause cannot be used to study the picture.
// The clock and the commands show through it, uncovered and working.
class PauseCover : public QGraphicsItem
{
public:
    PauseCover();

    // Covers `area` (design pixels) but for `uncovered`, where the clock and
    // the commands lie on the window's background; the note sits on `board`.
    void cover(const QRect &area, const QRect &board, const QRegion &uncovered);
    void setNote(const QString &note);
    void setColour(const QColor &colour);
    QColor colour() const { return m_colour; }

    QRectF boundingRect() const override;
    // The covered area only: a press on the clock or a command goes through.
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
    // The pieces beneath cannot be taken.
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;

private:
    QRect m_area;
    QRect m_board;
    QRegion m_shown;
    QPainterPath m_shape;
    QString m_note;
    QColor m_colour = QColor(128, 128, 128);
};
