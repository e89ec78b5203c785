#pragma once

#include <QColor>
#include <QString>

#include <cstdint>

// The arithmetic of the game clock and its time bar.
namespace gameclock {

// The clock ticks five times a second, ten times in the last fifteen seconds.
inline constexpr int TickInterval = 200;
inline constexpr int WarningTickInterval = 100;

// From fifteen seconds left the bar turns red and the clock ticks faster.
inline constexpr int WarningSeconds = 15;
// From thirty seconds left the bar turns yellow.
inline constexpr int CautionSeconds = 30;

// The bar's grey of a new game is asked for with this many seconds left.
inline constexpr int NewGameBar = -1;

// Whole seconds from one tick count to another. The count is 32 bits of
// milliseconds and wraps after about 49.7 days: the difference is taken with
// wrap-around, so a game that spans the wrap still counts right.
int elapsedSeconds(std::uint32_t startTick, std::uint32_t now);

// A game's time as it is reported and stored: a stopwatch left running for
// more than nine hours stops at 32767, the largest time the score file's
// readers have ever taken.
int cappedSeconds(int seconds);

// "mm:ss": minutes and seconds within the hour, two digits each. A negative
// count reads back from the hour, as a clock run backwards does.
QString clockText(qint64 seconds);

// The coloured length of a bar `barWidth` wide after `elapsed` of `timeLimit`
// seconds: (width - 4) x elapsed / limit, halves rounded to even.
int barLength(int barWidth, int elapsed, int timeLimit);

// The colour of row `row` of the bar with `remaining` seconds left: grey for
// a new game, red in the warning seconds, yellow from thirty, green before.
// Each row is 5 darker than the one above; channels stop at 0.
QColor barRowColor(int remaining, int row);

// True in the last fifteen seconds (zero included).
bool isWarning(int remaining);

} // namespace gameclock
