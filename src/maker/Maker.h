#pragma once

#include "game/BoardSize.h"

#include <QByteArray>
#include <QLocale>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The puzzle maker: makes a ready-to-give copy of the game, a folder with the
// game and the libraries it needs (its portable runtime), the picture as
// Matrix.bmp/.jpg/.gif, a one-line Matrix.dat and a note saying how to start
// it; or the same folder packed into one self-extracting file. The rules are
// plain functions; makeCopy checks everything before it writes anything.
namespace maker {

// The name of the game's executable, in the copy and beside the maker. In a
// portable copy it is the start script, and the game itself is beside it.
inline constexpr char GameExecutableName[] = "quadrifoglio";
inline constexpr char PortableGameName[] = "quadrifoglio-game";
// The portable runtime's folder, beside the maker in the build and beside
// the installed game.
inline constexpr char RuntimeFolderName[] = "runtime";

// The language codes the maker takes, in the order of their digits
// ("it" is 0, "en" 1, "fr" 2, "de" 3, "es" 4).
QStringList languageCodes();

// The language digit for a code (case ignored); nullopt for an unknown code.
std::optional<int> languageDigit(const QString &code);

// The language a gift gets when none is chosen: the desktop's own when it is
// one of the five, else English, the one of the five most people read.
QString defaultLanguageCode(const QLocale &desktop = QLocale::system());

// The language's name in that language ("Italiano", "English"...).
QString languageNativeName(int digit);

// Why a greeting cannot be the rest of Matrix.dat's one line; empty when it
// can. The game reads the line up to the first line break and at most 4 KiB
// of the file, so a greeting must hold no line break and must fit; a control
// character (a tab, an escape) would show as a box or worse, and is refused
// with its position.
QString greetingProblem(const QString &greeting);

// Why bytes given as a greeting are not UTF-8, with the position of the first
// bad byte; empty when they are. Text that is not UTF-8 would otherwise turn
// into replacement characters without a word.
QString utf8Problem(const QByteArray &bytes);

// The values, as given, of every use of an option among raw command-line
// arguments (the program's name first): "-g TEXT", "-gTEXT", "--greeting
// TEXT" and "--greeting=TEXT", up to a "--".
QList<QByteArray> rawOptionValues(const QList<QByteArray> &arguments, char shortName, const QByteArray &longName);

// Why the greeting would not show whole in the game's message panel (how
// many characters fit); empty when it does.
QString greetingFitProblem(const QString &greeting);

// A warning naming the characters of the greeting that the fonts here cannot
// draw (they would show as boxes); empty when there are none.
QString greetingGlyphWarning(const QString &greeting);

// The bytes of Matrix.dat: the digit, the greeting in UTF-8, one LF.
QByteArray matrixDatBytes(int digit, const QString &greeting);

// How the picture becomes the square board.
enum class Fit {
    Crop,    // a square of the picture: the centre one, or the one chosen
    Stretch, // the whole picture, stretched (faces get squashed)
};

struct PictureChoice
{
    Fit fit = Fit::Crop;
    std::optional<QRect> crop; // a square in the picture's pixels, as it is seen (turned upright)
};

// The side of the largest board the game draws, in device pixels: a made
// picture is scaled down to it, never up.
inline constexpr int MadePictureMaxSide = boardsize::LargestSide;
// A bitmap, JPEG or GIF larger than this is re-encoded rather than kept as
// it is, so that a gift stays small.
inline constexpr qint64 KeptAsItIsMaxBytes = 2 << 20;

// The centred square of a picture of `size`: the whole height of a
// panorama, the whole width of a portrait.
QRect centredSquare(QSize size);

// The square "X,Y,SIDE" of --crop; nullopt for anything else.
std::optional<QRect> parseCrop(const QString &text);

// Why `crop` cannot be taken from a picture of `size`; empty when it can.
QString cropProblem(const QRect &crop, QSize size);

// The size a picture of `size` is decoded to so that the square `square` of
// it comes out at most MadePictureMaxSide pixels a side (never enlarged).
QSize decodeSizeForSquare(QSize size, const QRect &square);

// The picture formats the maker reads, in words ("BMP, GIF, JPEG, PNG...").
QString acceptedPictureFormats();

// The picture as the copy stores it.
struct StoredPicture
{
    QString fileName;       // "Matrix.bmp", "Matrix.jpg" or "Matrix.gif"
    QString source;         // the file copied as it is; empty when converted
    QByteArray bytes;       // the converted JPEG
    QByteArray format;      // the format found in the source's contents ("png", "jpeg"...)
    bool converted = false; // true when re-encoded as JPEG
    QSize size;             // the source's size, turned upright
    int madeSide = 0;       // the side of the converted JPEG
    QString change;         // how its shape changed ("cropped to...", "stretched..."); empty: not at all
    int sourceSide = 0;     // the side, in the picture's own pixels, of what fills the board
};

// The quality of the JPEG a picture in another format is converted to.
inline constexpr int ConvertedJpegQuality = 92;

// A warning when the square taken from a picture is `side` pixels, smaller
// than the board on a 1920 x 1080 screen, so that it shows enlarged and
// blurred; empty when it is large enough.
QString smallPictureWarning(int side);

// `text` as a shell reads it back as one word: quoted when it holds
// anything but letters, digits and . _ - / + , : = @ %.
QString shellQuoted(const QString &text);

// The picture's size as it is seen (a photograph's orientation applied);
// invalid when it does not tell.
QSize pictureSize(const QString &path);

// The picture turned upright and scaled to fit in `bound`, for a preview;
// its own size in *size. A null image, with the reason in *error, for a
// file that is no picture.
QImage previewPicture(const QString &path, QSize bound, QSize *size, QString *error = nullptr);

// A bitmap, JPEG or GIF of at most KeptAsItIsMaxBytes is kept byte for
// byte, with the extension of its format (found from its contents, never
// from its name), when the game shows it just as the choice asks: it is
// square, or stretched, and no square was picked. Every other picture is
// cropped (or stretched) to a square JPEG of at most MadePictureMaxSide,
// transparency laid on white. nullopt, with the reason in *error (the
// picture's size when it is too large), for a file the game could not show.
std::optional<StoredPicture> preparePicture(const QString &path, const PictureChoice &choice = {},
                                            QString *error = nullptr);

// Where the game's executable may lie for a maker in `makerDir`, in the
// order they are tried: beside the maker (the build folder), then the
// installed game's own folder.
QStringList gameExecutableCandidates(const QString &makerDir);

// The first candidate that is an executable file; empty when none is.
QString findGameExecutable(const QString &makerDir);

// Where the portable runtime may lie for a maker in `makerDir`, in the order
// they are tried (beside the maker, then beside the installed game), and the
// first that holds the game; empty when none does.
QStringList runtimeCandidates(const QString &makerDir);
QString findRuntime(const QString &makerDir);

// The note in the copy that tells the friend how to start the game, in the
// gift's language: its file name and its text.
QString startNoteName(int digit);
QString startNoteText(int digit);
// What the friend does with a single-file copy named `fileName`, in the
// gift's language: the maker passes it on.
QString singleFileInstructions(int digit, const QString &fileName);

// The list a folder copy holds of every path the maker wrote in it (hidden,
// beside the game). --force replaces a folder only when it holds this list
// and nothing the list does not name, and removes only what it names.
inline constexpr char CopyListName[] = ".quadrifoglio-copy";

// Why `--force` must not replace the folder; empty when it may. A link is
// never followed; a folder without the maker's list, or holding anything the
// list does not name, is refused with the names of those files.
QString forceProblem(const QString &folder);

// Removes the staging folders that runs killed halfway left in `folder`; a
// run still going keeps its own. Returns how many were removed.
int removeStaleStagingFolders(const QString &folder);

struct Request
{
    QString picture;  // path of the picture file
    QString language; // "it", "en", "fr", "de" or "es"
    QString greeting;
    QString out;      // the folder to make, or the file with singleFile
    bool singleFile = false; // one self-extracting file instead of a folder
    bool force = false;
    PictureChoice picturing;
    QString runtime;  // the portable runtime to copy; when empty, the game alone:
    QString game;     // the game's executable, for a friend who has Qt 6
    QString pack;     // with singleFile: the pack (found beside the runtime or the maker when empty)
};

struct Result
{
    bool ok = false;
    QString error;          // why the copy was not made
    bool touched = false;   // the failure came after the folder had begun to change
    StoredPicture picture;  // what was stored, when made
    QString folder;         // the absolute path of the copy (the file with singleFile)
    qint64 bytes = 0;       // the size of what was made
    QString warning;        // made, but worth knowing (characters without a glyph)
    bool cancelled = false; // stopped when asked; nothing is left behind
};

// Told how far a copy has come, from 0 to 100, and what it is doing.
using Progress = std::function<void(int percent, const QString &step)>;
// Asked, often, whether to go on; false stops the work, and what was
// written so far is removed.
using KeepGoing = std::function<bool()>;

// Makes the copy. Every check (language, greeting, game, picture, output
// folder) runs before anything is written; the files are written into a
// staging folder first and renamed into place, so a failure leaves no
// half-made copy behind. Safe to run on a thread of its own; `progress` is
// called on that thread.
Result makeCopy(const Request &request, const Progress &progress = {}, const KeepGoing &keepGoing = {});

// What a successful makeCopy made, its size, and how the friend starts it,
// for a person; the commands in it work as printed.
QString describeCopy(const Result &result, int digit);

// The size of a file or of everything in a folder, in bytes; in words
// ("31.2 MB").
qint64 sizeOnDisk(const QString &path);
QString sizeInWords(qint64 bytes);

} // namespace maker
