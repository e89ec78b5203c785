#include "ui/BoardWidget.h"

#include "assets/Assets.h"
#include "game/Puzzle.h"

BoardWidget::BoardWidget(QWidget *parent) : platform::PictureBox(parent)
{
    setObjectName(QStringLiteral("board"));
    resize(puzzle::BoardSize, puzzle::BoardSize);
    setBackColor(Qt::white);
    setFocusPolicy(Qt::StrongFocus);
}

void BoardWidget::showLoadingMessage(texts::Language language)
{
    const bool italian = language == texts::Language::Italian;
    const QString first = italian ? QStringLiteral("Un attimo di pazienza...")
                                  : QStringLiteral("Wait, please.....");
    const QString second = italian ? QStringLiteral("...carico l'immagine.")
                                   : QStringLiteral("...loading image.");

    platform::Surface &board = surface();
    const QImage hourglass = assets::icon(assets::Icon::Hourglass);
    if (!hourglass.isNull())
        board.drawPicture(hourglass, QRect(132, 132, 96, 96), hourglass.rect());
    board.setForeColor(Qt::black);
    QFont big = font();
    big.setPointSize(14);
    big.setItalic(false);
    board.setFont(big);
    board.drawText(first, 20, 40);
    board.drawText(second, 140, 280);
    update();
}

void BoardWidget::setPuzzlePicture(const QImage &picture)
{
    m_picture = picture;
    showPicture();
}

void BoardWidget::showPicture()
{
    clear();
    surface().drawPicture(m_picture, QRect(0, 0, puzzle::BoardSize, puzzle::BoardSize),
                          m_picture.rect());
    update();
}

void BoardWidget::showGuide(Level level, const QColor &windowColour)
{
    switch (level) {
    case Level::Easy:
        drawStripes(windowColour);
        break;
    case Level::Medium:
        surface().drawPicture(m_picture, QRect(0, 0, puzzle::BoardSize, puzzle::BoardSize),
                              m_picture.rect(), platform::RasterOp::DstInvert);
        update();
        break;
    case Level::Difficult:
        setPicture(QImage());
        break;
    }
}

void BoardWidget::drawStripes(const QColor &colour)
{
    platform::Surface &board = surface();
    board.setForeColor(colour);
    for (int row = 1; row < puzzle::BoardSize; row += 2)
        board.drawLine(0, row, puzzle::BoardSize, row);
    update();
}
