#pragma once

#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QString>

namespace platform {
class SoundOutput;
}

// The data the game carries inside itself (Qt resources under ":/res"): the
// text table, the sound cues, cursors, icons, the edge bitmaps of the pieces,
// the background texture and the pictures of the About window. Numbers are
// the ids the files are named by.
namespace assets {

// The short sounds of the game, by the events they mark.
enum class Cue : int {
    PieceTaken = 201,    // a piece picked up, and a piece snapping home
    PieceReturned = 202, // a piece dropped elsewhere goes back
    Click = 203,         // a level, the timer switch, the colour button
    GameStarted = 204,
    TimeOver = 206,
    Window = 207,        // the 3-D switch and the About window
    BoardReset = 208,    // back to the start screen
    PuzzleSolved = 210,
    TimeWarning = 211,   // once a second in the last fifteen seconds
};

// The WAV file of a cue, byte for byte; empty when it is missing.
QByteArray cueData(Cue cue);

// Hands a cue to the sound output and returns at once; a missing output or
// cue is silence.
void playCue(platform::SoundOutput *output, Cue cue);

enum class Icon : int {
    Clover = 1,
    Hourglass = 502, // the wait shown while the picture loads
    Happy = 503,     // solved
    Content = 504,   // solved, record not beaten
    Sad = 505,       // time over
};

// A 32 x 32 icon; a null image when it is missing.
QImage icon(Icon id);

// The game's own icon for its windows and the desktop, at 32 x 32 and 256 x 256.
QIcon programIcon();
// Makes it the icon of every window of the application, once.
void useProgramIcon();

// The 3-D edge drawn over a piece of outline shape 1-23 (pure red is
// transparent); a null image when it is missing. Decoded once.
QImage edgeBitmap(int shape);

// The light marble the window's background is tiled with; null when missing.
QImage backgroundTexture();

// A picture of the About window: "logo", "icona", "image1", "image2".
QImage aboutPicture(const QString &name);

enum class Cursor : int {
    OpenHand = 100,     // over a loose piece
    ClosedHand = 101,   // dragging a piece
    PointingHand = 102, // over buttons and links
};

// The cursor with its hot spot; the system's own hand when the picture is missing.
QCursor cursor(Cursor id);
QPoint cursorHotSpot(Cursor id);

// The game's own font, which every text of the scene and of its windows is
// drawn in on every desktop: Liberation Sans (metric-compatible with Arial,
// SIL Open Font License), carried in the game's resources.
inline constexpr char FontFamily[] = "Liberation Sans";

// Loads the game's font (once) and makes it the one the code's "Arial" and
// the application's default stand for. Needs a GUI application; true when
// the font is there.
bool useGameFont();

} // namespace assets
