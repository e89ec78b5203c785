#include "ui/WindowPlacement.h"

#include "platform/Profile.h"

#include <QStringList>

#include <algorithm>

namespace windowplacement {

namespace {

const QString Section = QStringLiteral("Window");
const QString GeometryKey = QStringLiteral("Geometry");
const QString ModeKey = QStringLiteral("State");

// No screen is this large: a larger number was not written by the game.
constexpr int LargestSide = 100000;

} // namespace

QString geometryText(const QRect &geometry)
{
    return QStringLiteral("%1,%2,%3,%4")
        .arg(geometry.x())
        .arg(geometry.y())
        .arg(geometry.width())
        .arg(geometry.height());
}

std::optional<QRect> parseGeometry(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    int numbers[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || numbers[i] < -LargestSide || numbers[i] > LargestSide)
            return std::nullopt;
    }
    if (numbers[2] <= 0 || numbers[3] <= 0)
        return std::nullopt;
    return QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
}

QString modeText(Mode mode)
{
    switch (mode) {
    case Mode::Normal:
        return QStringLiteral("Normal");
    case Mode::Maximized:
        return QStringLiteral("Maximized");
    case Mode::FullScreen:
        return QStringLiteral("FullScreen");
    }
    return QString();
}

std::optional<Mode> parseMode(const QString &text)
{
    for (Mode mode : {Mode::Normal, Mode::Maximized, Mode::FullScreen}) {
        if (text.compare(modeText(mode), Qt::CaseInsensitive) == 0)
            return mode;
    }
    return std::nullopt;
}

std::optional<Placement> read(const QString &scoreFile)
{
    const auto geometry = parseGeometry(platform::getProfileString(Section, GeometryKey, QString(), scoreFile));
    const auto mode = parseMode(platform::getProfileString(Section, ModeKey, QString(), scoreFile));
    if (!geometry || !mode)
        return std::nullopt;
    return Placement{*geometry, *mode};
}

bool write(const Placement &placement, const std::optional<Placement> &stored, const QString &scoreFile)
{
    bool written = true;
    if (!stored || stored->normal != placement.normal)
        written = platform::writeProfileString(Section, GeometryKey, geometryText(placement.normal), scoreFile);
    if (written && (!stored || stored->mode != placement.mode))
        written = platform::writeProfileString(Section, ModeKey, modeText(placement.mode), scoreFile);
    return written;
}

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
