#include "game/GameClock.h"

#include "game/Numbers.h"

#include <algorithm>
#include <cmath>

namespace gameclock {

int elapsedSeconds(std::uint32_t startTick, std::uint32_t now)
{
    const std::uint32_t difference = now - startTick; // modulo 2^32
    return int(difference / 1000u);
}

int cappedSeconds(int seconds)
{
    return std::clamp(seconds, 0, 32767);
}

QString clockText(qint64 seconds)
{
    return numbers::minutesAndSeconds(seconds);
}

int barLength(int barWidth, int elapsed, int timeLimit)
{
    if (timeLimit <= 0)
        return 0;
    // A stopwatch far beyond the limit still gives a length the bar can take.
    const double length = (barWidth - 4) * (double(elapsed) / timeLimit);
    return int(std::nearbyint(std::clamp(length, -32768.0, 32767.0)));
}

QColor barRowColor(int remaining, int row)
{
    const int v = std::clamp(255 - 5 * row, 0, 255);
    if (remaining == NewGameBar)
        return QColor(v, v, v);
    if (isWarning(remaining))
        return QColor(v, 0, 0);
    if (remaining > WarningSeconds && remaining <= CautionSeconds)
        return QColor(v, v, 0);
    return QColor(0, v, 0);
}

bool isWarning(int remaining)
{
    return remaining >= 0 && remaining <= WarningSeconds;
}

} // namespace gameclock
