#pragma once

#include "game/Level.h"
#include "game/Texts.h"
#include "platform/Surface.h"

// The 360 x 360 board: the picture on the start screen, the level's guide
// during a game.
class BoardWidget : public platform::PictureBox
{
    Q_OBJECT

public:
    explicit BoardWidget(QWidget *parent);

    // The wait shown while the picture loads.
    void showLoadingMessage(texts::Language language);

    // The picture, already decoded at the board's size.
    void setPuzzlePicture(const QImage &picture);
    const QImage &puzzlePicture() const { return m_picture; }

    // The whole picture, as on the start screen.
    void showPicture();

    // What the level leaves of the picture as a guide: Easy every other row
    // (the odd rows in the window's colour), Medium the negative, Difficult
    // nothing.
    void showGuide(Level level, const QColor &windowColour);

    // Paints the odd rows in `colour` over whatever the board shows.
    void drawStripes(const QColor &colour);

private:
    QImage m_picture;
};
