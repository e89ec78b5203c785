#include "maker/CropView.h"

#include "maker/Maker.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

CropView::CropView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("cropView"));
    setMinimumSize(ViewSide, ViewSide);
    setCursor(Qt::OpenHandCursor);
}

void CropView::setPicture(const QImage &preview, QSize pictureSize)
{
    m_preview = preview;
    m_pictureSize = pictureSize;
    m_crop = maker::centredSquare(pictureSize);
    update();
    emit cropChanged(m_crop);
}

void CropView::setCrop(const QRect &crop)
{
    if (m_pictureSize.isEmpty())
        return;
    const int side = qBound(1, crop.width(), qMin(m_pictureSize.width(), m_pictureSize.height()));
    const QRect kept(qBound(0, crop.x(), m_pictureSize.width() - side), qBound(0, crop.y(), m_pictureSize.height() - side),
                     side, side);
    if (kept == m_crop)
        return;
    m_crop = kept;
    update();
    emit cropChanged(m_crop);
}

void CropView::setCropPercent(int percent)
{
    const int shorter = qMin(m_pictureSize.width(), m_pictureSize.height());
    const int side = qMax(1, qRound(shorter * qBound(1, percent, 100) / 100.0));
    const QPoint centre = m_crop.center();
    setCrop(QRect(centre.x() - side / 2, centre.y() - side / 2, side, side));
}

int CropView::cropPercent() const
{
    const int shorter = qMin(m_pictureSize.width(), m_pictureSize.height());
    return shorter > 0 ? qRound(100.0 * m_crop.width() / shorter) : 100;
}

void CropView::setCropShown(bool shown)
{
    m_cropShown = shown;
    setCursor(shown ? Qt::OpenHandCursor : Qt::ArrowCursor);
    update();
}

double CropView::scale() const
{
    if (m_pictureSize.isEmpty())
        return 1;
    return qMin(double(width()) / m_pictureSize.width(), double(height()) / m_pictureSize.height());
}

QRectF CropView::pictureInView() const
{
    const QSizeF shown = QSizeF(m_pictureSize) * scale();
    return QRectF(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
}

QRect CropView::cropInView() const
{
    const QRectF picture = pictureInView();
    const double s = scale();
    return QRectF(picture.topLeft() + QPointF(m_crop.topLeft()) * s, QSizeF(m_crop.size()) * s).toRect();
}

void CropView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().dark());
    if (m_preview.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pictureInView(), m_preview);
    if (!m_cropShown)
        return;
    // What the board leaves out is dimmed.
    QPainterPath outside;
    outside.addRect(pictureInView());
    QPainterPath square;
    square.addRect(cropInView());
    painter.fillPath(outside.subtracted(square), QColor(0, 0, 0, 140));
    painter.setPen(QPen(Qt::white, 2, Qt::DashLine));
    painter.drawRect(cropInView());
}

void CropView::mousePressEvent(QMouseEvent *event)
{
    if (!m_cropShown || event->button() != Qt::LeftButton || !cropInView().contains(event->position().toPoint()))
        return;
    m_dragging = true;
    m_grabOffset = (event->position() - pictureInView().topLeft()) / scale() - QPointF(m_crop.topLeft());
    setCursor(Qt::ClosedHandCursor);
}

void CropView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const QPointF corner = (event->position() - pictureInView().topLeft()) / scale() - m_grabOffset;
    setCrop(QRect(corner.toPoint(), m_crop.size()));
}

void CropView::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
    if (m_cropShown)
        setCursor(Qt::OpenHandCursor);
}

void CropView::wheelEvent(QWheelEvent *event)
{
    if (!m_cropShown)
        return;
    setCropPercent(cropPercent() + (event->angleDelta().y() > 0 ? 5 : -5));
}
