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

int Scale::px(int design) const
{
    return int(std::lround(design * factor));
}

QRect Scale::rect(const QRect &design) const
{
    const QPoint topLeft = point(design.topLeft());
    const QPoint end = point(design.topLeft() + QPoint(design.width(), design.height()));
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

QPoint Scale::toDesign(QPoint scaled) const
{
    return {int(std::lround(scaled.x() / factor)), int(std::lround(scaled.y() / factor))};
}

} // namespace scene
