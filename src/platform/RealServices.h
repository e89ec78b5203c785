#pragma once

#include "platform/Services.h"
#include "platform/SoundModule.h"

#include <QLibrary>
#include <QObject>

#include <QList>
#include <QMessageBox>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QThread;

namespace platform {

class SystemClock final : public Clock
{
public:
    std::uint32_t tickCount() override;
    void singleShot(int milliseconds, QObject *context, std::function<void()> done) override;
};

class QtScreen final : public Screen
{
public:
    QSize sizePixels() override;
};

// Boxes opened with open(): show() returns at once, the box stays until the
// player closes it.
class QtMessageBoxes final : public MessageBoxes
{
public:
    QtMessageBoxes() = default;
    QtMessageBoxes(const QtMessageBoxes &) = delete;
    QtMessageBoxes &operator=(const QtMessageBoxes &) = delete;
    ~QtMessageBoxes() override;
    void show(QWidget *parent, const QString &text, MessageIcon icon, const QString &title) override;
    // Runs `then` once no box is open any more (at once when none is).
    void whenAllClosed(std::function<void()> then);

private:
    void boxClosed();

    int m_open = 0;
    QList<QPointer<QMessageBox>> m_boxes;
    std::vector<std::function<void()>> m_whenAllClosed;
};

class DesktopShell final : public Shell
{
public:
    bool open(const QString &address) override;
};

// The folder of the executable, and the user's configuration folder
// ($XDG_CONFIG_HOME, else ~/.config), created when missing: a per-user file
// keeps one user from rewriting another's records.
class XdgFolders final : public Folders
{
public:
    QString appDir() override;
    QString configDir() override;
};

// Ends the program once the player has closed every open message box.
class QtProgramEnd final : public ProgramEnd
{
public:
    explicit QtProgramEnd(QtMessageBoxes &messages);
    void quit() override;

private:
    static void quitNow();
    QtMessageBoxes &m_messages;
};

// The system's sound output, from the sound module (SoundModule.h), which is
// loaded on a thread of its own once prepare() is called, so that the
// window's first frame never waits for the sound stack. A cue handed over
// while the module is on its way plays as soon as it is there (only the
// newest one); without the module every cue is skipped silently.
class LazySoundOutput final : public SoundOutput
{
public:
    // `modulePaths`: where the module may lie, the first found is loaded.
    explicit LazySoundOutput(QStringList modulePaths);
    ~LazySoundOutput() override;
    LazySoundOutput(const LazySoundOutput &) = delete;
    LazySoundOutput &operator=(const LazySoundOutput &) = delete;

    // Starts loading the module in the background; once only.
    void prepare();
    void play(int id, const QByteArray &wav) override;

    enum class State { NotLoaded, Loading, Ready, Missing };
    State state() const { return m_state; }

private:
    void moduleLoaded(bool found);

    QStringList m_paths;
    QLibrary m_library;
    State m_state = State::NotLoaded;
    QThread *m_loader = nullptr;
    QObject m_context; // the loader's report comes back to it
    std::unique_ptr<SoundOutput> m_output;
    SoundLeftBehindQuery m_leftBehind = nullptr;
    std::optional<std::pair<int, QByteArray>> m_waiting;
};

// Every real service, owned in one place by main().
class RealServices
{
public:
    RealServices();
    ~RealServices();
    Services &services() { return m_services; }
    // Loads the sound module in the background (see LazySoundOutput).
    void prepareSound() { m_sound->prepare(); }

private:
    SystemClock m_clock;
    QtScreen m_screen;
    QtMessageBoxes m_messages;
    DesktopShell m_shell;
    XdgFolders m_folders;
    QtProgramEnd m_end;
    std::unique_ptr<LazySoundOutput> m_sound;
    Services m_services;
};

// The last step of main(), once every window and service is gone: returns
// `code` for main to return. When the sound module had to leave its thread
// behind, the multimedia library's teardown at exit would wait for its call
// (up to half a minute), so the process ends here at once instead, with `code`.
int endProgram(int code);
bool soundModuleThreadLeftBehind();

} // namespace platform
