#pragma once

#include <QColor>
#include <QPushButton>

#include <functional>

class QPainter;

// A command button whose icon is a drawing, not a picture: in the scene at a
// larger scale it is drawn again at that scale, as sharp as the text beside
// it. `draw` paints the icon in a 24 x 24 box in `ink`.
class IconButton : public QPushButton
{
    Q_OBJECT

public:
    using Drawing = std::function<void(QPainter &painter, const QColor &ink)>;

    IconButton(Drawing draw, QSize iconSize);
    void setDrawing(Drawing draw);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void makeIcon();

    Drawing m_draw;
};
