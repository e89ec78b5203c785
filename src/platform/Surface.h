#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

namespace platform {

// The raster operations the game draws with, by their classic names: the
// texture tints the window's colour, the Medium guide is the negative.
enum class RasterOp {
    SrcCopy,    // source
    MergePaint, // (NOT source) OR destination
    DstInvert,  // NOT destination, source unused
};

// The persistent drawing of a picture box or of a window's background: its
// Picture (what was loaded or assigned) and its Image (the picture plus
// everything drawn on it since). Drawing goes to the image; clear() puts the
// picture back; Refresh asks the owner to repaint.
class Surface
{
public:
    Surface() = default;

    // Size of the drawing area; the image is kept at this size.
    QSize size() const { return m_image.size(); }
    void setSize(QSize size);

    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &color);

    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &color) { m_foreColor = color; }

    QFont font() const { return m_font; }
    void setFont(const QFont &font) { m_font = font; }

    // The picture and the persistent image. An empty picture is a null image.
    const QImage &picture() const { return m_picture; }
    const QImage &image() const { return m_image; }
    void setPicture(const QImage &picture);
    void clearPicture() { setPicture(QImage()); }

    // Puts the picture back over the background colour, dropping what was drawn.
    void clear();

    // A line in the foreground colour from (x1, y1) to (x2, y2), the end point
    // left out; the end becomes the current point.
    void drawLine(int x1, int y1, int x2, int y2);
    // Line from the current point on to (x2, y2).
    void drawLineTo(int x2, int y2);
    // A rectangle outline from (x1, y1) to (x2, y2), both corners included.
    void drawFrame(int x1, int y1, int x2, int y2);
    QPoint currentPoint() const { return m_current; }
    void setCurrentPoint(QPoint p) { m_current = p; }

    // Paints (part of) a picture stretched into a rectangle with a raster op.
    void drawPicture(const QImage &source, const QRect &target, const QRect &sourceRect,
                      RasterOp op = RasterOp::SrcCopy);
    void drawPicture(const QImage &source, int x, int y, RasterOp op = RasterOp::SrcCopy);

    // Text with its top left at (x, y) in the current font and foreground colour.
    void drawText(const QString &text, int x, int y);

    // Block copy of w x h pixels from a source image at (sx, sy) to (dx, dy);
    // pixels outside the source read as black.
    void blockCopy(int dx, int dy, int w, int h, const QImage &source, int sx, int sy,
                   RasterOp op = RasterOp::SrcCopy);

private:
    void fillBackground();
    static QPainter::CompositionMode modeFor(RasterOp op);

    QImage m_picture;
    QImage m_image;
    QColor m_backColor = QColor(255, 255, 255);
    QColor m_foreColor = QColor(0, 0, 0);
    QFont m_font;
    QPoint m_current;
};

} // namespace platform
