#include "maker/Maker.h"

#include "game/GiftSettings.h"
#include "platform/Files.h"
#include "platform/Pictures.h"
#include "platform/Text.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace maker {

namespace {

// The board the game stretches every picture to; a picture is checked the
// way the game decodes it.
constexpr int BoardSize = 360;

const char StagingPrefix[] = ".quadrifoglio-maker-";
const char *const StoredNames[] = {"Matrix.bmp", "Matrix.jpg", "Matrix.gif", "Matrix.dat"};

QString languageName(int digit)
{
    static const char *const names[] = {"Italian", "English", "French", "German", "Spanish"};
    return QString::fromLatin1(names[digit]);
}

QString quoted(const QString &path)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

bool isLineBreak(QChar c)
{
    switch (c.unicode()) {
    case u'\n':
    case u'\r':
    case u'\v':
    case u'\f':
    case 0x0085: // next line
    case 0x2028: // line separator
    case 0x2029: // paragraph separator
        return true;
    default:
        return false;
    }
}

// Replaces `to` by `from` in one step (the folder's old file, if any, is
// never missing halfway).
bool replaceFile(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// The permissions a new folder gets from the user's mask (a staging folder
// is private until it becomes the copy).
void giveUsualPermissions(const QString &folder)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(folder).constData(), 0777 & ~mask);
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString cannotWrite(const QString &path, int error)
{
    return QStringLiteral("cannot write %1: %2").arg(quoted(path), systemError(error));
}

// Writes `bytes` as `path`, every write checked and the file synced: a full
// disk is told as such. `shownPath` names the file as the user will know it.
bool writeFile(const QString &path, const QByteArray &bytes, const QString &shownPath, QString *error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        *error = cannotWrite(shownPath, errno);
        return false;
    }
    const bool written = platform::writeAll(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0;
    const int why = errno;
    if (::close(fd) != 0 && written) {
        *error = cannotWrite(shownPath, errno);
        return false;
    }
    if (!written)
        *error = cannotWrite(shownPath, why);
    return written;
}

// Copies a file as writeFile writes one, a buffer at a time.
bool copyFile(const QString &from, const QString &to, const QString &shownPath, QString *error)
{
    const int in = platform::openRegularFile(from);
    if (in < 0) {
        *error = QStringLiteral("cannot read %1: %2").arg(quoted(from), systemError(errno));
        return false;
    }
    const int out = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (out < 0) {
        *error = cannotWrite(shownPath, errno);
        ::close(in);
        return false;
    }
    bool ok = true;
    static char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *error = QStringLiteral("cannot read %1: %2").arg(quoted(from), systemError(errno));
            ok = false;
            break;
        }
        if (n == 0)
            break;
        if (!platform::writeAll(out, buffer, n)) {
            *error = cannotWrite(shownPath, errno);
            ok = false;
            break;
        }
    }
    if (ok && ::fsync(out) != 0) {
        *error = cannotWrite(shownPath, errno);
        ok = false;
    }
    ::close(in);
    if (::close(out) != 0 && ok) {
        *error = cannotWrite(shownPath, errno);
        ok = false;
    }
    return ok;
}

// The staging folder: made private, locked while this run lives (so that
// another run never takes it for a stale one), removed unless it became
// the copy.
class StagingFolder
{
public:
    explicit StagingFolder(const QString &parent)
    {
        QByteArray name = QFile::encodeName(parent + QLatin1Char('/') + QLatin1String(StagingPrefix)) + "XXXXXX";
        if (!::mkdtemp(name.data())) {
            m_error = errno;
            return;
        }
        m_path = QFile::decodeName(name);
        m_fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_fd >= 0)
            ::flock(m_fd, LOCK_EX);
    }
    ~StagingFolder()
    {
        if (!m_path.isEmpty() && m_remove)
            QDir(m_path).removeRecursively();
        if (m_fd >= 0)
            ::close(m_fd);
    }
    StagingFolder(const StagingFolder &) = delete;
    StagingFolder &operator=(const StagingFolder &) = delete;

    bool isValid() const { return !m_path.isEmpty(); }
    int error() const { return m_error; }
    QString path() const { return m_path; }
    QString filePath(const QString &name) const { return m_path + QLatin1Char('/') + name; }
    void keep() { m_remove = false; }

