#pragma once

// The sides of the square board the game draws, in device pixels, which
// decide how large a puzzle's picture is worth making.
namespace boardsize {

// The largest board: the one drawn on a 3840 x 2160 screen. A picture made
// for the game is never larger, or it would only be scaled down.
inline constexpr int LargestSide = 1260;

// The board on a 1920 x 1080 screen, the most common. A picture (or the
// square taken from it) smaller than this shows enlarged, and blurred, on
// most screens.
inline constexpr int CommonSide = 630;

} // namespace boardsize
