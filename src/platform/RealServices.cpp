#include "platform/RealServices.h"

#include "game/Preferences.h"
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

RealServices::RealServices() : m_end(m_messages), m_sound(makeAudioOutput())
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