private:
    QString m_path;
    int m_fd = -1;
    int m_error = 0;
    bool m_remove = true;
};

// A program: an executable file that the system would run, a binary or a
// script.
bool isProgram(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isExecutable())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(4);
    return head == "\x7f" "ELF" || head.startsWith("#!");
}

// The game's name as its window title stores it (UTF-16), or as plain text.
bool holdsTheGamesName(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray utf16("Q\0u\0a\0d\0r\0i\0f\0o\0g\0l\0i\0o\0", 24);
    const QByteArray plain("Quadrifoglio");
    QByteArray tail;
    while (!file.atEnd()) {
        const QByteArray chunk = tail + file.read(1 << 20);
        if (chunk.contains(utf16) || chunk.contains(plain))
            return true;
        tail = chunk.right(utf16.size());
    }
    return false;
}

// Folders made for the copy's parent, removed again when the copy fails.
class CreatedFolders
{
public:
    ~CreatedFolders()
    {
        if (m_keep)
            return;
        for (auto it = m_paths.crbegin(); it != m_paths.crend(); ++it)
            QDir().rmdir(*it);
    }
    bool make(const QStringList &paths, QString *error)
    {
        for (const QString &path : paths) {
            if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0) {
                *error = QStringLiteral("cannot make the folder %1: %2").arg(quoted(path), systemError(errno));
                return false;
            }
            m_paths << path;
        }
        return true;
    }
    void keep() { m_keep = true; }

private:
    QStringList m_paths;
    bool m_keep = false;
};

} // namespace

QStringList languageCodes()
{
    return {QStringLiteral("it"), QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("de"),
            QStringLiteral("es")};
}

std::optional<int> languageDigit(const QString &code)
{
    const int index = languageCodes().indexOf(code.toLower());
    if (index < 0)
        return std::nullopt;
    return index;
}

QString greetingProblem(const QString &greeting)
{
    if (!greeting.isValidUtf16())
        return QStringLiteral("the greeting is not valid text");
    int position = 0;
    for (const char32_t c : greeting.toUcs4()) {
        ++position;
        if (c < 0x10000 && isLineBreak(QChar(char16_t(c))))
            return QStringLiteral("the greeting must be one line, but it holds a line break");
        if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
            return QStringLiteral("the greeting holds a control character (U+%1) at character %2")
                .arg(QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0')))
                .arg(position);
        }
    }
    // The digit, the greeting and the LF must fit in what the game reads.
    const qint64 bytes = greeting.toUtf8().size();
    const qint64 most = gift::MatrixDatReadLimit - 2;
    if (bytes > most) {
        return QStringLiteral("the greeting is too long: %1 bytes in UTF-8, at most %2")
            .arg(bytes)
            .arg(most);
    }
    return {};
}

QString utf8Problem(const QByteArray &bytes)
{
    // Decoded a character at a time, so that the position is the one of the
    // first bad byte.
    int characters = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
        const bool whole = length > 0 && i + length <= bytes.size()
                           && (length == 1 || platform::decodeUtf8(bytes.mid(i, length)).has_value());
        if (!whole) {
            return QStringLiteral("the greeting is not UTF-8 text: byte 0x%1 at byte %2 (character %3)")
                .arg(QString::number(uint(lead), 16).toUpper().rightJustified(2, QLatin1Char('0')))
                .arg(i + 1)
                .arg(characters + 1);
        }
        i += length;
        ++characters;
    }
    return {};
}

