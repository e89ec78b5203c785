#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace platform {

// One game at a time for each score file: two games writing the same file
// would lose each other's records. The first start holds a lock and listens
// on a Unix-domain socket; a later start finds the lock taken, asks the first
// game through the socket to come to the front, and ends without reading or
// writing anything.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // `key` names what is guarded (the score file's folder); the lock and
    // socket lie in `folder` (the user's runtime folder).
    SingleInstance(const QString &folder, const QString &key, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only game, which then answers later starts, or
    // when no lock can be made here (the game then runs unguarded). False
    // when a live game holds the lock: it has been asked to come forward.
    bool claim();

signals:
    // A later start asked this game to come to the front.
    void comeForward();

private:
    void listen();
    void answerCallers();

    QString m_socketPath;
    QLockFile m_lock;
    int m_listener = -1;
    QSocketNotifier *m_callers = nullptr;
};

} // namespace platform
