#include "platform/Profile.h"

#include "platform/Files.h"
#include "game/Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QList>
#include <QMutex>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

#include <minIni.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// minIni reads a file with fgets into a buffer of INI_BUFFERSIZE bytes: a
// longer line reaches it as several pieces, each looked at on its own, and
// each piece only up to its first NUL. The rewrite finds sections and keys
// exactly as the reader will, so that what it writes is what is read back.
constexpr qsizetype ReaderPiece = INI_BUFFERSIZE - 1;

struct Piece
{
    qsizetype start = 0;
    qsizetype end = 0;       // after its LF, if it has one
    qsizetype lineStart = 0; // where the whole line it belongs to starts
    qsizetype lineEnd = 0;
};

QList<Piece> readerPieces(const QByteArray &bytes)
{
    QList<Piece> pieces;
    qsizetype lineStart = 0;
    while (lineStart < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', lineStart);
        const qsizetype lineEnd = lf < 0 ? bytes.size() : lf + 1;
        for (qsizetype start = lineStart; start < lineEnd; start += ReaderPiece)
            pieces.append({start, qMin(start + ReaderPiece, lineEnd), lineStart, lineEnd});
        lineStart = lineEnd;
    }
    return pieces;
}

// The piece as minIni sees it: up to its first NUL, leading blanks skipped.
QByteArray readerText(const QByteArray &bytes, const Piece &piece)
{
    QByteArray text = bytes.mid(piece.start, piece.end - piece.start);
    const qsizetype nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    qsizetype i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ')
        ++i;
    return text.mid(i);
}

bool sameName(const QByteArray &a, const QByteArray &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// "[section]": the name runs to the last "]", blanks around it ignored.
bool isSectionHeader(const QByteArray &text, const QByteArray &section)
{
    if (!text.startsWith('['))
        return false;
    const qsizetype close = text.lastIndexOf(']');
    return close > 0 && sameName(text.mid(1, close - 1).trimmed(), section);
}

// "key = value" or "key: value", whichever sign comes first; not a comment.
bool isKeyLine(const QByteArray &text, const QByteArray &key)
{
    if (text.startsWith(';') || text.startsWith('#'))
        return false;
    qsizetype sign = 0;
    while (sign < text.size() && text[sign] != '=' && text[sign] != ':')
        ++sign;
    return sign < text.size() && sameName(text.left(sign).trimmed(), key);
}

// The line minIni writes for a key: the value in quotes (inner quotes
// escaped) when it holds a quote, ';' or '#', or ends in a space, which
// would otherwise be read as a comment or dropped.
QByteArray keyLine(const QByteArray &key, const QByteArray &value)
{
    const bool quote = value.contains('"') || value.contains(';') || value.contains('#')
                       || value.endsWith(' ');
    QByteArray line = key + '=';
    if (quote)
        line += '"' + QByteArray(value).replace("\"", "\\\"") + '"';
    else
        line += value;
    return line + '\n';
}

QByteArray nativePath(const QString &path)
{
    return QFile::encodeName(path);
}

// The file a save replaces: a link's target, so that the link stays.
QString savedPath(const QString &file)
{
    const QByteArray native = nativePath(file);
    struct stat st = {};
    if (::lstat(native.constData(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(native.constData(), resolved))
            return QFile::decodeName(resolved);
    }
    return file;
}

QString scratchPrefix(const QString &target)
{
    const QFileInfo info(target);
    return info.absolutePath() + QLatin1String("/.") + info.fileName() + QLatin1String(".saving-");
}

// Once per file and process: the first look at a score file is the start of
// the game.
void removeStaleScratchFilesOnce(const QString &file)
{
    static QMutex mutex;
    static QSet<QString> done;
    const QString target = savedPath(file);
    {
        QMutexLocker lock(&mutex);
        if (done.contains(target))
            return;
        done.insert(target);
    }
    removeStaleScratchFiles(file);
}

// A scratch file beside target, locked for as long as it is open so that the
// start of another copy of the game never takes it for a stale one.
int createScratchFile(const QString &target, QString *path)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString name = scratchPrefix(target);
        for (int i = 0; i < 6; ++i)
            name += QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]);
        const QByteArray native = nativePath(name);
        // 0666 less the user's mask, as any new file; an old file's own
        // permissions are copied onto it later.
        const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return -1;
        }
        // Between the creation and the lock a cleaner may have taken it:
        // the name must still lead to this file.
        struct stat mine = {}, named = {};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &mine) == 0 && ::lstat(native.constData(), &named) == 0
            && mine.st_ino == named.st_ino && mine.st_dev == named.st_dev) {
            *path = name;
            return fd;
        }
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

