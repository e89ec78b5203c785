#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Numbers as the score file stores them: the lenient numeric test used on
// stored values, and the 16-bit range its readers have always taken.
namespace numbers {

// Rounds to the nearest whole number, a half to the even neighbour; nullopt
// when the result does not fit 16 bits (or the value is not finite).
std::optional<std::int16_t> toInt16(double value);

// The value of text that reads as a number: surrounding spaces, a sign, a
// decimal fraction and an exponent are accepted ("  3 ", "-2.5", "1e2");
// nullopt for an empty or blank text, or anything else.
std::optional<double> numberValue(const QString &text);

// Minutes and seconds within the hour, "mm:ss". A negative count reads back
// from the hour, as a clock run backwards does.
QString minutesAndSeconds(qint64 seconds);

// Removes spaces (only spaces) on the right, or on both sides.
QString trimTrailingSpaces(const QString &text);
QString trimSpaces(const QString &text);

} // namespace numbers
