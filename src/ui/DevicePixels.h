#pragma once

#include <QImage>
#include <QPainter>

// Draws `picture`, whose pixels are the screen's own, one to one with its
// top-left corner on the device pixel nearest to the painter's origin: a
// picture made at the scene's device scale shows sharp at any scale.
inline void drawInDevicePixels(QPainter *painter, const QImage &picture)
{
    const QPointF origin = painter->deviceTransform().map(QPointF(0, 0));
    const qreal ratio = painter->device()->devicePixelRatioF();
    painter->save();
    painter->resetTransform();
    const QImage &shown = picture;
    painter->scale(1 / ratio, 1 / ratio);
    painter->drawImage(QPointF(std::round(origin.x()), std::round(origin.y())), shown);
    painter->restore();
}
