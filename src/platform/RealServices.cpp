#include "platform/RealServices.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
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

namespace {
std::atomic<bool> g_soundLeftBehind = false;
} // namespace

LazySoundOutput::LazySoundOutput(QStringList modulePaths) : m_paths(std::move(modulePaths))
{
    // The module is never unloaded: a sound thread left behind still runs its code.
    m_library.setLoadHints(QLibrary::PreventUnloadHint);
}

LazySoundOutput::~LazySoundOutput()
{
    if (m_loader) {
        // Loading a library takes milliseconds; it has to end before the
        // library object goes.
        m_loader->wait();
        delete m_loader;
    }
    m_output.reset();
    if (m_leftBehind && m_leftBehind())
        g_soundLeftBehind = true;
}

void LazySoundOutput::prepare()
{
    if (m_state != State::NotLoaded)
        return;
    m_state = State::Loading;
    m_loader = QThread::create([this] {
        for (const QString &path : std::as_const(m_paths)) {
            m_library.setFileName(path);
            if (m_library.load())
                return;
        }
    });
    m_loader->setObjectName(QStringLiteral("sound loader"));
    QObject::connect(m_loader, &QThread::finished, &m_context,
                     [this] { moduleLoaded(m_library.isLoaded()); });
    m_loader->start(QThread::LowPriority);
}

void LazySoundOutput::moduleLoaded(bool found)
{
    const auto make = found ? reinterpret_cast<SoundOutputFactory>(m_library.resolve(QUADRIFOGLIO_SOUND_NEW))
                            : nullptr;
    m_leftBehind = found ? reinterpret_cast<SoundLeftBehindQuery>(m_library.resolve(QUADRIFOGLIO_SOUND_LEFT_BEHIND))
                         : nullptr;
    if (!make) {
        m_state = State::Missing;
        std::fprintf(stderr, "Quadrifoglio: no sound, the sound module did not load (%s)\n",
                     qPrintable(m_library.errorString()));
        m_waiting.reset();
        return;
    }
    m_output.reset(make());
    m_state = State::Ready;
    if (m_waiting) {
        auto [id, wav] = std::move(*m_waiting);
        m_waiting.reset();
        m_output->play(id, wav);
    }
}

void LazySoundOutput::play(int id, const QByteArray &wav)
{
    switch (m_state) {
    case State::Ready:
        m_output->play(id, wav);
        return;
    case State::Missing:
        return;
    case State::NotLoaded:
        prepare();
        [[fallthrough]];
    case State::Loading:
        // Only the newest cue is worth playing late.
        m_waiting.emplace(id, wav);
        return;
    }
}

bool soundModuleThreadLeftBehind()
{
    return g_soundLeftBehind;
}

int endProgram(int code)
{
    if (g_soundLeftBehind) {
        // Everything of the game's own is saved and closed by now.
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}

namespace {

// Beside the game in a build or an installation, in lib/ in a portable copy.
QStringList soundModulePaths()
{
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir + QLatin1String("/quadrifoglio-sound.so"), dir + QLatin1String("/lib/quadrifoglio-sound.so")};
}

} // namespace

RealServices::RealServices() : m_sound(std::make_unique<LazySoundOutput>(soundModulePaths()))
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
