#include "platform/PuzzleFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace platform {

bool isReadableFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    f.close();
    return true;
}

QString findFileIgnoringCase(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    const QString exact = dir.filePath(name);
    if (isReadableFile(exact))
        return exact;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && isReadableFile(dir.filePath(entry)))
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

} // namespace platform
