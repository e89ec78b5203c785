#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

// A small file system of its own, full whenever a test wants: only root may
// mount one, so elsewhere the tests that need it are skipped.
class SmallDisk
{
public:
    explicit SmallDisk(const QString &size, bool readOnly = false)
    {
        if (::geteuid() != 0) {
            m_why = "mounting a small tmpfs needs root (as in CI)";
            return;
        }
        const QByteArray options = "size=" + size.toLatin1() + ",mode=0755";
        if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", readOnly ? MS_RDONLY : 0,
                    options.constData()) != 0) {
            m_why = "cannot mount a tmpfs here: " + QByteArray(std::strerror(errno));
            return;
        }
        m_mounted = true;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    const char *why() const { return m_why.constData(); }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString dir() const { return m_dir.path(); }

    // Takes all the room left but `spareBytes` (rounded to whole pages).
    bool fill(qint64 spareBytes)
    {
        QFile filler(path("filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray page(4096, 'f');
        while (filler.write(page) == page.size()) {
        }
        filler.close();
        if (spareBytes > 0)
            filler.resize(qMax<qint64>(0, filler.size() - spareBytes));
        return true;
    }
    void makeRoom() { QFile::remove(path("filler")); }

private:
    QTemporaryDir m_dir;
    QByteArray m_why;
    bool m_mounted = false;
};

