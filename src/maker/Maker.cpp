#include "maker/Maker.h"

#include "maker/SingleFile.h"

#include "game/GiftSettings.h"
#include "platform/Files.h"
#include "platform/Pictures.h"
#include "game/Text.h"
#include "ui/GreetingLayout.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTranslator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <memory>
#include <vector>

namespace maker {

namespace {

// The board the game stretches every picture to; a picture is checked the
// way the game decodes it.
constexpr int BoardSize = 360;

const char StagingPrefix[] = ".quadrifoglio-maker-";
// The game's sound, a module it loads from beside itself (in a portable
// copy it lies in lib/).
const char SoundModuleName[] = "quadrifoglio-sound.so";
// And its module for large TIFF and WebP pictures, beside the sound.
const char PictureModuleName[] = "quadrifoglio-pictures.so";

// The five languages by their English names, in the order of their digits.
const char *const LanguageNames[] = {QT_TRANSLATE_NOOP("Maker", "Italian"), QT_TRANSLATE_NOOP("Maker", "English"),
                                     QT_TRANSLATE_NOOP("Maker", "French"), QT_TRANSLATE_NOOP("Maker", "German"),
                                     QT_TRANSLATE_NOOP("Maker", "Spanish")};

QString languageName(int digit)
{
    return QCoreApplication::translate("Maker", LanguageNames[digit]);
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
    return QCoreApplication::translate("Maker", "cannot write %1: %2").arg(quoted(path), systemError(error));
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
        *error = QCoreApplication::translate("Maker", "cannot read %1: %2").arg(quoted(from), systemError(errno));
        return false;
    }
    const int out = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (out < 0) {
        *error = cannotWrite(shownPath, errno);
        ::close(in);
        return false;
    }
    bool ok = true;
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *error = QCoreApplication::translate("Maker", "cannot read %1: %2").arg(quoted(from), systemError(errno));
            ok = false;
            break;
        }
        if (n == 0)
            break;
        if (!platform::writeAll(out, buffer.data(), n)) {
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
                *error = QCoreApplication::translate("Maker", "cannot make the folder %1: %2").arg(quoted(path), systemError(errno));
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

QString defaultLanguageCode(const QLocale &desktop)
{
    switch (desktop.language()) {
    case QLocale::Italian:
        return QStringLiteral("it");
    case QLocale::French:
        return QStringLiteral("fr");
    case QLocale::German:
        return QStringLiteral("de");
    case QLocale::Spanish:
        return QStringLiteral("es");
    default:
        return QStringLiteral("en");
    }
}


QString greetingFitProblem(const QString &greeting)
{
    if (greeting.isEmpty() || greetinglayout::fits(greeting))
        return {};
    return QCoreApplication::translate("Maker", "the greeting does not fit in the game's message panel: the first %1 of its %2 "
                          "characters fit (about three lines); make it shorter")
        .arg(greetinglayout::charactersThatFit(greeting))
        .arg(greetinglayout::characterCount(greeting));
}

QString greetingGlyphWarning(const QString &greeting)
{
    const QStringList missing = greetinglayout::charactersWithoutGlyph(greeting);
    if (missing.isEmpty())
        return {};
    QStringList named;
    for (const QString &character : missing) {
        QStringList codes;
        for (const char32_t c : character.toUcs4())
            codes << QStringLiteral("U+%1").arg(QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0')));
        named << QStringLiteral("%1 (%2)").arg(character, codes.join(QLatin1Char(' ')));
    }
    if (missing.size() == 1)
        return QCoreApplication::translate("Maker", "the fonts on this computer cannot draw one character of the "
                                                    "greeting: %1; the friend's computer will probably show it as a box")
            .arg(named.first());
    return QCoreApplication::translate("Maker", "the fonts on this computer cannot draw %1 characters of the greeting: "
                                                "%2; the friend's computer will probably show them as boxes")
        .arg(missing.size())
        .arg(named.join(QLatin1String(", ")));
}

QStringList runtimeCandidates(const QString &makerDir)
{
    const QDir dir(makerDir);
    return {QDir::cleanPath(dir.filePath(QLatin1String(RuntimeFolderName))),
            QDir::cleanPath(dir.filePath(QLatin1String(QUADRIFOGLIO_GAME_FROM_BIN "/") + QLatin1String(RuntimeFolderName)))};
}

QString findRuntime(const QString &makerDir)
{
    for (const QString &candidate : runtimeCandidates(makerDir)) {
        if (QFileInfo(QDir(candidate).filePath(QLatin1String(GameExecutableName))).isExecutable())
            return candidate;
    }
    // An installed package carries the runtime packed only.
    if (const QString pack = findPack(makerDir); !pack.isEmpty())
        return unpackedRuntime(pack, nullptr);
    return {};
}

QString startNoteName(int digit)
{
    static const char *const names[] = {"LEGGIMI.txt", "README.txt", "LISEZMOI.txt", "LIESMICH.txt", "LEEME.txt"};
    return QString::fromLatin1(names[qBound(0, digit, 4)]);
}

namespace {

// The texts a gift carries speak the gift's language, whatever the maker's
// own: each language's translator is loaded once, from the maker's Linguist
// files, and asked directly.
QString inLanguage(int digit, const char *context, const char *source)
{
    static const std::vector<std::unique_ptr<QTranslator>> translators = [] {
        std::vector<std::unique_ptr<QTranslator>> loaded;
        for (const QString &code : languageCodes()) {
            auto translator = std::make_unique<QTranslator>();
            if (!translator->load(QStringLiteral(":/maker-i18n/quadrifoglio-maker_") + code))
                translator.reset();
            loaded.push_back(std::move(translator));
        }
        return loaded;
    }();
    const auto &translator = translators[std::size_t(qBound(0, digit, 4))];
    const QString text = translator ? translator->translate(context, source) : QString();
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

QString inGiftLanguage(int digit, const char *source)
{
    return inLanguage(digit, "GiftNote", source);
}

const char StartNote[] = QT_TRANSLATE_NOOP("GiftNote",
    "Quadrifoglio 3D: a jigsaw puzzle made for you.\n"
    "\n"
    "To play, open this folder and start the program \"quadrifoglio\" (double-click it; if the\n"
    "file manager opens it as a document, right-click it and choose \"Run\"). From a terminal, which\n"
    "works even when a download has taken away its permission to run:\n"
    "\n"
    "    cd this-folder\n"
    "    sh quadrifoglio\n"
    "\n"
    "It runs on a 64-bit Linux computer with a graphical desktop; nothing needs to be installed.\n"
    "Keep all the files of this folder together: the game needs every one of them.\n");

const char SingleFileInstructions[] = QT_TRANSLATE_NOOP("GiftNote",
    "Save the file %1 and start it: from a terminal with  sh %1  (or allow it to run as a program in its properties and double-click it). It runs on a 64-bit Linux computer; nothing needs to be installed.");

} // namespace

QString languageNativeName(int digit)
{
    // Each language by its own name, as a list of them begins it.
    const int language = qBound(0, digit, 4);
    QString name = inLanguage(language, "Maker", LanguageNames[language]);
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

QString startNoteText(int digit)
{
    return inGiftLanguage(digit, StartNote);
}

QString singleFileInstructions(int digit, const QString &fileName)
{
    return inGiftLanguage(digit, SingleFileInstructions).arg(shellQuoted(fileName));
}

QString shellQuoted(const QString &text)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._/+,:=@%-]+$"));
    if (plain.match(text).hasMatch())
        return text;
    QString quotedText = text;
    quotedText.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quotedText + QLatin1Char('\'');
}

QString smallPictureWarning(int side)
{
    if (side >= boardsize::CommonSide)
        return {};
    return QCoreApplication::translate("Maker", "the picture is only %1 pixels a side where it fills the board; on a 1920 x 1080 screen "
                          "the board is %2 pixels, so it will show enlarged and blurred")
        .arg(side)
        .arg(boardsize::CommonSide);
}

QString greetingProblem(const QString &greeting)
{
    if (!greeting.isValidUtf16())
        return QCoreApplication::translate("Maker", "the greeting is not valid text");
    int position = 0;
    for (const char32_t c : greeting.toUcs4()) {
        ++position;
        if (c < 0x10000 && isLineBreak(QChar(char16_t(c))))
            return QCoreApplication::translate("Maker", "the greeting must be one line, but it holds a line break");
        if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
            return QCoreApplication::translate("Maker", "the greeting holds a control character (U+%1) at character %2")
                .arg(QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0')))
                .arg(position);
        }
    }
    // The digit, the greeting and the LF must fit in what the game reads.
    const qint64 bytes = greeting.toUtf8().size();
    const qint64 most = gift::MatrixDatReadLimit - 2;
    if (bytes > most) {
        return QCoreApplication::translate("Maker", "the greeting is too long: %1 bytes in UTF-8, at most %2")
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
                           && (length == 1 || textcodec::decodeUtf8(bytes.mid(i, length)).has_value());
        if (!whole) {
            return QCoreApplication::translate("Maker", "the greeting is not UTF-8 text: byte 0x%1 at byte %2 (character %3)")
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

QRect centredSquare(QSize size)
{
    const int side = qMax(1, qMin(size.width(), size.height()));
    return QRect((size.width() - side) / 2, (size.height() - side) / 2, side, side);
}

std::optional<QRect> parseCrop(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,9})\\s*,\\s*(\\d{1,9})\\s*,\\s*(\\d{1,9})\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int side = match.captured(3).toInt();
    if (side < 1)
        return std::nullopt;
    return QRect(match.captured(1).toInt(), match.captured(2).toInt(), side, side);
}

QString cropProblem(const QRect &crop, QSize size)
{
    const QString square = QStringLiteral("%1,%2,%3").arg(crop.x()).arg(crop.y()).arg(crop.width());
    if (crop.width() != crop.height() || crop.width() < 1)
        return QCoreApplication::translate("Maker", "the crop %1 x %2 is not a square").arg(crop.width()).arg(crop.height());
    if (qint64(crop.x()) + crop.width() > size.width() || qint64(crop.y()) + crop.height() > size.height()
        || crop.x() < 0 || crop.y() < 0)
        return QCoreApplication::translate("Maker", "the square %1 (X,Y,SIDE) does not lie inside the picture, which is %2 x %3 pixels")
            .arg(square)
            .arg(size.width())
            .arg(size.height());
    return {};
}

QSize decodeSizeForSquare(QSize size, const QRect &square)
{
    const double factor = qMin(1.0, double(MadePictureMaxSide) / qMax(1, square.width()));
    return QSize(qMax(1, qRound(size.width() * factor)), qMax(1, qRound(size.height() * factor)));
}

QString acceptedPictureFormats()
{
    QStringList names;
    for (const QByteArray &format : QImageReader::supportedImageFormats()) {
        const QString name = QString::fromLatin1(format).toUpper();
        // Second names of the same format.
        if (name == QLatin1String("JPG") || name == QLatin1String("TIF"))
            continue;
        names << name;
    }
    names.removeDuplicates();
    names.sort();
    return names.join(QLatin1String(", "));
}

QSize pictureSize(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    QSize size = reader.size();
    if (size.isValid() && (reader.transformation() & QImageIOHandler::TransformationRotate90))
        size.transpose();
    return size;
}

namespace {

bool keptAsItIs(const QByteArray &format)
{
    return format == "bmp" || format == "jpeg" || format == "jpg" || format == "gif";
}

// The picture decoded, turned upright, to exactly `size` (stretched when its
// proportions differ). Bitmaps, GIFs and JPEGs go through the game's own
// loader, which reads those too large to decode whole in bands (a large
// progressive JPEG from its first scans); the other formats are decoded
// straight to the size where their decoder can.
std::optional<QImage> decodeTo(const QString &path, const QByteArray &format, QSize size, QString *why)
{
    if (format == "bmp" || format == "gif" || format == "jpeg") {
        const platform::LoadedPicture loaded = platform::loadPicture(path, size);
        if (loaded.problem != platform::PictureProblem::None) {
            *why = platform::describePictureProblem(loaded);
            return std::nullopt;
        }
        return loaded.image;
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize stated = reader.size();
    // The decoder scales before it turns the picture upright.
    QSize scaled = size;
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        scaled.transpose();
    reader.setScaledSize(scaled);
    QImage image = reader.read();
    if (image.isNull()) {
        if (stated.isValid() && qint64(stated.width()) * stated.height() * 4 > qint64(QImageReader::allocationLimit()) << 20)
            *why = QCoreApplication::translate("Maker", "it is too large to convert to JPEG: %1 x %2 pixels; convert it to JPEG "
                                  "yourself, or make it smaller")
                       .arg(stated.width())
                       .arg(stated.height());
        else
            *why = QCoreApplication::translate("Maker", "it is damaged and does not decode (%1)").arg(reader.errorString());
        return std::nullopt;
    }
    if (image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

QImage previewPicture(const QString &path, QSize bound, QSize *size, QString *error)
{
    QByteArray format;
    {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        format = reader.format().toLower();
    }
    QSize own = pictureSize(path);
    if (format == "bmp" && !own.isValid())
        own = platform::loadPicture(path, QSize(1, 1)).size;
    QString why;
    if (format.isEmpty() || own.isEmpty()) {
        // The same words as the maker's refusal.
        preparePicture(path, {}, &why);
        if (error)
            *error = why;
        return {};
    }
    const QSize shown = own.scaled(bound, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    const std::optional<QImage> image = decodeTo(path, format, shown, &why);
    if (!image) {
        if (error)
            *error = why;
        return {};
    }
    *size = own;
    return *image;
}

std::optional<StoredPicture> preparePicture(const QString &path, const PictureChoice &choice, QString *error)
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
    // A picture the game could take as it is is checked as the game decodes
    // it, straight to the board's size: its own words for one it could not
    // show.
    QSize size = pictureSize(path);
    if (keptAsItIs(format) || format.isEmpty()) {
        const platform::LoadedPicture check = platform::loadPicture(path, QSize(BoardSize, BoardSize));
        if (check.problem == platform::PictureProblem::NotAPicture || (format.isEmpty() && check.problem == platform::PictureProblem::None))
            return fail(QCoreApplication::translate("Maker", "it is not a picture in a format that can be read; pictures in these "
                                       "formats are read: ")
                        + acceptedPictureFormats());
        if (check.problem != platform::PictureProblem::None)
            return fail(platform::describePictureProblem(check));
        if (!size.isValid())
            size = check.size;
    } else if (size.isValid() && qint64(size.width()) * size.height() > platform::PictureMaxPixels) {
        platform::LoadedPicture tooLarge;
        tooLarge.problem = platform::PictureProblem::TooLarge;
        tooLarge.size = size;
        return fail(platform::describePictureProblem(tooLarge));
    }
    if (size.isEmpty())
        return fail(QCoreApplication::translate("Maker", "it is damaged and does not decode (it does not tell its size)"));
    if (choice.crop && choice.fit == Fit::Stretch)
        return fail(QCoreApplication::translate("Maker", "a square was picked, but the whole picture is to be stretched: choose one"));
    if (choice.crop) {
        if (const QString problem = cropProblem(*choice.crop, size); !problem.isEmpty())
            return fail(problem);
    }

    StoredPicture picture;
    picture.format = format;
    picture.size = size;
    picture.sourceSide = choice.crop ? choice.crop->width() : qMin(size.width(), size.height());
    const bool square = size.width() == size.height();
    if (keptAsItIs(format) && !choice.crop && (square || choice.fit == Fit::Stretch)
        && QFileInfo(path).size() <= KeptAsItIsMaxBytes) {
        picture.fileName = format == "bmp"   ? QStringLiteral("Matrix.bmp")
                           : format == "gif" ? QStringLiteral("Matrix.gif")
                                             : QStringLiteral("Matrix.jpg");
        picture.source = path;
        return picture;
    }

    QImage made;
    QString why;
    if (choice.fit == Fit::Stretch) {
        const int side = qMin(MadePictureMaxSide, qMax(size.width(), size.height()));
        const std::optional<QImage> image = decodeTo(path, format, QSize(side, side), &why);
        if (!image)
            return fail(why);
        made = *image;
        picture.change = square ? QString() : QStringLiteral("stretched to a square");
        picture.sourceSide = qMin(size.width(), size.height());
    } else {
        const QRect wanted = choice.crop.value_or(centredSquare(size));
        picture.sourceSide = wanted.width();
        const QSize decoded = decodeSizeForSquare(size, wanted);
        const std::optional<QImage> image = decodeTo(path, format, decoded, &why);
        if (!image)
            return fail(why);
        // The square in the decoded picture's pixels.
        const double fx = double(decoded.width()) / size.width();
        const double fy = double(decoded.height()) / size.height();
        const int x = qBound(0, qRound(wanted.x() * fx), decoded.width() - 1);
        const int y = qBound(0, qRound(wanted.y() * fy), decoded.height() - 1);
        const int side = qMax(1, std::min({qRound(wanted.width() * fx), decoded.width() - x, decoded.height() - y}));
        made = image->copy(x, y, side, side);
        if (wanted != QRect(QPoint(0, 0), size))
            picture.change = QStringLiteral("cropped to the square %1,%2,%3").arg(wanted.x()).arg(wanted.y()).arg(wanted.width());
    }
    // JPEG has no transparency: what shows through is white, as on a page.
    QImage flat(made.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, made);
    }
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QImageWriter writer(&out, "jpeg");
    writer.setQuality(ConvertedJpegQuality);
    if (!writer.write(flat))
        return fail(QCoreApplication::translate("Maker", "cannot convert it to JPEG: ") + writer.errorString());
    picture.fileName = QStringLiteral("Matrix.jpg");
    picture.bytes = out.data();
    picture.converted = true;
    picture.madeSide = flat.width();
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

namespace {

// The paths a copy's list names, relative to its folder; nullopt when the
// list is missing, is not a plain file, or names a path outside the folder.
std::optional<QStringList> readCopyList(const QString &folder)
{
    const QString path = folder + QLatin1Char('/') + QLatin1String(CopyListName);
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > (4 << 20))
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList paths;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QString relative = QString::fromUtf8(line);
        const QStringList parts = relative.split(QLatin1Char('/'));
        if (relative.startsWith(QLatin1Char('/')) || parts.contains(QString()) || parts.contains(QStringLiteral(".."))
            || parts.contains(QStringLiteral(".")))
            return std::nullopt;
        paths << relative;
    }
    return paths;
}

// Every path under `folder`, relative to it; links are listed, never
// followed.
QStringList pathsUnder(const QString &folder)
{
    QStringList paths;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << QDir(folder).relativeFilePath(it.next());
    paths.sort();
    return paths;
}

// Removes the paths of `listed` under `folder`, the deepest first, without
// following a link on the way: a folder of the copy replaced by a link to
// somewhere else loses nothing there. Then the folder itself, if that
// leaves it empty. True when the folder is gone.
bool removeListed(const QString &folder, QStringList listed)
{
    std::sort(listed.begin(), listed.end(), [](const QString &a, const QString &b) {
        return a.count(QLatin1Char('/')) > b.count(QLatin1Char('/')) || (a.count(QLatin1Char('/')) == b.count(QLatin1Char('/')) && a > b);
    });
    listed << QLatin1String(CopyListName);
    const int root = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (root < 0)
        return false;
    for (const QString &relative : std::as_const(listed)) {
        QStringList parts = relative.split(QLatin1Char('/'));
        const QByteArray last = QFile::encodeName(parts.takeLast());
        int dir = ::dup(root);
        for (const QString &part : std::as_const(parts)) {
            const int next = dir < 0 ? -1 : ::openat(dir, QFile::encodeName(part).constData(),
                                                      O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (dir >= 0)
                ::close(dir);
            dir = next;
        }
        if (dir < 0)
            continue;
        if (::unlinkat(dir, last.constData(), 0) != 0 && (errno == EISDIR || errno == EPERM))
            ::unlinkat(dir, last.constData(), AT_REMOVEDIR);
        ::close(dir);
    }
    ::close(root);
    return ::rmdir(QFile::encodeName(folder).constData()) == 0;
}

// A few names of a list, and how many more there are.
QString someNames(const QStringList &names)
{
    const int shown = 8;
    QStringList quotedNames;
    for (const QString &name : names.mid(0, shown))
        quotedNames << quoted(name);
    QString text = quotedNames.join(QLatin1String(", "));
    if (names.size() > shown)
        text += QCoreApplication::translate("Maker", " and %1 more").arg(names.size() - shown);
    return text;
}

} // namespace

QString forceProblem(const QString &folder)
{
    struct stat info;
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return {};
    if (S_ISLNK(info.st_mode))
        return QCoreApplication::translate("Maker", "%1 is a link; the maker never writes through a link: give the folder itself").arg(quoted(folder));
    if (!S_ISDIR(info.st_mode))
        return QCoreApplication::translate("Maker", "%1 exists and is not a folder").arg(quoted(folder));
    const QStringList present = pathsUnder(folder);
    const std::optional<QStringList> listed = readCopyList(folder);
    if (!listed) {
        return QCoreApplication::translate("Maker", "the folder %1 is not a copy made by the maker; it holds %2. --force replaces only "
                              "such a copy: choose a new folder")
            .arg(quoted(folder), someNames(present));
    }
    QStringList foreign;
    for (const QString &path : present) {
        if (path != QLatin1String(CopyListName) && !listed->contains(path))
            foreign << path;
    }
    if (!foreign.isEmpty()) {
        return QCoreApplication::translate("Maker", "the folder %1 holds files the maker did not make: %2. --force replaces only a copy "
                              "the maker made: move them elsewhere, or choose a new folder")
            .arg(quoted(folder), someNames(foreign));
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
        const QString path = dir.filePath(name);
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        // A run still going holds its folder's lock. A folder with a list
        // (a copy being made, or an old copy being removed) loses what the
        // list names; one without is a run killed before it wrote anything.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            const std::optional<QStringList> listed = readCopyList(path);
            if (listed ? removeListed(path, *listed) : QDir(path).removeRecursively())
                ++removed;
        }
        ::close(fd);
    }
    return removed;
}

namespace {

// One file or folder of the copy: where it comes from (empty: written from
// `bytes`), and its name in the copy.
struct Part
{
    QString name;
    QString source;
    QByteArray bytes;
};

// Writes the copy's parts into the empty folder `dir`, counting the bytes
// copied into `done`. `inCopy` names a file as the user will know it.
// `copied` returns false to stop, which leaves *why empty.
bool writeParts(const QString &dir, const QList<Part> &parts, const std::function<QString(const QString &)> &inCopy,
                const std::function<bool(qint64)> &copied, QString *why)
{
    for (const Part &part : parts) {
        const QString target = dir + QLatin1Char('/') + part.name;
        if (part.source.isEmpty()) {
            if (!writeFile(target, part.bytes, inCopy(part.name), why))
                return false;
            if (!copied(part.bytes.size())) {
                why->clear();
                return false;
            }
            continue;
        }
        const QFileInfo source(part.source);
        if (!source.isDir()) {
            if (!copyFile(part.source, target, inCopy(part.name), why))
                return false;
            QFile::setPermissions(target, source.permissions() | QFile::ReadOwner | QFile::WriteOwner);
            if (!copied(source.size())) {
                why->clear();
                return false;
            }
            continue;
        }
        // A folder of the runtime, whole.
        if (::mkdir(QFile::encodeName(target).constData(), 0777) != 0) {
            *why = cannotWrite(inCopy(part.name), errno);
            return false;
        }
        QDirIterator it(part.source, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString relative = part.name + QLatin1Char('/') + QDir(part.source).relativeFilePath(from);
            const QString to = dir + QLatin1Char('/') + relative;
            if (it.fileInfo().isDir()) {
                if (::mkdir(QFile::encodeName(to).constData(), 0777) != 0) {
                    *why = cannotWrite(inCopy(relative), errno);
                    return false;
                }
                continue;
            }
            if (!copyFile(from, to, inCopy(relative), why))
                return false;
            QFile::setPermissions(to, it.fileInfo().permissions() | QFile::ReadOwner | QFile::WriteOwner);
            if (!copied(it.fileInfo().size())) {
                why->clear();
                return false;
            }
        }
    }
    return true;
}

qint64 partBytes(const Part &part)
{
    return part.source.isEmpty() ? part.bytes.size() : sizeOnDisk(part.source);
}

} // namespace

Result makeCopy(const Request &request, const Progress &progress, const KeepGoing &keepGoing)
{
    Result result;
    const auto stopped = [&keepGoing, &result] {
        if (keepGoing && !keepGoing())
            result.cancelled = true;
        return result.cancelled;
    };
    const auto fail = [&result](const QString &why) {
        result.error = why;
        return result;
    };
    // The steps in English; the window and the terminal show them translated.
    const auto tell = [&progress](int percent, const char *step) {
        if (progress)
            progress(percent, QString::fromLatin1(step));
    };

    // Everything is checked before anything is written.
    tell(0, QT_TRANSLATE_NOOP("MakerWindow", "Checking"));
    const std::optional<int> digit = languageDigit(request.language);
    if (!digit) {
        return fail(QCoreApplication::translate("Maker", "unknown language \"%1\": use one of %2")
                        .arg(request.language, languageCodes().join(QLatin1String(", "))));
    }
    if (const QString problem = greetingProblem(request.greeting); !problem.isEmpty())
        return fail(problem);
    if (const QString problem = greetingFitProblem(request.greeting); !problem.isEmpty())
        return fail(problem);

    const bool portable = !request.runtime.isEmpty();
    QString gamePath;
    if (portable) {
        if (!QFileInfo(QDir(request.runtime).filePath(QLatin1String(GameExecutableName))).isExecutable())
            return fail(QCoreApplication::translate("Maker", "the game's portable runtime was not found (%1)").arg(quoted(request.runtime)));
    } else {
        const QFileInfo game(request.game);
        if (request.game.isEmpty() || !game.isFile() || !game.isExecutable())
            return fail(QCoreApplication::translate("Maker", "the game's executable was not found (%1)")
                            .arg(request.game.isEmpty() ? QCoreApplication::translate("Maker", "none given") : quoted(request.game)));
        gamePath = game.canonicalFilePath();
    }
    QString pack;
    if (request.singleFile) {
        if (!portable)
            return fail(QCoreApplication::translate("Maker", "one file is made from the portable copy only, not from the game alone"));
        // The pack lies beside the runtime, or beside the maker.
        pack = request.pack;
        if (pack.isEmpty() && packProblem(QDir(request.runtime).filePath(QStringLiteral("../") + QLatin1String(PackFolderName))).isEmpty())
            pack = QDir::cleanPath(QDir(request.runtime).filePath(QStringLiteral("../") + QLatin1String(PackFolderName)));
        if (pack.isEmpty())
            pack = findPack(QCoreApplication::applicationDirPath());
        if (pack.isEmpty())
            return fail(QCoreApplication::translate("Maker", "one file cannot be made: the game's pack was not found beside the runtime "
                                                             "or the maker; install the game again"));
        if (const QString problem = packProblem(pack); !problem.isEmpty())
            return fail(problem);
    }

    const QFileInfo source(request.picture);
    if (!source.exists())
        return fail(QCoreApplication::translate("Maker", "the picture %1 does not exist").arg(quoted(request.picture)));
    if (!source.isFile())
        return fail(QCoreApplication::translate("Maker", "the picture %1 is not a file").arg(quoted(request.picture)));
    tell(2, QT_TRANSLATE_NOOP("MakerWindow", "Preparing the picture"));
    QString why;
    const std::optional<StoredPicture> picture = preparePicture(request.picture, request.picturing, &why);
    if (!picture)
        return fail(QCoreApplication::translate("Maker", "the picture %1 cannot be used: %2").arg(quoted(request.picture), why));

    if (request.out.isEmpty())
        return fail(request.singleFile ? QCoreApplication::translate("Maker", "no file given") : QCoreApplication::translate("Maker", "no output folder given"));
    const QString out = QDir::cleanPath(QFileInfo(request.out).absoluteFilePath());
    const QFileInfo outInfo(out);
    const bool exists = outInfo.exists() || outInfo.isSymLink();
    const auto notWritable = [](const QString &folder) {
        if (::access(QFile::encodeName(folder).constData(), W_OK) == 0)
            return QString();
        return QCoreApplication::translate("Maker", "cannot write in the folder %1: %2").arg(quoted(folder), systemError(errno));
    };

    // What the copy holds.
    QList<Part> parts;
    if (portable && request.singleFile) {
        // The runtime comes from the pack, already compressed.
    } else if (portable) {
        const QDir runtime(request.runtime);
        for (const QString &name : runtime.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            parts << Part{name, runtime.filePath(name), {}};
    } else {
        parts << Part{QLatin1String(GameExecutableName), gamePath, {}};
        for (const char *moduleName : {SoundModuleName, PictureModuleName}) {
            const QString module = QFileInfo(gamePath).dir().filePath(QLatin1String(moduleName));
            if (QFileInfo(module).isFile())
                parts << Part{QLatin1String(moduleName), module, {}};
        }
    }
    parts << Part{picture->fileName, picture->converted ? QString() : picture->source, picture->bytes};
    parts << Part{QStringLiteral("Matrix.dat"), {}, matrixDatBytes(*digit, request.greeting)};
    if (portable)
        parts << Part{startNoteName(*digit), {}, startNoteText(*digit).toUtf8()};
    QStringList made;
    for (const Part &part : parts)
        made << part.name;

    // Every path the copy holds, for its list: --force later replaces what
    // the list names and nothing else.
    QStringList listed;
    for (const Part &part : parts) {
        listed << part.name;
        if (!part.source.isEmpty() && QFileInfo(part.source).isDir()) {
            for (const QString &inside : pathsUnder(part.source))
                listed << part.name + QLatin1Char('/') + inside;
        }
    }

    // An existing folder is replaced only when it is empty, or is a copy the
    // maker made and --force is given; never through a link.
    bool replacing = false;
    QStringList missing; // folders to make, outermost first
    if (exists && !request.singleFile) {
        if (outInfo.isSymLink())
            return fail(QCoreApplication::translate("Maker", "%1 is a link; the maker never writes through a link: give the folder itself")
                            .arg(quoted(out)));
        if (!outInfo.isDir())
            return fail(QCoreApplication::translate("Maker", "%1 exists and is not a folder").arg(quoted(out)));
        replacing = !QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).isEmpty();
        if (replacing && !request.force)
            return fail(QCoreApplication::translate("Maker", "the folder %1 is not empty; --force replaces a copy the maker made before")
                            .arg(quoted(out)));
        if (replacing) {
            if (const QString problem = forceProblem(out); !problem.isEmpty())
                return fail(problem);
        }
    } else if (exists) {
        if (outInfo.isDir() && !outInfo.isSymLink())
            return fail(QCoreApplication::translate("Maker", "%1 is a folder; give the name of the file to make").arg(quoted(out)));
        if (!request.force)
            return fail(QCoreApplication::translate("Maker", "the file %1 exists; --force replaces it").arg(quoted(out)));
        if (!isSingleFileCopy(out))
            return fail(QCoreApplication::translate("Maker", "%1 is not a copy made by the maker; --force does not replace it").arg(quoted(out)));
    }
    QString ancestor = QFileInfo(out).path();
    while (!QFileInfo::exists(ancestor) && ancestor != QFileInfo(ancestor).path()) {
        missing.prepend(ancestor);
        ancestor = QFileInfo(ancestor).path();
    }
    if (!QFileInfo(ancestor).isDir())
        return fail(QCoreApplication::translate("Maker", "%1 is not a folder").arg(quoted(ancestor)));
    if (const QString problem = notWritable(ancestor); !problem.isEmpty())
        return fail(problem);

    // The copy is made whole in a staging folder beside it, where runs
    // killed halfway may have left theirs, and takes its name in one step.
    CreatedFolders created;
    if (!created.make(missing, &why))
        return fail(why);
    const QString stageParent = QFileInfo(out).path();
    removeStaleStagingFolders(stageParent);
    StagingFolder stage(stageParent);
    if (!stage.isValid())
        return fail(QCoreApplication::translate("Maker", "cannot write in the folder %1: %2").arg(quoted(stageParent), systemError(stage.error())));

    // Failures name the file as it would have been in the copy.
    const auto inCopy = [&out, &request](const QString &name) {
        return request.singleFile ? out : QDir(out).filePath(name);
    };
    qint64 total = 0;
    for (const Part &part : parts)
        total += partBytes(part);
    const int copyEnd = request.singleFile ? 5 : 98;
    qint64 done = 0;
    const auto copied = [&](qint64 bytes) {
        done += bytes;
        tell(5 + int((copyEnd - 5) * done / qMax<qint64>(1, total)), QT_TRANSLATE_NOOP("MakerWindow", "Copying the game"));
        return !stopped();
    };
    const auto cancelled = [&result] {
        result.error = QCoreApplication::translate("Maker", "stopped as asked");
        return result;
    };
    if (stopped())
        return cancelled();
    const QString folder = request.singleFile ? stage.filePath(QStringLiteral("copy")) : stage.path();
    if (request.singleFile && ::mkdir(QFile::encodeName(folder).constData(), 0777) != 0)
        return fail(cannotWrite(out, errno));
    if (!request.singleFile) {
        const QByteArray list = "# Made by quadrifoglio-maker. quadrifoglio-maker --force replaces this copy of the\n"
                                "# game and removes only the files named here.\n"
                                + listed.join(QLatin1Char('\n')).toUtf8() + '\n';
        if (!writeFile(stage.filePath(QLatin1String(CopyListName)), list, inCopy(QLatin1String(CopyListName)), &why))
            return fail(why);
    }
    if (!writeParts(folder, parts, inCopy, copied, &why))
        return result.cancelled ? cancelled() : fail(why);

    if (request.singleFile) {
        tell(copyEnd, QT_TRANSLATE_NOOP("MakerWindow", "Packing into one file"));
        giveUsualPermissions(folder);
        const QString packed = stage.filePath(QStringLiteral("copy.run"));
        const auto keepGoing = [&](int percent) {
            tell(copyEnd + (99 - copyEnd) * percent / 100, QT_TRANSLATE_NOOP("MakerWindow", "Packing into one file"));
            return !stopped();
        };
        if (!packSingleFile(folder, pack, packed, keepGoing, &why)) {
            if (stopped())
                return cancelled();
            return fail(why.replace(quoted(packed), quoted(out)));
        }
        if (!replaceFile(packed, out))
            return fail(cannotWrite(out, errno));
    } else if (stopped()) {
        return cancelled();
    } else if (!replacing) {
        // A new folder, or an empty one, which a folder renamed onto it replaces.
        giveUsualPermissions(stage.path());
        const bool placed = exists ? ::rename(QFile::encodeName(stage.path()).constData(), QFile::encodeName(out).constData()) == 0
                                   : ::renameat2(AT_FDCWD, QFile::encodeName(stage.path()).constData(), AT_FDCWD,
                                                 QFile::encodeName(out).constData(), RENAME_NOREPLACE) == 0;
        if (!placed)
            return fail(QCoreApplication::translate("Maker", "cannot make the folder %1: %2").arg(quoted(out), systemError(errno)));
        stage.keep();
    } else {
        // The new copy and the old one swap names in one step; the old one,
        // now in the staging folder's place, then loses what its list names.
        giveUsualPermissions(stage.path());
        const QByteArray from = QFile::encodeName(stage.path()), to = QFile::encodeName(out);
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) != 0) {
            if (errno != EINVAL && errno != ENOSYS)
                return fail(cannotWrite(out, errno));
            // A file system that cannot swap (FAT on a memory stick): the old
            // copy steps aside, hidden, and the new one takes its name.
            const QByteArray aside = QFile::encodeName(stageParent + QLatin1Char('/') + QLatin1String(StagingPrefix) + QStringLiteral("old"));
            QDir(QFile::decodeName(aside)).removeRecursively();
            if (::rename(to.constData(), aside.constData()) != 0)
                return fail(cannotWrite(out, errno));
            result.touched = true;
            if (::rename(from.constData(), to.constData()) != 0) {
                const int why = errno;
                ::rename(aside.constData(), to.constData());
                return fail(cannotWrite(out, why));
            }
            if (::rename(aside.constData(), from.constData()) != 0)
                QDir(QFile::decodeName(aside)).removeRecursively();
        }
        result.touched = true;
        stage.keep();
        if (const std::optional<QStringList> old = readCopyList(stage.path()); old && !removeListed(stage.path(), *old)) {
            // Something was put in the old copy as it was being replaced: it
            // stays, under a name of its own.
            QString kept;
            for (int n = 1; kept.isEmpty() || QFileInfo::exists(kept) || QFileInfo(kept).isSymLink(); ++n)
                kept = out + QStringLiteral(".old-%1").arg(n);
            ::rename(from.constData(), QFile::encodeName(kept).constData());
            result.warning = QCoreApplication::translate("Maker", "files added to the old copy while it was replaced are in %1").arg(quoted(kept));
        }
    }
    created.keep();

    tell(100, QT_TRANSLATE_NOOP("MakerWindow", "Done"));
    result.ok = true;
    result.picture = *picture;
    result.folder = out;
    result.bytes = sizeOnDisk(out);
    if (const QString small = smallPictureWarning(picture->sourceSide); !small.isEmpty())
        result.warning = result.warning.isEmpty() ? small : result.warning + QStringLiteral("; ") + small;
    if (const QString glyphs = greetingGlyphWarning(request.greeting); !glyphs.isEmpty())
        result.warning = result.warning.isEmpty() ? glyphs : result.warning + QStringLiteral("; ") + glyphs;
    return result;
}

QString describeCopy(const Result &result, int digit)
{
    const StoredPicture &made = result.picture;
    QString picture;
    if (!made.converted)
        picture = QCoreApplication::translate("Maker", "kept as it is");
    else if (made.change.startsWith(QLatin1String("stretched")))
        picture = QCoreApplication::translate("Maker", "stretched to a square of %1 x %1 pixels").arg(made.madeSide);
    else if (!made.change.isEmpty())
        picture = QCoreApplication::translate("Maker", "cropped to a square of %1 x %1 pixels").arg(made.madeSide);
    else
        picture = QCoreApplication::translate("Maker", "a JPEG of %1 x %1 pixels").arg(made.madeSide);
    const QFileInfo copy(result.folder);
    if (copy.isFile()) {
        return QCoreApplication::translate("Maker", "Your puzzle is ready: %1 (%2), one file with the game, your picture (%3) and your "
                              "greeting in %4.\nTell your friend how to start it:\n  %5")
            .arg(quoted(result.folder), sizeInWords(result.bytes), picture, languageName(digit),
                 singleFileInstructions(digit, copy.fileName()));
    }
    const bool portable = QFileInfo::exists(QDir(result.folder).filePath(startNoteName(digit)));
    return QCoreApplication::translate("Maker", "Your puzzle is ready in the folder %1 (%2): %3, your picture (%4) and your greeting in "
                          "%5.\nGive your friend the whole folder%6. The game starts with:\n  %7")
        .arg(quoted(result.folder), sizeInWords(result.bytes),
             portable ? QCoreApplication::translate("Maker", "the game with its libraries") : QCoreApplication::translate("Maker", "the game alone (your friend needs Qt 6)"),
             picture, languageName(digit),
             portable ? QCoreApplication::translate("Maker", "; %1 in it tells how to start the game").arg(startNoteName(digit)) : QString(),
             shellQuoted(QDir(result.folder).filePath(QLatin1String(GameExecutableName))));
}

qint64 sizeOnDisk(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isDir())
        return info.size();
    qint64 bytes = 0;
    QDirIterator it(path, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        bytes += it.fileInfo().size();
    }
    return bytes;
}

QString sizeInWords(qint64 bytes)
{
    if (bytes < 1000 * 1000)
        return QStringLiteral("%1 kB").arg((bytes + 999) / 1000);
    return QStringLiteral("%1 MB").arg(double(bytes) / 1e6, 0, 'f', 1);
}

} // namespace maker
