#include "ui/BoardWidget.h"

#include "assets/Assets.h"
#include "game/Puzzle.h"
#include "game/SceneScale.h"

#include <cmath>

BoardWidget::BoardWidget(QWidget *parent) : PictureBox(parent)
{
    setObjectName(QStringLiteral("board"));
    resize(puzzle::BoardSize, puzzle::BoardSize);
    setBackColor(Qt::white);
    setFocusPolicy(Qt::StrongFocus);
}

void BoardWidget::setScale(double factor, qreal ratio)
{
    resize(scene::Scale{factor}.size(QSize(puzzle::BoardSize, puzzle::BoardSize)));
    setPixelRatio(ratio);
    if (!m_source.isNull())
        setPuzzlePicture(m_source);
}

double BoardWidget::deviceScale() const
{
    return pixelSize().width() / double(puzzle::BoardSize);
}

void BoardWidget::showLoadingMessage(texts::Language language)
{
    const QString first = texts::text(language, texts::TextId::LoadingWait);
    const QString second = texts::text(language, texts::TextId::LoadingPicture);

    platform::Surface &board = surface();
    const scene::Scale s{deviceScale()};
    const QImage hourglass = assets::icon(assets::Icon::Hourglass);
    if (!hourglass.isNull())
        board.drawPicture(hourglass, s.rect(QRect(132, 132, 96, 96)), hourglass.rect());
    board.setForeColor(Qt::black);
    QFont big = font();
    big.setPointSizeF(14 * s.factor);
    big.setItalic(false);
    board.setFont(big);
    board.drawText(first, s.px(20), s.px(40));
    board.drawText(second, s.px(140), s.px(280));
    update();
}

void BoardWidget::setPuzzlePicture(const QImage &picture)
{
    m_source = picture;
    const QSize board = pixelSize();
    m_picture = (picture.size() == board
                     ? picture
                     : picture.scaled(board, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
                    .convertToFormat(QImage::Format_RGB32);
    // A new scale shows what the old one showed: the level's guide stays.
    redraw();
}

void BoardWidget::redraw()
{
    clear();
    surface().drawPicture(m_picture, QRect(QPoint(), pixelSize()), m_picture.rect());
    update();
    if (m_guide)
        showGuide(*m_guide, m_stripeColour);
}

void BoardWidget::showPicture()
{
    m_guide.reset();
    redraw();
}

void BoardWidget::showGuide(Level level, const QColor &windowColour)
{
    m_guide = level;
    m_stripeColour = windowColour;
    switch (level) {
    case Level::Easy:
        drawStripes(windowColour);
        break;
    case Level::Medium:
        surface().drawPicture(m_picture, QRect(QPoint(), pixelSize()), m_picture.rect(),
                              platform::RasterOp::DstInvert);
        update();
        break;
    case Level::Difficult:
        setPicture(QImage());
        break;
    }
}

void BoardWidget::drawStripes(const QColor &colour)
{
    m_stripeColour = colour;
    platform::Surface &board = surface();
    board.setForeColor(colour);
    // One design row at a time: each stripe covers the device rows of its row.
    const double scale = deviceScale();
    const int width = pixelSize().width();
    for (int row = 1; row < puzzle::BoardSize; row += 2) {
        const int top = int(std::floor(row * scale));
        const int bottom = int(std::floor((row + 1) * scale));
        for (int y = top; y < bottom; ++y)
            board.drawLine(0, y, width, y);
    }
    update();
}
