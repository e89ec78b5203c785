#include "maker/SingleFile.h"

#include "platform/Files.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace maker {

namespace {

// The time stamp of the gift's files in the file, as of the runtime's: the
// same gift makes the same bytes.
constexpr qint64 PackedTime = 1700000000;

QString quoted(const QString &path)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// One ustar header block for a regular file.
QByteArray tarHeader(const QByteArray &name, qint64 size, int mode)
{
    QByteArray block(512, '\0');
    const auto put = [&block](int offset, int width, const QByteArray &value) {
        std::memcpy(block.data() + offset, value.constData(), size_t(qMin<qsizetype>(width, value.size())));
    };
    const auto octal = [](qint64 value, int width) {
        return QByteArray::number(value, 8).rightJustified(width - 1, '0');
    };
    put(0, 100, name);
    put(100, 8, octal(mode & 0777, 8));
    put(108, 8, octal(0, 8));
    put(116, 8, octal(0, 8));
    put(124, 12, octal(size, 12));
    put(136, 12, octal(PackedTime, 12));
    put(148, 8, QByteArray(8, ' '));
    block[156] = '0';
    put(257, 6, QByteArrayLiteral("ustar"));
    put(263, 2, QByteArrayLiteral("00"));
    int sum = 0;
    for (const char c : block)
        sum += static_cast<unsigned char>(c);
    put(148, 7, QByteArray::number(sum, 8).rightJustified(6, '0') + '\0');
    return block;
}

// The gift's files as a tar, in name order; nullopt-like empty result with
// *error set when one cannot be read.
QByteArray giftTar(const QString &folder, QString *error)
{
    QByteArray tar;
    const QDir dir(folder);
    for (const QFileInfo &file : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name)) {
        QFile in(file.filePath());
        const QByteArray name = QFile::encodeName(file.fileName());
        if (name.size() > 99) {
            *error = QCoreApplication::translate("Maker", "the name %1 is too long for one file").arg(quoted(file.fileName()));
            return {};
        }
        if (!in.open(QIODevice::ReadOnly)) {
            *error = QCoreApplication::translate("Maker", "cannot read %1: %2").arg(quoted(file.filePath()), in.errorString());
            return {};
        }
        const QByteArray bytes = in.readAll();
        const int mode = file.isExecutable() ? 0755 : 0644;
        tar += tarHeader(name, bytes.size(), mode);
        tar += bytes;
        tar += QByteArray((512 - bytes.size() % 512) % 512, '\0');
    }
    tar += QByteArray(1024, '\0');
    return tar;
}

// The language digit of a gift: the first character of its Matrix.dat.
int languageOf(const QString &giftFolder)
{
    QFile file(QDir(giftFolder).filePath(QStringLiteral("Matrix.dat")));
    char first = '0';
    if (file.open(QIODevice::ReadOnly) && file.getChar(&first) && first >= '0' && first <= '9')
        return first - '0';
    return 0;
}

class OutputFile
{
public:
    explicit OutputFile(const QString &path) : m_path(path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    }
    ~OutputFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_kept)
            ::unlink(QFile::encodeName(m_path).constData());
    }
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    bool write(const char *data, qint64 size) { return platform::writeAll(m_fd, data, size); }
    bool write(const QByteArray &bytes) { return write(bytes.constData(), bytes.size()); }
    bool writeAt(qint64 offset, const QByteArray &bytes)
    {
        return ::pwrite(m_fd, bytes.constData(), size_t(bytes.size()), offset) == bytes.size();
    }
    bool finish()
    {
        const bool synced = ::fsync(m_fd) == 0;
        const int why = errno;
        const bool closed = ::close(m_fd) == 0;
        m_fd = -1;
        errno = synced ? errno : why;
        if (synced && closed)
            m_kept = true;
        return m_kept;
    }

private:
    QString m_path;
    int m_fd = -1;
    bool m_kept = false;
};

} // namespace

QStringList packCandidates(const QString &makerDir)
{
    const QDir dir(makerDir);
    return {QDir::cleanPath(dir.filePath(QLatin1String(PackFolderName))),
            QDir::cleanPath(dir.filePath(QLatin1String(QUADRIFOGLIO_GAME_FROM_BIN "/") + QLatin1String(PackFolderName)))};
}

