#include "ui/IconButton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>


IconButton::IconButton(Drawing draw, QSize iconSize) : m_draw(std::move(draw))
{
    setIconSize(iconSize);
    makeIcon();
}

void IconButton::setDrawing(Drawing draw)
{
    m_draw = std::move(draw);
    makeIcon();
}

void IconButton::makeIcon()
{
    // At scale 1 the drawing is made at 24 pixels and shown at the icon's
    // size, as an icon is.
    QImage img(24, 24, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        m_draw(p, Qt::black);
    }
    setIcon(QIcon(QPixmap::fromImage(img)));
}

void IconButton::paintEvent(QPaintEvent *event)
{
    QStylePainter p(this);
    const double scale = p.deviceTransform().m11();
    if (scale == 1.0) {
        p.end();
        QPushButton::paintEvent(event);
        return;
    }
    // Larger, the button is drawn without the picture and the drawing is
    // laid where the picture would be.
    QStyleOptionButton option;
    initStyleOption(&option);
    option.icon = QIcon();
    p.drawControl(QStyle::CE_PushButton, option);
    QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (option.state & (QStyle::State_On | QStyle::State_Sunken))
        contents.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                           style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    const QSize size = iconSize();
    const QRectF box(contents.x() + (contents.width() - size.width()) / 2,
                     contents.y() + (contents.height() - size.height()) / 2, size.width(), size.height());
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.topLeft());
    p.scale(box.width() / 24.0, box.height() / 24.0);
    m_draw(p, isEnabled() ? QColor(Qt::black) : palette().color(QPalette::Disabled, QPalette::ButtonText));
}
