#pragma once

#include "game/Preferences.h"
#include "platform/Services.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

// Fakes of the system services: a clock that moves only when told, a screen
// of any size, message boxes that record and return at once, a shell and a
// sound output that record what they were given.

class FakeClock final : public platform::Clock
{
public:
    std::uint32_t tick = 1000;

    std::uint32_t tickCount() override { return tick; }
    void singleShot(int milliseconds, QObject *context, std::function<void()> done) override
    {
        m_pending.append({tick + std::uint32_t(milliseconds), context, std::move(done)});
    }
    // Moves the time on, running every timer that falls due, in order.
    void advance(std::uint32_t ms)
    {
        const std::uint32_t target = tick + ms;
        for (;;) {
            qsizetype next = -1;
            for (qsizetype i = 0; i < m_pending.size(); ++i) {
                if (std::int32_t(m_pending[i].due - target) <= 0
                    && (next < 0 || std::int32_t(m_pending[i].due - m_pending[next].due) < 0))
                    next = i;
            }
            if (next < 0)
                break;
            const Pending due = m_pending.takeAt(next);
            tick = due.due;
            if (due.context)
                due.done();
        }
        tick = target;
    }
    int pendingTimers() const { return int(m_pending.size()); }

private:
    struct Pending
    {
        std::uint32_t due = 0;
        QPointer<QObject> context;
        std::function<void()> done;
    };
    QList<Pending> m_pending;
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
    platform::MessageIcon icon = platform::MessageIcon::None;
    QString title;
};

class FakeMessageBoxes final : public platform::MessageBoxes
{
public:
    QList<ShownMessage> shown;
    void show(QWidget *, const QString &text, platform::MessageIcon icon, const QString &title) override
    {
        shown.append({text, icon, title});
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
    // Runs as each cue starts, for tests that act at that moment.
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
    QString config;
    QString appDir() override { return app; }
    QString configDir() override { return config; }
};

class FakeEnd final : public platform::ProgramEnd
{
public:
    int quits = 0;
    void quit() override { ++quits; }
};

// Preferences kept in memory; every write fails with `failure` when it is set.
class FakeSettings final : public SettingsStore
{
public:
    QMap<QString, QString> values; // "section/key"
    std::optional<SaveFailure> failure;
    QString where = QStringLiteral("/home/ann/.config/Quadrifoglio.sco");

    QString location() const override { return where; }
    QString value(const QString &section, const QString &key, const QString &fallback) override
    {
        return values.value(section + u'/' + key, fallback);
    }
    std::optional<SaveFailure> setValue(const QString &section, const QString &key,
                                        const QString &value) override
    {
        if (!failure)
            values[section + u'/' + key] = value;
        return failure;
    }
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
