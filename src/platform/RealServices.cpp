#include "platform/RealServices.h"

#include "platform/AudioOutput.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <ctime>

namespace platform {

std::uint32_t SystemClock::tickCount()
{
    // Milliseconds since the system started, in 32 bits: it wraps after
    // about 49.7 days, and the clock code takes differences with wrap-around.
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const auto ms = static_cast<std::uint64_t>(ts.tv_sec) * 1000u
                    + static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

void SystemClock::singleShot(int milliseconds, QObject *context, std::function<void()> done)
{
    QTimer::singleShot(milliseconds, context, std::move(done));
}

QSize QtScreen::sizePixels()
{
    // In device pixels: a desktop scaled to 200 % has a small logical screen
    // but all the pixels of its display.
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? (QSizeF(screen->geometry().size()) * screen->devicePixelRatio()).toSize() : QSize();
}

void QtMessageBoxes::show(QWidget *parent, const QString &text, MessageIcon icon, const QString &title)
{
    QMessageBox box(parent);
    box.setTextFormat(Qt::PlainText);
    // The texts break their lines with CR LF; a bare CR would show as a box.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box.setText(shown);
    box.setWindowTitle(title);
    box.setIcon(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool DesktopShell::open(const QString &address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

QString configFolderFor(const QString &xdgConfigHome, const QString &home)
{
    if (!xdgConfigHome.isEmpty() && QDir::isAbsolutePath(xdgConfigHome))
        return QDir::cleanPath(xdgConfigHome);
    if (!home.isEmpty())
        return QDir::cleanPath(home + QLatin1String("/.config"));
    return {};
}

QString XdgFolders::appDir()
{
    return QCoreApplication::applicationDirPath();
}

QString XdgFolders::configDir()
{
    const QString dir = configFolderFor(qEnvironmentVariable("XDG_CONFIG_HOME"),
                                        qEnvironmentVariable("HOME"));
    if (dir.isEmpty() || !QDir().mkpath(dir))
        return {};
    return dir;
}

void QtProgramEnd::quit()
{
    // Leaves any running event loop now, and the main loop as soon as it
    // starts if it has not started yet.
    QCoreApplication::exit(0);
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
}

RealServices::RealServices() : m_sound(makeAudioOutput())
{
    m_services.clock = &m_clock;
    m_services.screen = &m_screen;
    m_services.messages = &m_messages;
    m_services.shell = &m_shell;
    m_services.sound = m_sound.get();
    m_services.folders = &m_folders;
    m_services.end = &m_end;
}

RealServices::~RealServices() = default;

} // namespace platform
