#include "game/GameClock.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>

namespace play {

std::int32_t ElapsedSince(std::uint32_t startTick, std::uint32_t now)
{
    const std::uint32_t difference = now - startTick; // modulo 2^32
    return static_cast<std::int32_t>(difference / 1000u);
}

std::int16_t CapSeconds(std::int32_t seconds)
{
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(seconds, 0, 32767));
}

QString ClockText(std::int64_t seconds)
{
    return platform::FormatTime(seconds, QStringLiteral("nn")) + QLatin1Char(':')
           + platform::FormatTime(seconds, QStringLiteral("ss"));
}

std::int16_t BarLength(int barWidth, std::int32_t elapsed, int timeLimit)
{
    if (timeLimit <= 0)
        return 0;
    const auto length = platform::tryCInt((barWidth - 4) * (double(elapsed) / timeLimit));
    return length.value_or(elapsed < 0 ? -32768 : 32767);
}

QColor BarRowColor(std::int32_t remaining, int row)
{
    const int v = std::clamp(255 - 5 * row, 0, 255);
    if (remaining == -1)
        return QColor(v, v, v);
    if (remaining >= 0 && remaining <= 15)
        return QColor(v, 0, 0);
    if (remaining >= 16 && remaining <= 30)
        return QColor(v, v, 0);
    return QColor(0, v, 0);
}

Cell CellUnderCorner(QPoint corner, QPoint board)
{
    Cell cell;
    cell.column = int(std::floor((corner.x() - board.x() + 30) / 60.0)) + 1;
    cell.row = int(std::floor((corner.y() - board.y() + 30) / 60.0)) + 1;
    return cell;
}

bool SnapsHome(int index, QPoint corner, QPoint board)
{
    const Cell cell = CellUnderCorner(corner, board);
    return cell.onBoard() && cell.piece() == index;
}

} // namespace play
