#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <optional>

// Where the game's window was at the end of the last game: its size and
// place when it is an ordinary window, and whether it was maximized or
// filling the screen. Kept in the score file's [Window] section.
namespace windowplacement {

enum class Mode { Normal, Maximized, FullScreen };

struct Placement
{
    QRect normal; // the ordinary window's frame-less geometry
    Mode mode = Mode::Maximized;
    bool operator==(const Placement &) const = default;
};

// The stored placement, or none when the section is missing or was edited
// into something that is not a placement.
std::optional<Placement> read(const QString &scoreFile);

// Writes the placement when it differs from `stored` (each key only when
// its own value changed); every other line of the file stays as it was.
// False when the file could not be written.
bool write(const Placement &placement, const std::optional<Placement> &stored,
           const QString &scoreFile);

// The values as stored: "left,top,width,height" and the mode's name.
QString geometryText(const QRect &geometry);
std::optional<QRect> parseGeometry(const QString &text);
QString modeText(Mode mode);
std::optional<Mode> parseMode(const QString &text);

// `wanted` moved and shrunk as little as needed to lie inside one of
// `screens` (their available areas): the one it overlaps most, else the
// first. Never smaller than `minimum` unless that screen is.
QRect fitInside(const QRect &wanted, const QList<QRect> &screens, QSize minimum);

} // namespace windowplacement
