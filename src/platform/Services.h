#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>

class QObject;
class QWidget;

namespace platform {

// The services the game takes from the system. Each has one interface, a real
// implementation (RealServices.h) and a fake for the tests, so that a countdown
// of five minutes takes no real time and a message box never blocks.

// The millisecond tick count (it wraps at 2^32) and one-off timers on it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual std::uint32_t tickCount() = 0;
    // Calls `done` once, `milliseconds` from now, on the interface thread;
    // never when `context` is gone by then.
    virtual void singleShot(int milliseconds, QObject *context, std::function<void()> done) = 0;
};

// The screen's size in device pixels.
class Screen
{
public:
    virtual ~Screen() = default;
    virtual QSize sizePixels() = 0;
};

enum class MessageIcon { None, Critical };

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // Opens a modal message box with an OK button and returns at once; the
    // box stays until the player closes it (a program that ends meanwhile
    // waits for that). An empty title means the box carries no title of its own.
    virtual void show(QWidget *parent, const QString &text, MessageIcon icon,
                      const QString &title) = 0;
};

// Hands a web or mailto: address to the desktop's default handler.
class Shell
{
public:
    virtual ~Shell() = default;
    virtual bool open(const QString &address) = 0;
};

// Asynchronous playback of a complete WAV image. A new sound cuts off the one
// playing; a sound that cannot be played is skipped silently. Returns at once.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    virtual void play(int id, const QByteArray &wav) = 0;
};

// The game's own folder (where the puzzle lies) and the user's configuration
// folder (where the score file lies).
class Folders
{
public:
    virtual ~Folders() = default;
    virtual QString appDir() = 0;
    // Empty when no such folder can be had.
    virtual QString configDir() = 0;
};

// Ends the program: leaves the event loop, now or as soon as it starts.
class ProgramEnd
{
public:
    virtual ~ProgramEnd() = default;
    virtual void quit() = 0;
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

} // namespace platform
