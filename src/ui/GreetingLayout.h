#pragma once

#include "game/GiftSettings.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

// How the message panel above the board lays out a greeting: the box, the
// font and the wrapping the game uses, shared with the puzzle maker so that
// the maker can tell a gift-maker, before the friend sees it, whether the
// greeting shows whole.
namespace greetinglayout {

// The greeting's box inside the 380 x 76 panel, in design pixels: one line
// of pins above and one below leave room for about three lines of text.
inline constexpr QRect TextBox{12, 10, 356, 56};
// The type of a greeting (the game's name alone is shown larger).
inline constexpr double GreetingPointSize = 10;

// The greeting's font: Arial, for which the game's own font stands in on
// every desktop (assets::useGameFont).
QFont greetingFont();

// The panel's font for each style of Matrix.dat's line: the greeting in
// GreetingPointSize, the game's name in 28 points (bold italic when the line
// holds only the language).
QFont fontFor(gift::Greeting::Style style);

// Centred both ways, wrapped at word boundaries, as a plain-text label draws
// it.
int textFlags();

// The lines `text` is broken into inside TextBox in `font`, at the design
// scale, each without the spaces it ends in. The panel shows these lines at
// any scale, so that where a greeting breaks never depends on the screen.
QStringList lines(const QString &text, const QFont &font = greetingFont());

// True when `text`, laid out in `font` inside TextBox, is not cut: no line
// wider than the box, no line below it.
bool fits(const QString &text, const QFont &font = greetingFont());

// The number of characters (as a reader counts them: an accented letter or
// an emoji is one) of `text`, and of its longest beginning that fits.
int characterCount(const QString &text);
int charactersThatFit(const QString &text, const QFont &font = greetingFont());

// The characters of `text` that neither `font` nor any font the desktop
// falls back to can draw (each once, in order): they would show as boxes.
QStringList charactersWithoutGlyph(const QString &text, const QFont &font = greetingFont());

} // namespace greetinglayout