// The scratch file is removed unless it has become the score file.
class ScratchFile
{
public:
    ScratchFile(const QString &target) { m_fd = createScratchFile(target, &m_path); }
    ~ScratchFile()
    {
        if (m_fd >= 0) {
            if (!m_renamed)
                ::unlink(nativePath(m_path).constData());
            ::close(m_fd);
        }
    }
    ScratchFile(const ScratchFile &) = delete;
    ScratchFile &operator=(const ScratchFile &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    const QString &path() const { return m_path; }
    void renamed() { m_renamed = true; }

private:
    int m_fd = -1;
    QString m_path;
    bool m_renamed = false;
};

// The folder's entry for the renamed file reaches the disk too; a file system
// that cannot sync folders (it says EINVAL) keeps its entries by itself.
bool syncFolder(const QString &folder, int (*sync)(int))
{
    const int fd = ::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = sync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
}

} // namespace

std::optional<QByteArray> profileWithValue(const QByteArray &file, const QByteArray &section,
                                           const QByteArray &key, const QByteArray &value)
{
    const QByteArray line = keyLine(key, value);
    const QList<Piece> pieces = readerPieces(file);
    // A last line without its LF gets one before anything is added after it.
    const auto appended = [&file](const QByteArray &text) {
        QByteArray out = file;
        if (!out.isEmpty() && !out.endsWith('\n'))
            out += '\n';
        return out + text;
    };

    qsizetype header = 0;
    while (header < pieces.size() && !isSectionHeader(readerText(file, pieces[header]), section))
        ++header;
    if (header == pieces.size())
        return appended('[' + section + "]\n" + line);

    const qsizetype headerEnd = pieces[header].end;
    for (qsizetype i = header + 1; i < pieces.size(); ++i) {
        const Piece &piece = pieces[i];
        const QByteArray text = readerText(file, piece);
        const bool nextSection = text.startsWith('[');
        if (!nextSection && !isKeyLine(text, key))
            continue;
        if (!nextSection && piece.start == piece.lineStart && piece.end == piece.lineEnd) {
            // The key's own line: replaced where it stands.
            QByteArray out = file;
            return out.replace(piece.start, piece.end - piece.start, line);
        }
        // The end of the section, or the key inside an overlong line: the
        // new line goes in front of that whole line, still in the section.
        if (piece.lineStart < headerEnd)
            return std::nullopt;
        QByteArray out = file;
        return out.insert(piece.lineStart, line);
    }
    return appended(line);
}

int removeStaleScratchFiles(const QString &file)
{
    if (file.isEmpty())
        return 0;
    const QFileInfo target(savedPath(file));
    const QRegularExpression scratchName(QLatin1String("^\\.") + QRegularExpression::escape(target.fileName())
                                         + QLatin1String("\\.saving-[A-Za-z0-9]{6}$"));
    const QDir folder(target.absolutePath());
    int removed = 0;
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : entries) {
        if (!scratchName.match(name).hasMatch())
            continue;
        const QByteArray path = nativePath(folder.filePath(name));
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        // A save in progress holds its lock; a killed one held it no longer.
        struct stat opened = {}, named = {};
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0
            && ::lstat(path.constData(), &named) == 0 && named.st_ino == opened.st_ino
            && named.st_dev == opened.st_dev && ::unlink(path.constData()) == 0)
            ++removed;
        ::close(fd);
    }
    return removed;
}