QString packProblem(const QString &packFolder)
{
    const QDir dir(packFolder);
    for (const char *part : {PackUnpacker, PackRuntime, PackScript}) {
        if (!QFileInfo(dir.filePath(QLatin1String(part))).isFile())
            return QCoreApplication::translate("Maker", "the game's pack for single files is incomplete: %1 is missing")
                .arg(quoted(dir.filePath(QLatin1String(part))));
    }
    return {};
}

QString findPack(const QString &makerDir)
{
    for (const QString &candidate : packCandidates(makerDir)) {
        if (packProblem(candidate).isEmpty())
            return candidate;
    }
    return {};
}

bool packSingleFile(const QString &giftFolder, const QString &packFolder, const QString &outFile,
                    const std::function<bool(int percent)> &keepGoing, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const auto goOn = [&keepGoing](int percent) { return !keepGoing || keepGoing(percent); };
    if (const QString problem = packProblem(packFolder); !problem.isEmpty())
        return fail(problem);
    const QDir pack(packFolder);
    QFile script(pack.filePath(QLatin1String(PackScript)));
    if (!script.open(QIODevice::ReadOnly))
        return fail(QCoreApplication::translate("Maker", "cannot read %1: %2").arg(quoted(script.fileName()), script.errorString()));
    const QByteArray scriptTemplate = script.readAll();
    QString why;
    const QByteArray gift = giftTar(giftFolder, &why);
    if (gift.isEmpty())
        return fail(why);

    const QStringList payloadParts{pack.filePath(QLatin1String(PackUnpacker)), pack.filePath(QLatin1String(PackRuntime))};
    const qint64 unpackerBytes = QFileInfo(payloadParts[0]).size();
    const qint64 runtimeBytes = QFileInfo(payloadParts[1]).size();
    const qint64 total = SingleFileHeaderBytes + unpackerBytes + runtimeBytes + gift.size();

    const auto header = [&](const QByteArray &key) {
        QByteArray text = scriptTemplate;
        text.replace("@KEY@", key);
        text.replace("@LANGUAGE@", QByteArray::number(languageOf(giftFolder)));
        text.replace("@HEADER_BYTES@", QByteArray::number(SingleFileHeaderBytes));
        text.replace("@UNPACK_BYTES@", QByteArray::number(unpackerBytes));
        text.replace("@RUNTIME_BYTES@", QByteArray::number(runtimeBytes));
        text.replace("@GIFT_BYTES@", QByteArray::number(gift.size()));
        // The shell never reads past the script's last line; the rest of the
        // header is a comment.
        if (!text.endsWith('\n'))
            text += '\n';
        text += '#';
        text += QByteArray(qMax<qsizetype>(0, SingleFileHeaderBytes - text.size() - 1), ' ');
        text += '\n';
        return text;
    };
    // The key is the checksum of everything after the header; the header is
    // written with a stand-in first, then again with the key.
    const QByteArray standIn(16, '0');
    if (header(standIn).size() != SingleFileHeaderBytes)
        return fail(QCoreApplication::translate("Maker", "the start script of %1 is larger than its room").arg(quoted(script.fileName())));
    if (!goOn(0))
        return fail(QCoreApplication::translate("Maker", "stopped as asked"));

    OutputFile out(outFile);
    if (!out.isOpen())
        return fail(QCoreApplication::translate("Maker", "cannot write %1: %2").arg(quoted(outFile), systemError(errno)));
    if (!out.write(header(standIn)))
        return fail(QCoreApplication::translate("Maker", "cannot write %1: %2").arg(quoted(outFile), systemError(errno)));
    QCryptographicHash checksum(QCryptographicHash::Sha256);
    checksum.addData(scriptTemplate);
    qint64 written = SingleFileHeaderBytes;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (const QString &part : payloadParts) {
        QFile in(part);
        if (!in.open(QIODevice::ReadOnly))
            return fail(QCoreApplication::translate("Maker", "cannot read %1: %2").arg(quoted(part), in.errorString()));
        for (;;) {
            const qint64 n = in.read(buffer.data(), buffer.size());
            if (n < 0)
                return fail(QCoreApplication::translate("Maker", "cannot read %1: %2").arg(quoted(part), in.errorString()));
            if (n == 0)
                break;
            checksum.addData(QByteArrayView(buffer.constData(), n));
            if (!out.write(buffer.constData(), n))
                return fail(QCoreApplication::translate("Maker", "cannot write %1: %2").arg(quoted(outFile), systemError(errno)));
            written += n;
            if (!goOn(int(99 * written / total)))
                return fail(QCoreApplication::translate("Maker", "stopped as asked"));
        }
    }
    checksum.addData(gift);
    if (!out.write(gift))
        return fail(QCoreApplication::translate("Maker", "cannot write %1: %2").arg(quoted(outFile), systemError(errno)));
    const QByteArray key = checksum.result().toHex().left(16);
    if (!out.writeAt(0, header(key)) || !out.finish())
        return fail(QCoreApplication::translate("Maker", "cannot write %1: %2").arg(quoted(outFile), systemError(errno)));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(outFile).constData(), 0777 & ~mask);
    goOn(100);
    return true;
}

