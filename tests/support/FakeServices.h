#pragma once

#include "platform/Services.h"

#include <QList>
#include <QString>

#include <functional>

// Fakes of the system services: a clock that moves only when told (or when
// the game sleeps), a screen of any size, message boxes that record and
// return at once, a shell and a sound output that record what they were given.

class FakeClock final : public platform::Clock
{
public:
    std::uint32_t tick = 1000;
    QList<int> sleeps;
    // Runs at each pause, after the time has moved on.
    std::function<void(int)> onSleep;
    std::uint32_t tickCount() override { return tick; }
    void sleep(int milliseconds) override
    {
        sleeps << milliseconds;
        tick += std::uint32_t(milliseconds);
        if (onSleep)
            onSleep(milliseconds);
    }
    void advance(std::uint32_t ms) { tick += ms; }
};

class FakeScreen final : public platform::Screen
{
public:
    QSize size{1024, 768};
    QSize sizePixels() override { return size; }
};

struct ShownMessage
{
    QString text;
    int style = 0;
    QString title;
};

class FakeMessageBoxes final : public platform::MessageBoxes
{
public:
    QList<ShownMessage> shown;
    // Runs while the box is "open", for tests that act at that moment.
    std::function<void(const ShownMessage &)> onShow;
    void show(QWidget *, const QString &text, int style, const QString &title) override
    {
        shown.append({text, style, title});
        if (onShow)
            onShow(shown.last());
    }
};

class FakeShell final : public platform::Shell
{
public:
    QStringList opened;
    bool succeeds = true;
    bool open(const QString &address) override
    {
        opened << address;
        return succeeds;
    }
};

class FakeSound final : public platform::SoundOutput
{
public:
    QList<int> played;
    QByteArray lastBytes;
    // Runs as each cue starts, for tests that act while a cue plays.
    std::function<void(int)> onPlay;
    void play(int id, const QByteArray &bytes) override
    {
        played << id;
        lastBytes = bytes;
        if (onPlay)
            onPlay(id);
    }
};

class FakeFolders final : public platform::Folders
{
public:
    QString app;
    QString windows;
    QString appDir() override { return app; }
    QString windowsDir() override { return windows; }
};

class FakeEnd final : public platform::ProgramEnd
{
public:
    int ends = 0;
    void endProgram() override { ++ends; }
};

class FakeServices
{
public:
    platform::Services &services() { return m_services; }

    FakeClock clock;
    FakeScreen screen;
    FakeMessageBoxes messages;
    FakeShell shell;
    FakeSound sound;
    FakeFolders folders;
    FakeEnd end;

private:
    platform::Services m_services{&clock, &screen, &messages, &shell, &sound, &folders, &end};
};