QString getProfileString(const QString &section, const QString &key, const QString &defaultValue,
                         const QString &file)
{
    if (file.isEmpty())
        return defaultValue;
    removeStaleScratchFilesOnce(file);
    const int fd = openRegularFile(file);
    if (fd < 0)
        return defaultValue;
    // minIni opens the file by name: it gets the very file checked above
    // through the descriptor's own name, never what may since lie at the path.
    const QByteArray viaDescriptor = "/proc/self/fd/" + QByteArray::number(fd);
    const QByteArray path = QFileInfo::exists(QString::fromLatin1(viaDescriptor)) ? viaDescriptor
                                                                                  : nativePath(file);
    constexpr int size = 255;
    char buffer[size] = {};
    const QByteArray s = section.toUtf8();
    const QByteArray k = key.toUtf8();
    const QByteArray d = defaultValue.toUtf8();
    const int n = ini_gets(s.constData(), k.constData(), d.constData(), buffer, size, path.constData());
    ::close(fd);
    return textcodec::decodeText(QByteArray(buffer, qMax(0, n)));
}

bool writeProfileString(const QString &section, const QString &key, const QString &value,
                        const QString &file, SaveFinish finish)
{
    if (!finish.rename)
        finish.rename = ::rename;
    if (!finish.syncFolder)
        finish.syncFolder = ::fsync;
    if (file.isEmpty())
        return false;
    const QByteArray s = section.toUtf8();
    const QByteArray k = key.toUtf8();
    const QByteArray v = value.toUtf8();
    for (const QByteArray *text : {&s, &k, &v}) {
        if (text->contains('\n') || text->contains('\r') || text->contains('\0'))
            return false;
    }
    removeStaleScratchFilesOnce(file);

    const QString target = savedPath(file);
    const QByteArray nativeTarget = nativePath(target);
    QByteArray before;
    bool existed = false;
    mode_t mode = 0;
    const int in = openRegularFile(target);
    if (in >= 0) {
        struct stat st = {};
        existed = ::fstat(in, &st) == 0;
        mode = st.st_mode & 07777;
        const bool read = existed && readAll(in, &before);
        ::close(in);
        if (!read)
            return false;
    } else {
        // Only a file that is not there at all may be made; a pipe, device
        // or folder of that name, or one that cannot be read, stays as it is.
        struct stat st = {};
        if (errno != ENOENT || ::lstat(nativeTarget.constData(), &st) == 0)
            return false;
    }

    const std::optional<QByteArray> after = profileWithValue(before, s, k, v);
    if (!after)
        return false;
    if (existed && *after == before)
        return true;

    ScratchFile scratch(target);
    if (!scratch.isOpen())
        return false;
    if (existed && ::fchmod(scratch.fd(), mode) != 0)
        return false;
    if (!writeAll(scratch.fd(), after->constData(), after->size()) || ::fsync(scratch.fd()) != 0)
        return false;

    // The key must read back exactly as it was written (minIni undoes the
    // quotes of values holding ';', '#' or '"', and drops leading spaces).
    char buffer[INI_BUFFERSIZE] = {};
    const QByteArray scratchPath = nativePath(scratch.path());
    const int n = ini_gets(s.constData(), k.constData(), "", buffer, INI_BUFFERSIZE, scratchPath.constData());
    if (QByteArray(buffer, qMax(0, n)) != v)
        return false;

    // One rename puts the new file in place: a reader sees the old file or
    // the new one, never a part of either.
    if (finish.rename(scratchPath.constData(), nativeTarget.constData()) != 0)
        return false;
    scratch.renamed();
    return syncFolder(QFileInfo(target).absolutePath(), finish.syncFolder);
}

SaveFailure saveFailureOf(const QString &file)
{
    if (file.isEmpty())
        return SaveFailure::NoFolder;
    const QFileInfo info(file);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return SaveFailure::FolderMissing;
    if (info.exists() && !info.isFile())
        return SaveFailure::NotAFile;
    if (!folder.isWritable() || (info.exists() && !info.isWritable()))
        return SaveFailure::NoPermission;
    const QStorageInfo storage(folder.absoluteFilePath());
    if (storage.isValid() && storage.bytesAvailable() == 0)
        return SaveFailure::DiskFull;
    return SaveFailure::WriteFailed;
}

QString ScoreFile::value(const QString &section, const QString &key, const QString &fallback)
{
    return getProfileString(section, key, fallback, m_path);
}

std::optional<SaveFailure> ScoreFile::setValue(const QString &section, const QString &key,
                                               const QString &value)
{
    if (writeProfileString(section, key, value, m_path))
        return std::nullopt;
    return saveFailureOf(m_path);
}

} // namespace platform
