#pragma once

#include <QImage>
#include <QPainter>

#include <cmath>

// Draws `picture`, whose pixels are the screen's own, one to one with its
// top-left corner on the device pixel nearest to the painter's origin: a
// picture made at the scene's device scale shows sharp at any scale.
inline void drawInDevicePixels(QPainter *painter, const QImage &picture)
{
    const QPointF origin = painter->deviceTransform().map(QPointF(0, 0));
    const qreal ratio = painter->device()->devicePixelRatioF();
    const QPoint at(int(std::lround(origin.x())), int(std::lround(origin.y())));
    painter->save();
    painter->resetTransform();
    painter->scale(1 / ratio, 1 / ratio);
    painter->drawImage(at, picture);
    painter->restore();
}
