#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalSocket>

namespace platform {

namespace {

QString baseName(const QString &folder, const QString &key)
{
    // A socket's path is short (108 bytes): the key goes in as a digest.
    const QByteArray digest =
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return folder + QLatin1String("/quadrifoglio-") + QLatin1String(digest);
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

bool SingleInstance::claim()
{
    if (!m_lock.tryLock(0)) {
        // Only a lock held by a live game means one is running; a lock that
        // cannot be made at all (a full or foreign runtime folder) guards
        // nothing, and this game starts unguarded rather than not at all.
        if (m_lock.error() != QLockFile::LockFailedError)
            return true;
        // The running game listens from the moment it holds the lock.
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(1000))
            socket.disconnectFromServer();
        return false;
    }
    // A socket left by a game that was killed is in the way.
    QLocalServer::removeServer(m_socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *caller = m_server.nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            caller->disconnectFromServer();
            emit comeForward();
        }
    });
    m_server.listen(m_socketPath);
    return true;
}

} // namespace platform
