#include "platform/RealServices.h"

#include "game/Preferences.h"
#include "platform/Files.h"

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
#include <memory>
#include <utility>
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
    // A window that is gone or going cannot carry the box: it then stands
    // on its own.
    if (parent && !parent->isVisible())
        parent = nullptr;
    auto *box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setWindowTitle(title);
    box->setIcon(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon);
    box->setStandardButtons(QMessageBox::Ok);
    // Closed, or gone with its window: either way the box counts once.
    ++m_open;
    m_boxes << box;
    auto counted = std::make_shared<bool>(false);
    const auto closed = [this, counted] {
        if (std::exchange(*counted, true))
            return;
        boxClosed();
    };
    QObject::connect(box, &QDialog::finished, box, closed);
    QObject::connect(box, &QObject::destroyed, closed);
    // Modal to its window (or to the program), but the event loop it runs in
    // is the program's own.
    box->open();
}

QtMessageBoxes::~QtMessageBoxes()
{
    // A box still open goes with the boxes; nothing waits for it any more.
    m_whenAllClosed.clear();
    const QList<QPointer<QMessageBox>> boxes = std::exchange(m_boxes, {});
    for (const QPointer<QMessageBox> &box : boxes)
        delete box.data();
}

void QtMessageBoxes::boxClosed()
{
    m_boxes.removeAll(nullptr);
    if (--m_open > 0)
        return;
    std::vector<std::function<void()>> waiting;
    waiting.swap(m_whenAllClosed);
    for (const auto &then : waiting)
        then();
}

void QtMessageBoxes::whenAllClosed(std::function<void()> then)
{
    if (m_open == 0)
        then();
    else
        m_whenAllClosed.push_back(std::move(then));
}

bool DesktopShell::open(const QString &address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

QString XdgFolders::appDir()
{
    return QCoreApplication::applicationDirPath();
}

QString XdgFolders::configDir()
{
    const QString dir = Preferences::configFolderFor(qEnvironmentVariable("XDG_CONFIG_HOME"),
                                                     qEnvironmentVariable("HOME"));
    if (dir.isEmpty() || !QDir().mkpath(dir))
        return {};
    return dir;
}

QtProgramEnd::QtProgramEnd(QtMessageBoxes &messages) : m_messages(messages)
{
}

void QtProgramEnd::quit()
{
    // A message that says why the game ends is read first.
    m_messages.whenAllClosed(&QtProgramEnd::quitNow);
}

void QtProgramEnd::quitNow()
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

RealServices::RealServices()
    : m_end(m_messages), m_sound(std::make_unique<LazySoundOutput>(modulePaths(QStringLiteral("quadrifoglio-sound.so"))))
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
