#pragma once

#include <QColor>
#include <QPoint>
#include <QString>

#include <cstdint>

// The arithmetic of play: the clock, the time bar and the snap test. The
// window's handlers call these; they hold no state.
namespace play {

// Whole seconds from one tick count to another. The count is 32 bits of
// milliseconds and wraps after about 49.7 days: the difference is taken
// with wrap-around, so a game that spans the wrap still counts right.
std::int32_t ElapsedSince(std::uint32_t startTick, std::uint32_t now);

// Seconds as the 16-bit ElapsedSeconds holds them: a stopwatch left running
// for more than nine hours stops at 32767 instead of overflowing.
std::int16_t CapSeconds(std::int32_t seconds);

// "nn:ss" of a time of day given in seconds: minutes and seconds within the
// hour, two digits each (the countdown and the stopwatch label).
QString ClockText(std::int64_t seconds);

// The coloured length of the time bar: (width - 4) x elapsed / limit,
// rounded halves to even.
std::int16_t BarLength(int barWidth, std::int32_t elapsed, int timeLimit);

// The colour of row `row` of the bar: grey for a new game (remaining -1),
// red from 15 seconds left, yellow from 30, green before. Each row is 5
// darker than the one above; channels stop at 0 on a bar taller than 51 rows.
QColor BarRowColor(std::int32_t remaining, int row);

// The grid cell (row and column from 1) under a piece window's top-left
// corner dropped at `corner`, the board's corner at `board`: the corner is
// rounded to the nearest grid line, so the cell takes corners within
// [-30, +30) of its own corner on each axis.
struct Cell
{
    int row = 0;
    int column = 0;
    bool onBoard() const { return row >= 1 && row <= 6 && column >= 1 && column <= 6; }
    int piece() const { return 6 * (row - 1) + column; }
};
Cell CellUnderCorner(QPoint corner, QPoint board);

// True when piece `index` dropped with its corner at `corner` lands in its
// own cell.
bool SnapsHome(int index, QPoint corner, QPoint board);

} // namespace play
