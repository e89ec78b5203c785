#pragma once

#include <QGraphicsView>
#include <QPixmap>
#include <QRect>

#include <optional>

// The window's one view of the game's scene. The scene is laid out in design
// pixels, the pixels of the classic 800 x 600 game; the view shows it at one
// scale, exactly 1 up to 1024 x 768 and in quarter steps above. Behind the
// scene it paints the window's background in the screen's own pixels: the
// tiled texture in the window's colour and the bevel around the board.
class SceneView : public QGraphicsView
{
    Q_OBJECT

public:
    SceneView(QGraphicsScene *scene, QWidget *parent);

    // Window pixels per design pixel.
    void setSceneScale(double factor);
    double sceneScale() const { return m_scale; }
    // Device pixels per design pixel.
    double deviceScale() const { return m_scale * devicePixelRatioF(); }

    // One tile of the texture in the window's colour, laid from the window's
    // corner; none paints the plain colour.
    void setBackground(const QPixmap &tile, const QColor &colour);
    // The bevel around the board (design pixels); none hides it.
    void setBevel(const QRect &board, std::optional<bool> sunken);

    // Where a design rectangle lies in the window's pixels.
    QRect windowRect(const QRectF &design) const;

    // True once the first frame is on the screen.
    bool hasShownAFrame() const { return m_shown; }

signals:
    // Once, after the first frame has been painted and handed to the screen.
    void firstFramePainted();

protected:
    void drawBackground(QPainter *painter, const QRectF &exposed) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect bevelInDevicePixels() const;

    double m_scale = 1.0;
    QPixmap m_tile;
    QColor m_colour;
    QRect m_board;
    std::optional<bool> m_sunken;
    bool m_painted = false;
    bool m_shown = false;
};
