#pragma once

#include "game/Level.h"
#include "game/Texts.h"
#include "ui/PictureBox.h"

#include <optional>

// The 360 x 360 board: the picture on the start screen, the level's guide
// during a game. Drawn at the scene's scale, at the screen's resolution.
class BoardWidget : public PictureBox
{
    Q_OBJECT

public:
    explicit BoardWidget(QWidget *parent);

    // `factor` widget pixels per design pixel, `ratio` device pixels per
    // widget pixel. The picture is redrawn at the new size.
    void setScale(double factor, qreal ratio);
    // Device pixels per design pixel.
    double deviceScale() const;

    // The wait shown while the picture loads.
    void showLoadingMessage(texts::Language language);

    // The picture, decoded at the largest size the board may take.
    void setPuzzlePicture(const QImage &picture);
    // The picture at the board's size in device pixels.
    const QImage &puzzlePicture() const { return m_picture; }

    // The whole picture, as on the start screen.
    void showPicture();

    // What the level leaves of the picture as a guide: Easy every other row
    // (the odd rows in the window's colour), Medium the negative, Difficult
    // nothing.
    void showGuide(Level level, const QColor &windowColour);

    // Paints the odd design rows in `colour` over whatever the board shows.
    void drawStripes(const QColor &colour);

    // The guide on show; none while the whole picture shows.
    std::optional<Level> guide() const { return m_guide; }

private:
    void redraw();

    QImage m_source;
    QImage m_picture;
    // What the board shows, so that a new scale draws the same again.
    std::optional<Level> m_guide;
    QColor m_stripeColour;
};