QList<QByteArray> rawOptionValues(const QList<QByteArray> &arguments, char shortName, const QByteArray &longName)
{
    QList<QByteArray> values;
    const QByteArray shortOption = QByteArray("-") + shortName;
    const QByteArray longOption = "--" + longName;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QByteArray &a = arguments[i];
        if (a == "--")
            break;
        if ((a == shortOption || a == longOption) && i + 1 < arguments.size())
            values << arguments[++i];
        else if (a.startsWith(longOption + '='))
            values << a.mid(longOption.size() + 1);
        else if (a.startsWith(shortOption) && !a.startsWith("--") && a.size() > 2)
            values << a.mid(2);
    }
    return values;
}

QByteArray matrixDatBytes(int digit, const QString &greeting)
{
    QByteArray line;
    line.append(char('0' + digit));
    line.append(greeting.toUtf8());
    line.append('\n');
    return line;
}

std::optional<StoredPicture> preparePicture(const QString &path, QString *error)
{
    const auto fail = [error](const QString &why) -> std::optional<StoredPicture> {
        if (error)
            *error = why;
        return std::nullopt;
    };

    QByteArray format;
    {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        format = reader.format().toLower();
    }
    StoredPicture picture;
    picture.format = format;
    if (format == "bmp" || format == "jpeg" || format == "jpg" || format == "gif" || format.isEmpty()) {
        // Kept as it is: checked as the game decodes it, straight to the
        // board's size, whatever its size up to the game's limit.
        const platform::LoadedPicture check = platform::loadPicture(path, QSize(BoardSize, BoardSize));
        if (check.problem != platform::PictureProblem::None)
            return fail(platform::describePictureProblem(check));
        picture.fileName = format == "bmp"   ? QStringLiteral("Matrix.bmp")
                           : format == "gif" ? QStringLiteral("Matrix.gif")
                                             : QStringLiteral("Matrix.jpg");
        picture.source = path;
        return picture;
    }

    // Converted: decoded whole, since the JPEG keeps every pixel.
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    const QImage image = reader.read();
    if (image.isNull()) {
        if (size.isValid() && qint64(size.width()) * size.height() * 4 > qint64(QImageReader::allocationLimit()) << 20)
            return fail(QStringLiteral("it is too large to convert to JPEG: %1 x %2 pixels; convert it to JPEG "
                                       "yourself, or make it smaller")
                            .arg(size.width())
                            .arg(size.height()));
        return fail(QStringLiteral("it is damaged and does not decode (%1)").arg(reader.errorString()));
    }
    // JPEG has no transparency: what shows through is white, as on a page.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
    }
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QImageWriter writer(&out, "jpeg");
    writer.setQuality(ConvertedJpegQuality);
    if (!writer.write(flat))
        return fail(QStringLiteral("cannot convert it to JPEG: ") + writer.errorString());
    picture.fileName = QStringLiteral("Matrix.jpg");
    picture.bytes = out.data();
    picture.converted = true;
    return picture;
}

QStringList gameExecutableCandidates(const QString &makerDir)
{
    const QDir dir(makerDir);
    return {QDir::cleanPath(dir.filePath(QLatin1String(GameExecutableName))),
            QDir::cleanPath(dir.filePath(QLatin1String(QUADRIFOGLIO_GAME_FROM_BIN "/")
                                         + QLatin1String(GameExecutableName)))};
}

QString findGameExecutable(const QString &makerDir)
{
    for (const QString &candidate : gameExecutableCandidates(makerDir)) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable())
            return candidate;
    }
    return {};
}

QString forceProblem(const QString &folder)
{
    const QDir dir(folder);
    const QString game = dir.filePath(QLatin1String(GameExecutableName));
    const QFileInfo gameInfo(game);
    if (gameInfo.isSymLink())
        return QStringLiteral("%1 is a link, not a copy of the game; --force does not replace it").arg(quoted(game));
    if (gameInfo.exists()
        && (!isProgram(game) || !holdsTheGamesName(game) || !QFileInfo::exists(dir.filePath(QStringLiteral("Matrix.dat")))))
        return QStringLiteral("%1 is not a copy of the game; --force does not replace it").arg(quoted(game));
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : entries) {
        if (name != QLatin1String(GameExecutableName) && isProgram(dir.filePath(name)))
            return QStringLiteral("the folder %1 holds other programs (%2); --force only reuses a puzzle's folder")
                .arg(quoted(folder), name);
    }
    return {};
}

