#include "platform/Surface.h"


#include <cstdlib>

namespace platform {

namespace {

QImage toRgb32(const QImage &image)
{
    if (image.isNull() || image.format() == QImage::Format_RGB32)
        return image;
    // A translucent source would be premultiplied before a raster op; flatten
    // it onto white first, as a picture box shows it.
    if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter p(&flat);
        p.drawImage(0, 0, image);
        return flat;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

void Surface::setSize(QSize size)
{
    if (size == m_image.size())
        return;
    QImage old = m_image;
    m_image = QImage(size.expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    fillBackground();
    if (!old.isNull() && !m_image.isNull()) {
        QPainter p(&m_image);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, old);
    }
}

void Surface::setBackColor(const QColor &color)
{
    m_backColor = color;
}

void Surface::fillBackground()
{
    if (m_image.isNull())
        return;
    m_image.fill(m_backColor);
    if (!m_picture.isNull()) {
        QPainter p(&m_image);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, m_picture);
    }
}

void Surface::setPicture(const QImage &picture)
{
    m_picture = toRgb32(picture);
    fillBackground();
}

void Surface::clear()
{
    fillBackground();
    m_current = QPoint(0, 0);
}

void Surface::drawLine(int x1, int y1, int x2, int y2)
{
    m_current = QPoint(x1, y1);
    drawLineTo(x2, y2);
}

void Surface::drawLineTo(int x2, int y2)
{
    // Bresenham, first point included and last point left out, clipped to
    // the image.
    int x = m_current.x();
    int y = m_current.y();
    const int dx = std::abs(x2 - x);
    const int dy = -std::abs(y2 - y);
    const int sx = x < x2 ? 1 : -1;
    const int sy = y < y2 ? 1 : -1;
    int err = dx + dy;
    const QRgb rgb = m_foreColor.rgb();
    const int w = m_image.width();
    const int h = m_image.height();
    while (x != x2 || y != y2) {
        if (x >= 0 && y >= 0 && x < w && y < h)
            reinterpret_cast<QRgb *>(m_image.scanLine(y))[x] = rgb;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    m_current = QPoint(x2, y2);
}

void Surface::drawFrame(int x1, int y1, int x2, int y2)
{
    const int l = std::min(x1, x2), r = std::max(x1, x2);
    const int t = std::min(y1, y2), b = std::max(y1, y2);
    drawLine(l, t, r, t);
    drawLineTo(r, b);
    drawLineTo(l, b);
    drawLineTo(l, t);
    m_current = QPoint(x2, y2);
}

QPainter::CompositionMode Surface::modeFor(RasterOp op)
{
    switch (op) {
    case RasterOp::SrcCopy:
        return QPainter::CompositionMode_Source;
    case RasterOp::MergePaint:
        return QPainter::RasterOp_NotSourceOrDestination;
    case RasterOp::DstInvert:
        return QPainter::RasterOp_NotDestination;
    }
    return QPainter::CompositionMode_Source;
}

void Surface::drawPicture(const QImage &source, const QRect &target, const QRect &sourceRect,
                           RasterOp op)
{
    if (m_image.isNull() || target.isEmpty())
        return;
    QPainter p(&m_image);
    p.setCompositionMode(modeFor(op));
    if (op == RasterOp::DstInvert) {
        p.fillRect(target, Qt::white);
        return;
    }
    if (source.isNull())
        return;
    if (op == RasterOp::SrcCopy && source.hasAlphaChannel()) {
        // An icon is drawn through its transparent parts.
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(target, source, sourceRect);
        return;
    }
    QImage part = toRgb32(source.copy(sourceRect));
    if (part.size() != target.size())
        part = part.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.drawImage(target.topLeft(), part);
}

void Surface::drawPicture(const QImage &source, int x, int y, RasterOp op)
{
    drawPicture(source, QRect(QPoint(x, y), source.size()), source.rect(), op);
}

void Surface::drawText(const QString &text, int x, int y)
{
    if (m_image.isNull())
        return;
    QPainter p(&m_image);
    p.setFont(m_font);
    p.setPen(m_foreColor);
    const QFontMetrics fm(m_font);
    p.drawText(x, y + fm.ascent(), text);
    m_current = QPoint(x, y + fm.height());
}

void Surface::blockCopy(int dx, int dy, int w, int h, const QImage &source, int sx, int sy,
                        RasterOp op)
{
    if (m_image.isNull() || w <= 0 || h <= 0)
        return;
    QImage block(w, h, QImage::Format_RGB32);
    block.fill(Qt::black);
    const QImage src = toRgb32(source);
    {
        QPainter bp(&block);
        bp.setCompositionMode(QPainter::CompositionMode_Source);
        bp.drawImage(QPoint(-sx, -sy), src);
    }
    QPainter p(&m_image);
    p.setCompositionMode(modeFor(op));
    p.drawImage(dx, dy, block);
}

} // namespace platform
