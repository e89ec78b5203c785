#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The puzzle maker: makes a ready-to-give copy of the game, a folder with the
// game's executable, the picture as Matrix.bmp/.jpg/.gif and a one-line
// Matrix.dat. The rules are plain functions; MakeCopy checks everything
// before it writes anything.
namespace maker {

// The name of the game's executable, in the copy and beside the maker.
inline constexpr char GameExecutableName[] = "quadrifoglio";

// The language codes the maker takes, in the order of their digits
// ("it" is 0, "en" 1, "fr" 2, "de" 3, "es" 4).
QStringList LanguageCodes();

// The language digit for a code (case ignored); nullopt for an unknown code.
std::optional<int> LanguageDigit(const QString &code);

// Why a greeting cannot be the rest of Matrix.dat's one line; empty when it
// can. The game reads the line up to the first line break and at most 4 KiB
// of the file, so a greeting must hold no line break and must fit.
QString GreetingProblem(const QString &greeting);

// The bytes of Matrix.dat: the digit, the greeting in UTF-8, one LF.
QByteArray MatrixDatBytes(int digit, const QString &greeting);

// The picture as the copy stores it.
struct StoredPicture
{
    QString fileName;      // "Matrix.bmp", "Matrix.jpg" or "Matrix.gif"
    QByteArray bytes;      // the file's contents
    QByteArray format;     // the format found in the source bytes ("png", "jpeg"...)
    bool converted = false; // true when re-encoded as JPEG
};

// The quality of the JPEG a picture in another format is converted to.
inline constexpr int ConvertedJpegQuality = 92;

// A bitmap, JPEG or GIF is kept byte for byte, with the extension of its
// format (found from its contents, never from its name); any other picture
// Qt can decode becomes a JPEG, transparency laid on white. nullopt, with the
// reason in *error, for bytes that do not decode as a picture the game could
// show.
std::optional<StoredPicture> PreparePicture(const QByteArray &bytes, QString *error = nullptr);

// Where the game's executable may lie for a maker in `makerDir`, in the
// order they are tried: beside the maker (the build folder), then the
// installed game's own folder.
QStringList GameExecutableCandidates(const QString &makerDir);

// The first candidate that is an executable file; empty when none is.
QString FindGameExecutable(const QString &makerDir);

// The files of a folder (by name) that a new copy replaces or removes: every
// Matrix.bmp/.jpg/.gif/.dat and the executable, whatever the case of their
// names, since the game finds its files ignoring case and would otherwise
// prefer an old bitmap to a new JPEG.
QStringList FilesReplacedByCopy(const QStringList &names);

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
Result MakeCopy(const Request &request);

// One line telling what a successful MakeCopy made.
QString DescribeCopy(const Result &result, int digit);

} // namespace maker
