#include "ui/WindowPlacement.h"

#include <algorithm>

namespace windowplacement {

QRect fitInside(const QRect &wanted, const QList<QRect> &screens, QSize minimum)
{
    if (screens.isEmpty())
        return wanted;
    QRect screen = screens.front();
    qint64 best = 0;
    for (const QRect &candidate : screens) {
        const QRect common = candidate.intersected(wanted);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > best) {
            best = area;
            screen = candidate;
        }
    }
    const QSize size = wanted.size().expandedTo(minimum).boundedTo(screen.size());
    const int x = std::clamp(wanted.x(), screen.left(), screen.left() + screen.width() - size.width());
    const int y = std::clamp(wanted.y(), screen.top(), screen.top() + screen.height() - size.height());
    return QRect(QPoint(x, y), size);
}

} // namespace windowplacement
