#pragma once

#include "game/Level.h"
#include "game/Texts.h"

#include <QColor>
#include <QGraphicsItem>
#include <QImage>

#include <optional>

// The 360 x 360 board in the scene: the picture on the start screen, the
// level's guide during a game. Drawn in the screen's own pixels at the
// scene's device scale.
class BoardItem : public QGraphicsItem
{
public:
    BoardItem();

    // Device pixels per design pixel; the picture is drawn again at the new
    // size, showing what it showed.
    void setDeviceScale(double deviceScale);
    double deviceScale() const { return m_deviceScale; }

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

    // What the board shows, in device pixels.
    const QImage &image() const { return m_shown; }

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    void redraw();

    double m_deviceScale = 1.0;
    QImage m_source;
    QImage m_picture;
    QImage m_shown;
    std::optional<Level> m_guide;
    QColor m_stripeColour;
    std::optional<texts::Language> m_waiting; // the wait's language while it shows
};
