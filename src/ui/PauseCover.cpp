#include "ui/PauseCover.h"

#include <QPainter>
#include <QRegion>

#include <cmath>

PauseCover::PauseCover(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pauseCover"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void PauseCover::cover(const QRect &board, const QList<QRect> &uncovered)
{
    m_board = board;
    setGeometry(parentWidget()->rect());
    // The holes take the mouse of what lies beneath: the clock's give-up
    // button and the command column go on working during a pause.
    QRegion shape(rect());
    for (const QRect &hole : uncovered)
        shape -= hole;
    setMask(shape);
    raise();
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

void PauseCover::setScale(double factor)
{
    m_scale = factor;
    update();
}

void PauseCover::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_colour);
    // The board's place, blank, with the note on a panel of the game's grey.
    p.fillRect(m_board, m_colour.darker(130));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11 * m_scale);
    font.setBold(true);
    p.setFont(font);
    const auto px = [this](int design) { return int(std::lround(design * m_scale)); };
    const QRect note = p.boundingRect(m_board.adjusted(px(20), 0, -px(20), 0),
                                      Qt::AlignCenter | Qt::TextWordWrap, m_note)
                           .adjusted(-px(14), -px(10), px(14), px(10));
    p.fillRect(note, QColor(192, 192, 192));
    p.setPen(Qt::black);
    p.drawRect(note.adjusted(0, 0, -1, -1));
    p.drawText(note, Qt::AlignCenter | Qt::TextWordWrap, m_note);
}
