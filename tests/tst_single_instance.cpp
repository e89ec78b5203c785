// One game at a time: only a lock held by a live game turns a second start
// away; a stale lock is taken over, and a lock that cannot be made at all
// lets the game start.

#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void aLiveGameTurnsTheSecondStartAwayAndComesForward()
    {
        QTemporaryDir runtime;
        platform::SingleInstance first(runtime.path(), u"/home/ann/.config/Quadrifoglio.sco"_s);
        QVERIFY(first.claim());
        QSignalSpy forward(&first, &platform::SingleInstance::comeForward);
        platform::SingleInstance second(runtime.path(), u"/home/ann/.config/Quadrifoglio.sco"_s);
        QVERIFY(!second.claim());
        QVERIFY(forward.wait(5000));
        // Only the user may call the running game.
        const QString socket = runtime.filePath(QDir(runtime.path()).entryList({u"*.socket"_s}, QDir::System).value(0));
        QCOMPARE(QFile::permissions(socket) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ReadOwner | QFile::WriteOwner),
                 QFileDevice::Permissions());
        // Another score file is another game.
        platform::SingleInstance other(runtime.path(), u"/home/bo/.config/Quadrifoglio.sco"_s);
        QVERIFY(other.claim());
    }

    // A game that was killed leaves its lock behind, naming a process
    // that is gone.
    void aLockLeftByAGameThatIsGoneIsTakenOver()
    {
        QTemporaryDir runtime;
        QString lockPath;
        QByteArray lock;
        {
            platform::SingleInstance killed(runtime.path(), u"key"_s);
            QVERIFY(killed.claim());
            lockPath = runtime.filePath(QDir(runtime.path()).entryList({u"*.lock"_s}, QDir::Files).value(0));
            QFile file(lockPath);
            QVERIFY(file.open(QIODevice::ReadOnly));
            lock = file.readAll();
        }
        QProcess gone;
        gone.start(u"true"_s);
        QVERIFY(gone.waitForStarted());
        const qint64 deadProcess = gone.processId();
        QVERIFY(gone.waitForFinished());
        QFile file(lockPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(deadProcess) + lock.mid(lock.indexOf('\n')));
        file.close();

        platform::SingleInstance next(runtime.path(), u"key"_s);
        QVERIFY(next.claim());
    }

    void aLockThatCannotBeMadeLetsTheGameStart_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("no such folder") << u"/nonexistent/runtime"_s;
        QTest::newRow("a file in the way") << u"/dev/null"_s;
    }
    void aLockThatCannotBeMadeLetsTheGameStart()
    {
        QFETCH(QString, folder);
        platform::SingleInstance game(folder, u"key"_s);
        QVERIFY(game.claim());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