bool isSingleFileCopy(const QString &path)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || info.isSymLink() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(32 << 10);
    if (!head.startsWith("#!/bin/sh"))
        return false;
    return head.contains("# Quadrifoglio 3D: a jigsaw puzzle made for you, in one file.")
           || (head.contains("Makeself") && head.contains("Quadrifoglio 3D"));
}

QString unpackedRuntime(const QString &packFolder, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return QString();
    };
    if (const QString problem = packProblem(packFolder); !problem.isEmpty())
        return fail(problem);
    const QDir pack(packFolder);
    const QFileInfo runtime(pack.filePath(QLatin1String(PackRuntime)));
    // One folder per pack: a new package brings a new pack.
    const QString name = QStringLiteral("runtime-%1-%2")
                             .arg(runtime.size())
                             .arg(runtime.lastModified().toSecsSinceEpoch());
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                          + QStringLiteral("/quadrifoglio");
    const QString folder = cache + QLatin1Char('/') + name;
    if (QFileInfo::exists(folder + QStringLiteral("/.complete")))
        return folder;
    if (!QDir().mkpath(cache))
        return fail(QStringLiteral("cannot make the folder %1").arg(quoted(cache)));
    QByteArray stage = QFile::encodeName(cache + QStringLiteral("/.runtime-XXXXXX"));
    if (!::mkdtemp(stage.data()))
        return fail(QCoreApplication::translate("Maker", "cannot write in the folder %1: %2").arg(quoted(cache), systemError(errno)));
    const QString staged = QFile::decodeName(stage);
    QProcess unpack;
    unpack.setProcessChannelMode(QProcess::MergedChannels);
    unpack.start(QStringLiteral("/bin/sh"),
                 {QStringLiteral("-c"),
                  QStringLiteral("{ \"$0\" \"$1\" 0 \"$2\" || echo failed >\"$3/.failed\"; } | tar -xf - -C \"$3\""),
                  pack.filePath(QLatin1String(PackUnpacker)), runtime.filePath(), QString::number(runtime.size()), staged});
    const bool ran = unpack.waitForFinished(-1) && unpack.exitStatus() == QProcess::NormalExit && unpack.exitCode() == 0
                     && !QFileInfo::exists(staged + QStringLiteral("/.failed"));
    const QString said = QString::fromLocal8Bit(unpack.readAll()).trimmed();
    bool placed = false;
    if (ran) {
        QFile complete(staged + QStringLiteral("/.complete"));
        placed = complete.open(QIODevice::WriteOnly);
        complete.close();
        if (placed) {
            QDir(folder).removeRecursively(); // a copy without its mark is an unfinished one
            placed = ::rename(stage.constData(), QFile::encodeName(folder).constData()) == 0;
        }
    }
    if (!placed) {
        QDir(staged).removeRecursively();
        if (QFileInfo::exists(folder + QStringLiteral("/.complete")))
            return folder; // another maker was quicker
        return fail(QStringLiteral("cannot unpack the game's runtime from %1 into %2%3")
                        .arg(quoted(runtime.filePath()), quoted(cache),
                             said.isEmpty() ? QString() : QStringLiteral(": ") + said.section(QLatin1Char('\n'), -1)));
    }
    return folder;
}

} // namespace maker
