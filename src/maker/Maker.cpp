#include "maker/Maker.h"

#include "game/GiftSettings.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/stat.h>

namespace maker {

namespace {

// The board the game stretches every picture to; a picture is checked the
// way the game decodes it.
constexpr int BoardSize = 360;

// A picture larger than this is not read into memory at all.
constexpr qint64 PictureFileLimit = qint64(512) * 1024 * 1024;

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

bool writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        *error = QStringLiteral("cannot write %1: %2").arg(quoted(path), file.errorString());
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("cannot write %1: %2").arg(quoted(path), file.errorString());
        return false;
    }
    return true;
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
            if (!QDir().mkdir(path)) {
                *error = QStringLiteral("cannot make the folder %1").arg(quoted(path));
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

QStringList LanguageCodes()
{
    return {QStringLiteral("it"), QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("de"),
            QStringLiteral("es")};
}

std::optional<int> LanguageDigit(const QString &code)
{
    const int index = LanguageCodes().indexOf(code.toLower());
    if (index < 0)
        return std::nullopt;
    return index;
}

QString GreetingProblem(const QString &greeting)
{
    for (QChar c : greeting) {
        if (isLineBreak(c))
            return QStringLiteral("the greeting must be one line, but it holds a line break");
    }
    if (!greeting.isValidUtf16())
        return QStringLiteral("the greeting is not valid text");
    // The digit, the greeting and the LF must fit in what the game reads.
    const qint64 bytes = greeting.toUtf8().size();
    const qint64 most = settings::MatrixDatReadLimit - 2;
    if (bytes > most) {
        return QStringLiteral("the greeting is too long: %1 bytes in UTF-8, at most %2")
            .arg(bytes)
            .arg(most);
    }
    return {};
}

QByteArray MatrixDatBytes(int digit, const QString &greeting)
{
    QByteArray line;
    line.append(char('0' + digit));
    line.append(greeting.toUtf8());
    line.append('\n');
    return line;
}

std::optional<StoredPicture> PreparePicture(const QByteArray &bytes, QString *error)
{
    const auto fail = [error](const QString &why) -> std::optional<StoredPicture> {
        if (error)
            *error = why;
        return std::nullopt;
    };

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format().toLower();
    if (format.isEmpty())
        return fail(QStringLiteral("not a picture format that can be read"));

    StoredPicture picture;
    picture.format = format;
    if (format == "bmp" || format == "jpeg" || format == "jpg" || format == "gif") {
        // Kept as it is: checked as the game decodes it, header first, then
        // straight to the board's size.
        const QSize size = reader.size();
        if (!size.isValid() || size.isEmpty())
            return fail(reader.errorString());
        reader.setScaledSize(QSize(BoardSize, BoardSize));
        if (reader.read().isNull())
            return fail(reader.errorString());
        picture.fileName = format == "bmp"   ? QStringLiteral("Matrix.bmp")
                           : format == "gif" ? QStringLiteral("Matrix.gif")
                                             : QStringLiteral("Matrix.jpg");
        picture.bytes = bytes;
        return picture;
    }

    const QImage image = reader.read();
    if (image.isNull())
        return fail(reader.errorString());
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

QStringList GameExecutableCandidates(const QString &makerDir)
{
    const QDir dir(makerDir);
    return {QDir::cleanPath(dir.filePath(QLatin1String(GameExecutableName))),
            QDir::cleanPath(dir.filePath(QLatin1String(QUADRIFOGLIO_GAME_FROM_BIN "/")
                                         + QLatin1String(GameExecutableName)))};
}

QString FindGameExecutable(const QString &makerDir)
{
    for (const QString &candidate : GameExecutableCandidates(makerDir)) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable())
            return candidate;
    }
    return {};
}

QStringList FilesReplacedByCopy(const QStringList &names)
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

Result MakeCopy(const Request &request)
{
    Result result;
    const auto fail = [&result](const QString &why) {
        result.error = why;
        return result;
    };

    // 1. Everything is checked before anything is written.
    const std::optional<int> digit = LanguageDigit(request.language);
    if (!digit) {
        return fail(QStringLiteral("unknown language \"%1\": use one of %2")
                        .arg(request.language, LanguageCodes().join(QLatin1String(", "))));
    }
    if (const QString problem = GreetingProblem(request.greeting); !problem.isEmpty())
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
    if (source.size() > PictureFileLimit)
        return fail(QStringLiteral("the picture %1 is too large (over %2 MB)")
                        .arg(quoted(request.picture))
                        .arg(PictureFileLimit / (1024 * 1024)));
    QFile pictureFile(request.picture);
    if (!pictureFile.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read the picture %1: %2")
                        .arg(quoted(request.picture), pictureFile.errorString()));
    const QByteArray pictureBytes = pictureFile.readAll();
    pictureFile.close();
    QString why;
    const std::optional<StoredPicture> picture = PreparePicture(pictureBytes, &why);
    if (!picture)
        return fail(QStringLiteral("the picture %1 does not decode: %2").arg(quoted(request.picture), why));

    if (request.out.isEmpty())
        return fail(QStringLiteral("no output folder given"));
    const QString out = QDir::cleanPath(QFileInfo(request.out).absoluteFilePath());
    const QFileInfo outInfo(out);
    const bool exists = outInfo.exists();
    QStringList entries;
    QStringList missing; // folders to make, outermost first
    if (exists) {
        if (!outInfo.isDir())
            return fail(QStringLiteral("%1 exists and is not a folder").arg(quoted(out)));
        entries = QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        if (!entries.isEmpty() && !request.force)
            return fail(QStringLiteral("the folder %1 is not empty; --force replaces the puzzle in it")
                            .arg(quoted(out)));
        const QStringList targets = FilesReplacedByCopy(entries);
        for (const QString &name : targets) {
            if (QFileInfo(QDir(out).filePath(name)).isDir())
                return fail(QStringLiteral("%1 is a folder and cannot be replaced")
                                .arg(quoted(QDir(out).filePath(name))));
        }
        if (!outInfo.isWritable())
            return fail(QStringLiteral("cannot write in the folder %1").arg(quoted(out)));
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
        if (!parent.isWritable())
            return fail(QStringLiteral("cannot write in the folder %1").arg(quoted(ancestor)));
    }

    // 2. The files go into a staging folder beside (or inside) the copy.
    CreatedFolders created;
    if (!created.make(missing, &why))
        return fail(why);
    const QString stageParent = exists ? out : QFileInfo(out).path();
    QTemporaryDir stage(stageParent + QLatin1String("/.quadrifoglio-maker-XXXXXX"));
    if (!stage.isValid())
        return fail(QStringLiteral("cannot write in the folder %1: %2").arg(quoted(stageParent), stage.errorString()));

    const QString stagedGame = stage.filePath(QLatin1String(GameExecutableName));
    if (!QFile::copy(gamePath, stagedGame))
        return fail(QStringLiteral("cannot copy the game %1").arg(quoted(gamePath)));
    QFile::setPermissions(stagedGame, QFile::permissions(stagedGame) | QFile::ExeOwner | QFile::ReadOwner);
    if (!writeFile(stage.filePath(picture->fileName), picture->bytes, &why)
        || !writeFile(stage.filePath(QStringLiteral("Matrix.dat")), MatrixDatBytes(*digit, request.greeting),
                      &why))
        return fail(why);

    // 3. Into place.
    const QStringList made = {QLatin1String(GameExecutableName), picture->fileName, QStringLiteral("Matrix.dat")};
    if (!exists) {
        giveUsualPermissions(stage.path());
        if (!replaceFile(stage.path(), out))
            return fail(QStringLiteral("cannot make the folder %1").arg(quoted(out)));
        stage.setAutoRemove(false);
    } else {
        result.touched = true;
        for (const QString &name : made) {
            if (!replaceFile(stage.filePath(name), QDir(out).filePath(name)))
                return fail(QStringLiteral("cannot write %1").arg(quoted(QDir(out).filePath(name))));
        }
        // An older picture of another kind (or another case) would win over
        // the new one: it goes.
        for (const QString &name : FilesReplacedByCopy(entries)) {
            if (made.contains(name))
                continue;
            if (!QFile::remove(QDir(out).filePath(name)))
                return fail(QStringLiteral("cannot remove the old %1").arg(quoted(QDir(out).filePath(name))));
        }
    }
    created.keep();

    result.ok = true;
    result.picture = *picture;
    result.folder = out;
    return result;
}

QString DescribeCopy(const Result &result, int digit)
{
    QString picture = result.picture.fileName;
    if (result.picture.converted)
        picture += QStringLiteral(" (%1 converted to JPEG)").arg(QString::fromLatin1(result.picture.format).toUpper());
    return QStringLiteral("Made %1: %2, %3, Matrix.dat (%4)")
        .arg(quoted(result.folder), QLatin1String(GameExecutableName), picture, languageName(digit));
}

} // namespace maker
