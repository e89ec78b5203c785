#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <cstdint>

class QWidget;

namespace platform {

// The services the game takes from the system. Each has one interface, a real
// implementation (RealServices.h) and a fake for the tests, so that a countdown
// of five minutes takes no real time and a message box never blocks.

// Millisecond tick count (wraps at 2^32) and a blocking pause.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual std::uint32_t tickCount() = 0;
    virtual void sleep(int milliseconds) = 0;
};

// The size of the screen in pixels.
class Screen
{
public:
    virtual ~Screen() = default;
    virtual QSize sizePixels() = 0;
};

// Message box styles, added together as the game writes them (16 = critical
// stop with an OK button).
enum MessageStyle : int {
    MbOkOnly = 0,
    MbCritical = 16,
};

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal message box and returns when the player has closed it.
    // An empty title means the box carries no title of its own.
    virtual void show(QWidget *parent, const QString &text, int style, const QString &title) = 0;
};

// Hands a web or mailto: address to the desktop's default handler.
class Shell
{
public:
    virtual ~Shell() = default;
    virtual bool open(const QString &address) = 0;
};

// Asynchronous playback of a complete WAV image. A new sound cuts off the one
// playing; a sound that cannot be played is skipped silently. Must return at
// once.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    virtual void play(int id, const QByteArray &wav) = 0;
};

// The program's own folder and the folder that holds the score file.
class Folders
{
public:
    virtual ~Folders() = default;
    virtual QString appDir() = 0;
    // Empty when no such folder can be had.
    virtual QString windowsDir() = 0;
};

// Ends the program at once (no unload handler runs).
class ProgramEnd
{
public:
    virtual ~ProgramEnd() = default;
    virtual void endProgram() = 0;
};

// The whole set, handed to the game at start-up.
struct Services
{
    Clock *clock = nullptr;
    Screen *screen = nullptr;
    MessageBoxes *messages = nullptr;
    Shell *shell = nullptr;
    SoundOutput *sound = nullptr;
    Folders *folders = nullptr;
    ProgramEnd *end = nullptr;
};

// Screen units of the forms: 15 twips to a pixel.
inline constexpr int TwipsPerPixel = 15;

} // namespace platform
