#include "ui/FocusRing.h"

#include <QPainter>
#include <QStyleOption>

void FocusRingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                   QPainter *painter, const QWidget *widget) const
{
    if (element != PE_FrameFocusRect) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A mouse click leaves no ring: the game hands the focus back to the
    // board after every click.
    if (!(option->state & State_KeyboardFocusChange))
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    const QRect ring = option->rect.adjusted(0, 0, -1, -1);
    painter->setPen(QPen(QColor(0, 0, 160), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter->drawRect(ring.adjusted(1, 1, 0, 0));
    painter->setPen(QPen(Qt::white, 1));
    painter->drawRect(ring.adjusted(2, 2, -2, -2));
    painter->restore();
}
