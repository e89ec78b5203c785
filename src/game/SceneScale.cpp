#include "game/SceneScale.h"

#include <algorithm>
#include <cmath>

namespace scene {

double scaleFor(QSize deviceInside)
{
    const int w = deviceInside.width();
    const int h = deviceInside.height();
    if (w <= 1024 && h <= 768)
        return 1.0;
    // The classic scene is 800 x 600: its proportions stay.
    const double fits = std::min(w / 800.0, h / 600.0);
    // Quarter steps: the board is then a whole number of pixels (360 x 1.25
    // is 450) and each design row of the Easy stripes is one to a few rows.
    return std::max(1.0, std::floor(fits * 4.0) / 4.0);
}

int devicePixel(int design, double deviceScale)
{
    return int(std::lround(design * deviceScale));
}

QPoint devicePoint(QPoint design, double deviceScale)
{
    return {devicePixel(design.x(), deviceScale), devicePixel(design.y(), deviceScale)};
}

QRect deviceRect(const QRect &design, double deviceScale)
{
    const QPoint topLeft = devicePoint(design.topLeft(), deviceScale);
    const QPoint end = devicePoint(design.topLeft() + QPoint(design.width(), design.height()), deviceScale);
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

} // namespace scene
