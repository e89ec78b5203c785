#pragma once

#include "platform/Services.h"

#include <memory>

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

class QtMessageBoxes final : public MessageBoxes
{
public:
    void show(QWidget *parent, const QString &text, MessageIcon icon, const QString &title) override;
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

class QtProgramEnd final : public ProgramEnd
{
public:
    void quit() override;
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

// The configuration folder for a given environment; empty when neither
// XDG_CONFIG_HOME (absolute) nor HOME is set. Does not create anything.
QString configFolderFor(const QString &xdgConfigHome, const QString &home);

} // namespace platform
