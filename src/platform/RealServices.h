#pragma once

#include "platform/Services.h"

#include <QList>
#include <QMessageBox>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

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

// Every real service, owned in one place by main().
class RealServices
{
public:
    RealServices();
    ~RealServices();
    Services &services() { return m_services; }

private:
    SystemClock m_clock;
    QtScreen m_screen;
    QtMessageBoxes m_messages;
    DesktopShell m_shell;
    XdgFolders m_folders;
    QtProgramEnd m_end;
    std::unique_ptr<SoundOutput> m_sound;
    Services m_services;
};

} // namespace platform
