#pragma once

#include <QByteArray>
#include <QFile>
#include <QStringList>

#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

// Runs `work` on a thread of its own and says whether it ended within
// `milliseconds`. Work that hangs in the opening of one of `pipes` (the fault
// these tests look for) is then released by opening the other end of each,
// so that a regression fails the test instead of hanging it.
template<typename Work>
bool endsWithin(int milliseconds, const QStringList &pipes, Work work)
{
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    std::thread thread([&] {
        work();
        std::lock_guard lock(mutex);
        done = true;
        ended.notify_all();
    });
    bool inTime = false;
    {
        std::unique_lock lock(mutex);
        inTime = ended.wait_for(lock, std::chrono::milliseconds(milliseconds), [&] { return done; });
    }
    while (!inTime) {
        for (const QString &pipe : pipes) {
            const QByteArray path = QFile::encodeName(pipe);
            for (int mode : {O_WRONLY, O_RDONLY}) {
                const int fd = ::open(path.constData(), mode | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0)
                    ::close(fd);
            }
        }
        std::unique_lock lock(mutex);
        if (ended.wait_for(lock, std::chrono::milliseconds(100), [&] { return done; }))
            break;
    }
    thread.join();
    return inTime;
}
