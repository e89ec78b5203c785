#pragma once

class QWidget;

// The game's small windows (the end of a game, About, How to play) are laid
// out for the classic scene; on a larger scene they grow with it, so that
// their type stays as large beside the board as it always was.
namespace dialogscale {

// Grows `window`, laid out at scale 1, by `factor`: its type, its fixed and
// least sizes, its layouts' margins and spacing and its buttons' icons.
// Nothing changes at a factor of 1.
void grow(QWidget *window, double factor);

} // namespace dialogscale
