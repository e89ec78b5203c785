#include "assets/Assets.h"

#include "platform/Services.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QPixmap>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <iterator>

namespace assets {

namespace {

// Decodes one of the game's own pictures, whose format is known: Qt is told
// it and does not look further, where by default it would load every
// picture plugin it has to ask each whether it reads the format.
QImage decodeResource(const QString &path, const char *format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QCursor makeCursor(Cursor id)
{
    const QPixmap pix = QPixmap::fromImage(decodeResource(QStringLiteral(":/res/cursors/%1.png").arg(int(id)), "png"));
    if (!pix.isNull()) {
        const QPoint hot = cursorHotSpot(id);
        return QCursor(pix, hot.x(), hot.y());
    }
    // Without the picture the system's own hands say the same thing.
    switch (id) {
    case Cursor::OpenHand:
        return QCursor(Qt::OpenHandCursor);
    case Cursor::ClosedHand:
        return QCursor(Qt::ClosedHandCursor);
    case Cursor::PointingHand:
        return QCursor(Qt::PointingHandCursor);
    }
    return QCursor(Qt::ArrowCursor);
}

constexpr char FontFolder[] = ":/res/fonts/";
constexpr const char *FontFiles[] = {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
                                     "LiberationSans-Italic.ttf", "LiberationSans-BoldItalic.ttf"};

// The game's faces become fontconfig's own fonts of the application, with
// what fontconfig would read from each file (its family, style, the
// characters it covers...) read instead from faces.txt, written beforehand
// by tools/make_font_faces.sh: reading it from the files at every start
// took a fifth of the time to the first frame. Qt draws them from the
// resources. True when every face is there.
bool describeFacesToFontconfig()
{
    QFile list(QLatin1String(FontFolder) + QLatin1String("faces.txt"));
    FcConfig *config = FcConfigGetCurrent();
    if (!config || !list.open(QIODevice::ReadOnly))
        return false;
    FcFontSet *set = FcConfigGetFonts(config, FcSetApplication);
    if (!set) {
        // fontconfig makes the application's set on the first file added,
        // even one that is not there.
        FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8 *>(":/"));
        set = FcConfigGetFonts(config, FcSetApplication);
    }
    if (!set)
        return false;
    int described = 0;
    while (!list.atEnd()) {
        const QByteArray line = list.readLine().trimmed();
        const qsizetype tab = line.indexOf('\t');
        const QByteArray file = line.left(tab);
        if (tab <= 0 || std::find(std::begin(FontFiles), std::end(FontFiles), file) == std::end(FontFiles))
            continue;
        FcPattern *face = FcNameParse(reinterpret_cast<const FcChar8 *>(line.mid(tab + 1).constData()));
        if (!face)
            continue;
        const QByteArray path = FontFolder + file;
        FcPatternDel(face, FC_FILE);
        if (FcPatternAddString(face, FC_FILE, reinterpret_cast<const FcChar8 *>(path.constData()))
            && FcFontSetAdd(set, face))
            ++described;
        else
            FcPatternDestroy(face);
    }
    return described == int(std::size(FontFiles));
}

} // namespace

QByteArray cueData(Cue cue)
{
    QFile f(QStringLiteral(":/res/sounds/%1.wav").arg(int(cue)));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void playCue(platform::SoundOutput *output, Cue cue)
{
    if (!output)
        return;
    // Each cue's bytes are read once; the output keeps its own copy while it plays.
    static QHash<int, QByteArray> loaded;
    auto it = loaded.constFind(int(cue));
    if (it == loaded.constEnd())
        it = loaded.insert(int(cue), cueData(cue));
    if (!it->isEmpty())
        output->play(int(cue), *it);
}

QImage icon(Icon id)
{
    return decodeResource(QStringLiteral(":/res/icons/%1.png").arg(int(id)), "png");
}

QIcon programIcon()
{
    // Decoded once and shared by every window.
    static const QIcon decoded = [] {
        QIcon result;
        for (const char *file : {":/res/icons/1.png", ":/res/icons/1-256.png"}) {
            const QPixmap pix = QPixmap::fromImage(decodeResource(QString::fromLatin1(file), "png"));
            if (!pix.isNull())
                result.addPixmap(pix);
        }
        return result;
    }();
    return decoded;
}

void useProgramIcon()
{
    if (QGuiApplication::windowIcon().isNull())
        QGuiApplication::setWindowIcon(programIcon());
}

QImage edgeBitmap(int shape)
{
    // The bitmaps never change while the game runs: each is decoded once.
    static QHash<int, QImage> decoded;
    auto it = decoded.constFind(shape);
    if (it == decoded.constEnd())
        it = decoded.insert(shape, decodeResource(QStringLiteral(":/res/bitmaps/%1.bmp").arg(400 + shape), "bmp"));
    return *it;
}

QImage backgroundTexture()
{
    // Decoded once: every new colour lays it again.
    static const QImage decoded = decodeResource(QStringLiteral(":/res/custom/310.jpg"), "jpeg");
    return decoded;
}

QImage aboutPicture(const QString &name)
{
    return decodeResource(QStringLiteral(":/res/pictures/%1.png").arg(name), "png");
}

QPoint cursorHotSpot(Cursor id)
{
    switch (id) {
    case Cursor::OpenHand:
        return {16, 15}; // the palm
    case Cursor::ClosedHand:
        return {15, 17}; // the fist
    case Cursor::PointingHand:
        return {6, 0}; // the fingertip
    }
    return {0, 0};
}

QCursor cursor(Cursor id)
{
    // Every pick-up and drop changes a piece's cursor: each picture is
    // decoded once.
    static QHash<int, QCursor> cursors;
    auto it = cursors.constFind(int(id));
    if (it == cursors.constEnd())
        it = cursors.insert(int(id), makeCursor(id));
    return *it;
}

bool useGameFont()
{
    static const bool loaded = [] {
        // Handed to fontconfig as they are described, when Qt has not yet
        // asked it for its fonts; else, or should that fail, through Qt,
        // which has fontconfig work each face out again from its file.
        bool all = describeFacesToFontconfig();
        all = all && QFontDatabase::hasFamily(QLatin1String(FontFamily));
        if (!all) {
            all = true;
            for (const char *file : FontFiles)
                all = QFontDatabase::addApplicationFont(QLatin1String(FontFolder) + QLatin1String(file)) >= 0 && all;
        }
        // The texts ask for Arial, which few Linux desktops have, and each
        // desktop would stand in for it with a font of its own, with other
        // widths and line breaks: ours stands in everywhere. (A desktop with
        // Arial itself keeps it: the two have the same widths, so the same
        // line breaks.)
        QFont::insertSubstitution(QStringLiteral("Arial"), QLatin1String(FontFamily));
        QFont font = QGuiApplication::font();
        font.setFamilies({QLatin1String(FontFamily)});
        QGuiApplication::setFont(font);
        return all;
    }();
    return loaded;
}

} // namespace assets
