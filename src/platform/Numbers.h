#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace platform {

// Numbers as the game computes them: 16-bit integers, rounding halves to the
// even neighbour, and the lenient numeric test used on stored values.

// Rounds to the nearest whole number, a half to the even neighbour; nullopt
// when the result does not fit 16 bits (or the value is not finite).
std::optional<std::int16_t> tryRoundToInt16(double value);

// As tryRoundToInt16, but an overflow raises RuntimeError ErrOverflow.
std::int16_t roundToInt16(double value);

// The 32-bit counterpart, used for colours and rectangles.
std::int32_t roundToInt32(double value);

// True for text that reads as a number: surrounding spaces, a sign, a decimal
// fraction and an exponent are accepted ("  3 ", "-2.5", "1e2"); an empty or
// blank text is not a number.
bool isNumber(const QString &text);

// The value of a text that passes isNumber; nullopt otherwise.
std::optional<double> numberValue(const QString &text);

// Formats a number of seconds as a time of day with a pattern made of the
// fields hh (hours), nn or mm (minutes) and ss (seconds), two digits each,
// and any other characters taken literally. The day wraps at 24 hours and a
// negative count counts back from midnight, as a date value does.
QString formatTimeOfDay(qint64 seconds, const QString &pattern);

// Removes spaces (only spaces) on the left, on the right, or both.
QString trimLeadingSpaces(const QString &text);
QString trimTrailingSpaces(const QString &text);
QString trimSpaces(const QString &text);

} // namespace platform
