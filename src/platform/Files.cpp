#include "platform/Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool isRegularReadableFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QByteArray native = QFile::encodeName(path);
    struct stat st = {};
    if (::stat(native.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    return ::access(native.constData(), R_OK) == 0;
}

int openRegularFile(const QString &path)
{
    if (path.isEmpty()) {
        errno = ENOENT;
        return -1;
    }
    const QByteArray native = QFile::encodeName(path);
    struct stat st = {};
    // Opening some devices does something by itself: they are not opened.
    if (::stat(native.constData(), &st) != 0)
        return -1;
    if (!S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return -1;
    }
    // O_NONBLOCK: should a named pipe have taken the file's place since, the
    // open returns at once instead of waiting for a writer, and is refused.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int why = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        errno = why;
        return -1;
    }
    // Regular files never block; the flag goes so that callers see plain reads.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

bool readAll(int fd, QByteArray *bytes)
{
    bytes->clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            return true;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes->append(buffer, n);
    }
}

bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            // A write that takes nothing and reports no error: no room.
            errno = ENOSPC;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

QString findFileIgnoringCase(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    const QString exact = dir.filePath(name);
    if (isRegularReadableFile(exact))
        return exact;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && isRegularReadableFile(dir.filePath(entry)))
            return dir.filePath(entry);
    }
    return {};
}

QString findPictureFile(const QString &folder)
{
    for (const char *name : {"Matrix.bmp", "Matrix.jpg", "Matrix.gif"}) {
        const QString found = findFileIgnoringCase(folder, QLatin1String(name));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QStringList modulePaths(const QString &fileName)
{
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir + QLatin1Char('/') + fileName, dir + QLatin1String("/lib/") + fileName};
}

} // namespace platform