int removeStaleStagingFolders(const QString &folder)
{
    static const QRegularExpression staging(QLatin1String("^") + QRegularExpression::escape(QLatin1String(StagingPrefix))
                                            + QLatin1String("[A-Za-z0-9]{6}$"));
    int removed = 0;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
        if (!staging.match(name).hasMatch())
            continue;
        const int fd = ::open(QFile::encodeName(dir.filePath(name)).constData(),
                              O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        // A run still going holds its folder's lock.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && QDir(dir.filePath(name)).removeRecursively())
            ++removed;
        ::close(fd);
    }
    return removed;
}

QStringList filesReplacedByCopy(const QStringList &names)
{
    QStringList replaced;
    for (const QString &name : names) {
        bool matches = name == QLatin1String(GameExecutableName);
        for (const char *stored : StoredNames)
            matches = matches || name.compare(QLatin1String(stored), Qt::CaseInsensitive) == 0;
        if (matches)
            replaced << name;
    }
    return replaced;
}

Result makeCopy(const Request &request)
{
    Result result;
    const auto fail = [&result](const QString &why) {
        result.error = why;
        return result;
    };

    // Everything is checked before anything is written.
    const std::optional<int> digit = languageDigit(request.language);
    if (!digit) {
        return fail(QStringLiteral("unknown language \"%1\": use one of %2")
                        .arg(request.language, languageCodes().join(QLatin1String(", "))));
    }
    if (const QString problem = greetingProblem(request.greeting); !problem.isEmpty())
        return fail(problem);

    const QFileInfo game(request.game);
    if (request.game.isEmpty() || !game.isFile() || !game.isExecutable())
        return fail(QStringLiteral("the game's executable was not found (%1)")
                        .arg(request.game.isEmpty() ? QStringLiteral("none given") : quoted(request.game)));
    const QString gamePath = game.canonicalFilePath();

    const QFileInfo source(request.picture);
    if (!source.exists())
        return fail(QStringLiteral("the picture %1 does not exist").arg(quoted(request.picture)));
    if (!source.isFile())
        return fail(QStringLiteral("the picture %1 is not a file").arg(quoted(request.picture)));
    QString why;
    const std::optional<StoredPicture> picture = preparePicture(request.picture, &why);
    if (!picture)
        return fail(QStringLiteral("the picture %1 cannot be used: %2").arg(quoted(request.picture), why));

    if (request.out.isEmpty())
        return fail(QStringLiteral("no output folder given"));
    const QString out = QDir::cleanPath(QFileInfo(request.out).absoluteFilePath());
    const QFileInfo outInfo(out);
    const bool exists = outInfo.exists();
    const auto notWritable = [](const QString &folder) {
        if (::access(QFile::encodeName(folder).constData(), W_OK) == 0)
            return QString();
        return QStringLiteral("cannot write in the folder %1: %2").arg(quoted(folder), systemError(errno));
    };
    QStringList entries;
    QStringList missing; // folders to make, outermost first
    if (exists) {
        if (!outInfo.isDir())
            return fail(QStringLiteral("%1 exists and is not a folder").arg(quoted(out)));
        entries = QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        if (!entries.isEmpty() && !request.force)
            return fail(QStringLiteral("the folder %1 is not empty; --force replaces the puzzle in it")
                            .arg(quoted(out)));
        if (const QString problem = forceProblem(out); !problem.isEmpty())
            return fail(problem);
        const QStringList targets = filesReplacedByCopy(entries);
        for (const QString &name : targets) {
            if (QFileInfo(QDir(out).filePath(name)).isDir())
                return fail(QStringLiteral("%1 is a folder and cannot be replaced")
                                .arg(quoted(QDir(out).filePath(name))));
        }
        if (const QString problem = notWritable(out); !problem.isEmpty())
            return fail(problem);
    } else {
        QString ancestor = out;
        do {
            missing.prepend(ancestor);
            ancestor = QFileInfo(ancestor).path();
        } while (!QFileInfo::exists(ancestor) && ancestor != QFileInfo(ancestor).path());
        missing.removeLast(); // the copy itself is renamed into place
        const QFileInfo parent(ancestor);
        if (!parent.isDir())
            return fail(QStringLiteral("%1 is not a folder").arg(quoted(ancestor)));
        if (const QString problem = notWritable(ancestor); !problem.isEmpty())
            return fail(problem);
    }

    // The files go into a staging folder beside (or inside) the copy,
    // where runs killed halfway may have left theirs.
    CreatedFolders created;
    if (!created.make(missing, &why))
        return fail(why);
    const QString stageParent = exists ? out : QFileInfo(out).path();
    removeStaleStagingFolders(stageParent);
    StagingFolder stage(stageParent);
    if (!stage.isValid())
        return fail(QStringLiteral("cannot write in the folder %1: %2").arg(quoted(stageParent), systemError(stage.error())));

    // Failures name the file as it would have been in the copy.
    const auto inCopy = [&out](const QString &name) { return QDir(out).filePath(name); };
    const QString gameName = QLatin1String(GameExecutableName);
    const QString stagedGame = stage.filePath(gameName);
    if (!copyFile(gamePath, stagedGame, inCopy(gameName), &why))
        return fail(why);
    QFile::setPermissions(stagedGame, QFile::permissions(gamePath) | QFile::ExeOwner | QFile::ReadOwner);
    const bool pictureStored = picture->converted
                                   ? writeFile(stage.filePath(picture->fileName), picture->bytes, inCopy(picture->fileName), &why)
                                   : copyFile(picture->source, stage.filePath(picture->fileName), inCopy(picture->fileName), &why);
    if (!pictureStored
        || !writeFile(stage.filePath(QStringLiteral("Matrix.dat")), matrixDatBytes(*digit, request.greeting),
                      inCopy(QStringLiteral("Matrix.dat")), &why))
        return fail(why);

    // Into place.
    const QStringList made = {gameName, picture->fileName, QStringLiteral("Matrix.dat")};
    if (!exists) {
        giveUsualPermissions(stage.path());
        if (!replaceFile(stage.path(), out))
            return fail(QStringLiteral("cannot make the folder %1: %2").arg(quoted(out), systemError(errno)));
        stage.keep();
    } else {
        result.touched = true;
        for (const QString &name : made) {
            if (!replaceFile(stage.filePath(name), inCopy(name)))
                return fail(cannotWrite(inCopy(name), errno));
        }
        // An older picture of another kind (or another case) would win over
        // the new one: it goes.
        for (const QString &name : filesReplacedByCopy(entries)) {
            if (made.contains(name))
                continue;
            if (::unlink(QFile::encodeName(inCopy(name)).constData()) != 0)
                return fail(QStringLiteral("cannot remove the old %1: %2").arg(quoted(inCopy(name)), systemError(errno)));
        }
    }
    created.keep();

    result.ok = true;
    result.picture = *picture;
    result.folder = out;
    return result;
}

QString describeCopy(const Result &result, int digit)
{
    QString picture = result.picture.fileName;
    if (result.picture.converted)
        picture += QStringLiteral(" (%1 converted to JPEG)").arg(QString::fromLatin1(result.picture.format).toUpper());
    return QStringLiteral("Made %1: %2, %3, Matrix.dat (%4)")
        .arg(quoted(result.folder), QLatin1String(GameExecutableName), picture, languageName(digit));
}

} // namespace maker
