#include "ui/BoardItem.h"

#include "assets/Assets.h"
#include "game/Puzzle.h"
#include "game/SceneScale.h"
#include "ui/DevicePixels.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

BoardItem::BoardItem()
{
    setData(0, QStringLiteral("board"));
    setDeviceScale(1.0);
}

QRectF BoardItem::boundingRect() const
{
    return QRectF(0, 0, puzzle::BoardSize, puzzle::BoardSize);
}

void BoardItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    drawInDevicePixels(painter, m_shown);
}

void BoardItem::setDeviceScale(double deviceScale)
{
    m_deviceScale = deviceScale;
    if (!m_source.isNull()) {
        setPuzzlePicture(m_source);
    } else {
        redraw();
        if (m_waiting)
            showLoadingMessage(*m_waiting);
    }
}

void BoardItem::showLoadingMessage(texts::Language language)
{
    m_waiting = language;
    const auto px = [this](int design) { return scene::devicePixel(design, m_deviceScale); };
    QPainter p(&m_shown);
    const QImage hourglass = assets::icon(assets::Icon::Hourglass);
    const QRect box = scene::deviceRect(QRect(132, 132, 96, 96), m_deviceScale);
    if (!hourglass.isNull() && m_deviceScale == 1.0) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(box, hourglass, hourglass.rect());
    } else if (!hourglass.isNull()) {
        // Larger, each of the icon's pixels becomes a square of whole device
        // pixels, as sharp as the text beside it.
        const int step = std::max(1, box.width() / hourglass.width());
        const QSize size = hourglass.size() * step;
        p.drawImage(QRect(box.center() - QPoint(size.width(), size.height()) / 2, size), hourglass);
    }
    QFont big(QStringLiteral("Arial"));
    big.setPointSizeF(14 * m_deviceScale);
    big.setItalic(false);
    p.setFont(big);
    p.setPen(Qt::black);
    const int ascent = QFontMetrics(big).ascent();
    p.drawText(px(20), px(40) + ascent, texts::text(language, texts::TextId::LoadingWait));
    p.drawText(px(140), px(280) + ascent, texts::text(language, texts::TextId::LoadingPicture));
    update();
}

void BoardItem::setPuzzlePicture(const QImage &picture)
{
    m_source = picture;
    m_waiting.reset();
    const int side = scene::devicePixel(puzzle::BoardSize, m_deviceScale);
    const QSize board(side, side);
    m_picture = (picture.size() == board ? picture
                                         : picture.scaled(board, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
                    .convertToFormat(QImage::Format_RGB32);
    // A new scale shows what the old one showed: the level's guide stays.
    redraw();
}

void BoardItem::redraw()
{
    const int side = scene::devicePixel(puzzle::BoardSize, m_deviceScale);
    if (m_picture.isNull() || (m_guide == Level::Difficult)) {
        m_shown = QImage(side, side, QImage::Format_RGB32);
        m_shown.fill(Qt::white);
    } else {
        // Shared with the picture until a guide paints on it.
        m_shown = m_picture;
        if (m_guide == Level::Easy)
            drawStripes(m_stripeColour);
        else if (m_guide == Level::Medium)
            m_shown.invertPixels(QImage::InvertRgb);
    }
    update();
}

void BoardItem::showPicture()
{
    m_guide.reset();
    redraw();
}

void BoardItem::showGuide(Level level, const QColor &windowColour)
{
    m_guide = level;
    m_stripeColour = windowColour;
    redraw();
}

void BoardItem::drawStripes(const QColor &colour)
{
    m_stripeColour = colour;
    // One design row at a time: each stripe covers the device rows of its row.
    QPainter p(&m_shown);
    const int width = m_shown.width();
    for (int row = 1; row < puzzle::BoardSize; row += 2) {
        const int top = int(std::floor(row * m_deviceScale));
        const int bottom = int(std::floor((row + 1) * m_deviceScale));
        p.fillRect(0, top, width, bottom - top, colour);
    }
    update();
}
