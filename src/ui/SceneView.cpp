#include "ui/SceneView.h"

#include "game/SceneScale.h"
#include "ui/Background.h"

#include <QPainter>

#include <cmath>

SceneView::SceneView(QGraphicsScene *scene, QWidget *parent) : QGraphicsView(scene, parent)
{
    setObjectName(QStringLiteral("sceneView"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setResizeAnchor(QGraphicsView::NoAnchor);
    // No item draws antialiased beyond its bounds, and each puts back what it
    // changes of the painter.
    setOptimizationFlags(QGraphicsView::DontAdjustForAntialiasing | QGraphicsView::DontSavePainterState);
    // A moving piece repaints one rectangle: the blits stay on Qt's fast
    // path for a plain rectangle.
    setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
    // The background covers every pixel: nothing is filled beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    // The keys go on to the window when no control in the scene takes them.
    setFocusPolicy(Qt::StrongFocus);
}

void SceneView::setSceneScale(double factor)
{
    m_scale = factor;
    setTransform(QTransform::fromScale(factor, factor));
}

void SceneView::setBackground(const QPixmap &tile, const QColor &colour)
{
    m_tile = tile;
    m_colour = colour;
    viewport()->update();
}

void SceneView::setBevel(const QRect &board, std::optional<bool> sunken)
{
    if (board == m_board && sunken == m_sunken)
        return;
    m_board = board;
    m_sunken = sunken;
    viewport()->update();
}

QRect SceneView::windowRect(const QRectF &design) const
{
    return mapFromScene(design).boundingRect().adjusted(0, 0, -1, -1);
}

QRect SceneView::bevelInDevicePixels() const
{
    // The board's own device pixels, as the board draws itself.
    return scene::deviceRect(m_board, deviceScale());
}

void SceneView::paintEvent(QPaintEvent *event)
{
    QGraphicsView::paintEvent(event);
    if (!m_painted) {
        m_painted = true;
        // Queued: the frame reaches the screen when the painting is over.
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_shown = true;
                emit firstFramePainted();
            },
            Qt::QueuedConnection);
    }
}

void SceneView::drawBackground(QPainter *painter, const QRectF &exposed)
{
    // The texture and the bevel are laid in device pixels: they stay sharp
    // at every scale and on a scaled desktop.
    const qreal ratio = devicePixelRatioF();
    const QRectF area = QRectF(mapFromScene(exposed).boundingRect()).adjusted(-1, -1, 1, 1);
    painter->save();
    painter->resetTransform();
    painter->scale(1 / ratio, 1 / ratio);
    const QRectF device(area.topLeft() * ratio, area.size() * ratio);
    // The tiles, from the window's corner, cover every pixel but the board's,
    // which the board covers itself.
    const QRegion bare = QRegion(device.toAlignedRect()) - scene::deviceRect(m_board, deviceScale());
    const QBrush tiles = m_tile.isNull() ? QBrush(m_colour) : QBrush(m_tile);
    for (const QRect &part : bare)
        painter->fillRect(part, tiles);
    if (m_sunken) {
        // A piece dragged over the slots repaints no part of the bevel.
        const QRect around = bevelInDevicePixels();
        const int rings = int(std::lround(9 * deviceScale())) + 1;
        if (device.intersects(QRectF(around.adjusted(-rings, -rings, rings, rings))))
            background::paintBevel(*painter, around, *m_sunken, deviceScale());
    }
    painter->restore();
}
