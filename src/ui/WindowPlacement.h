#pragma once

#include <QList>
#include <QRect>

// Where the game's window goes on the screens there are now.
namespace windowplacement {

// `wanted` moved and shrunk as little as needed to lie inside one of
// `screens` (their available areas): the one it overlaps most, else the
// first. Never smaller than `minimum` unless that screen is.
QRect fitInside(const QRect &wanted, const QList<QRect> &screens, QSize minimum);

} // namespace windowplacement
