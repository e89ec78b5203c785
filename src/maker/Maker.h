#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The puzzle maker: makes a ready-to-give copy of the game, a folder with the
// game's executable, the picture as Matrix.bmp/.jpg/.gif and a one-line
// Matrix.dat. The rules are plain functions; makeCopy checks everything
// before it writes anything.
namespace maker {

// The name of the game's executable, in the copy and beside the maker.
inline constexpr char GameExecutableName[] = "quadrifoglio";

// The language codes the maker takes, in the order of their digits
// ("it" is 0, "en" 1, "fr" 2, "de" 3, "es" 4).
QStringList languageCodes();

// The language digit for a code (case ignored); nullopt for an unknown code.
std::optional<int> languageDigit(const QString &code);

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

// The bytes of Matrix.dat: the digit, the greeting in UTF-8, one LF.
QByteArray matrixDatBytes(int digit, const QString &greeting);

// The picture as the copy stores it.
struct StoredPicture
{
    QString fileName;       // "Matrix.bmp", "Matrix.jpg" or "Matrix.gif"
    QString source;         // the file copied as it is; empty when converted
    QByteArray bytes;       // the converted JPEG
    QByteArray format;      // the format found in the source's contents ("png", "jpeg"...)
    bool converted = false; // true when re-encoded as JPEG
};

// The quality of the JPEG a picture in another format is converted to.
inline constexpr int ConvertedJpegQuality = 92;

// A bitmap, JPEG or GIF is kept byte for byte, with the extension of its
// format (found from its contents, never from its name), once it has been
// decoded as the game decodes it; any other picture Qt can decode becomes a
// JPEG, transparency laid on white. nullopt, with the reason in *error (the
// picture's size when it is too large), for a file the game could not show.
std::optional<StoredPicture> preparePicture(const QString &path, QString *error = nullptr);

// Where the game's executable may lie for a maker in `makerDir`, in the
// order they are tried: beside the maker (the build folder), then the
// installed game's own folder.
QStringList gameExecutableCandidates(const QString &makerDir);

// The first candidate that is an executable file; empty when none is.
QString findGameExecutable(const QString &makerDir);

// Why `--force` must not reuse a folder holding these entries; empty when it
// may. Its "quadrifoglio" must be a previous copy of the game (a program,
// not a link, with the game's name inside and a Matrix.dat beside it), and no
// other entry may be a program: a folder of programs (a bin/ on the PATH) is
// no puzzle's folder.
QString forceProblem(const QString &folder);

// Removes the staging folders that runs killed halfway left in `folder`; a
// run still going keeps its own. Returns how many were removed.
int removeStaleStagingFolders(const QString &folder);

// The files of a folder (by name) that a new copy replaces or removes: every
// Matrix.bmp/.jpg/.gif/.dat and the executable, whatever the case of their
// names, since the game finds its files ignoring case and would otherwise
// prefer an old bitmap to a new JPEG.
QStringList filesReplacedByCopy(const QStringList &names);

struct Request
{
    QString picture;  // path of the picture file
    QString language; // "it", "en", "fr", "de" or "es"
    QString greeting;
    QString out;      // the folder to make
    bool force = false;
    QString game;     // the game's executable to copy
};

struct Result
{
    bool ok = false;
    QString error;          // why the copy was not made
    bool touched = false;   // the failure came after the folder had begun to change
    StoredPicture picture;  // what was stored, when made
    QString folder;         // the absolute path of the copy
};

// Makes the copy. Every check (language, greeting, game, picture, output
// folder) runs before anything is written; the files are written into a
// staging folder first and renamed into place, so a failure leaves no
// half-made copy behind.
Result makeCopy(const Request &request);

// One line telling what a successful makeCopy made.
QString describeCopy(const Result &result, int digit);

} // namespace maker
