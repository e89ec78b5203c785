#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSocketNotifier>

#include <cstring>
#include <optional>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

namespace {

QString baseName(const QString &folder, const QString &key)
{
    // A socket's path is short (108 bytes): the key goes in as a digest.
    const QByteArray digest =
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return folder + QLatin1String("/quadrifoglio-") + QLatin1String(digest);
}

// The socket's address, or none when the path does not fit in one.
std::optional<sockaddr_un> addressOf(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty() || size_t(name.size()) >= sizeof(address.sun_path))
        return std::nullopt;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return address;
}

} // namespace

SingleInstance::SingleInstance(const QString &folder, const QString &key, QObject *parent)
    : QObject(parent), m_socketPath(baseName(folder, key) + QLatin1String(".socket")),
      m_lock(baseName(folder, key) + QLatin1String(".lock"))
{
    // Held for a whole game, however long: only the end of the process
    // holding it (seen through its process id) makes it stale.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (m_listener < 0)
        return;
    delete m_callers;
    ::close(m_listener);
    // Still under the lock, released after this: the socket is ours to remove.
    ::unlink(QFile::encodeName(m_socketPath).constData());
}

bool SingleInstance::claim()
{
    if (!m_lock.tryLock(0)) {
        // Only a lock held by a live game means one is running; a lock that
        // cannot be made at all (a full or foreign runtime folder) guards
        // nothing, and this game starts unguarded rather than not at all.
        if (m_lock.error() != QLockFile::LockFailedError)
            return true;
        // The running game listens from the moment it holds the lock. A
        // connection to a local socket is made or refused at once; the
        // running game comes forward when it accepts it.
        const auto address = addressOf(m_socketPath);
        const int caller = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (address && caller >= 0)
            ::connect(caller, reinterpret_cast<const sockaddr *>(&*address), sizeof(*address));
        if (caller >= 0)
            ::close(caller);
        return false;
    }
    listen();
    return true;
}

void SingleInstance::listen()
{
    // Without a socket the game still runs; later starts are still turned
    // away by the lock, they only cannot bring it forward.
    const auto address = addressOf(m_socketPath);
    if (!address)
        return;
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listener < 0)
        return;
    // A socket left by a game that was killed is in the way. The socket file
    // is the user's alone: its mode is set before bind creates it.
    ::unlink(address->sun_path);
    if (::fchmod(listener, S_IRUSR | S_IWUSR) != 0
        || ::bind(listener, reinterpret_cast<const sockaddr *>(&*address), sizeof(*address)) != 0
        || ::listen(listener, 8) != 0) {
        ::close(listener);
        return;
    }
    m_listener = listener;
    m_callers = new QSocketNotifier(qintptr(listener), QSocketNotifier::Read);
    connect(m_callers, &QSocketNotifier::activated, this, &SingleInstance::answerCallers);
}

void SingleInstance::answerCallers()
{
    // Every later start that called is one request to come forward; the
    // caller has already gone, nothing is read or written.
    int caller;
    while ((caller = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) {
        ::close(caller);
        emit comeForward();
    }
}

} // namespace platform
