#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// A gift as one file: a shell script that starts with what every Linux
// desktop has, followed by the zstd decoder it carries, the game's portable
// runtime packed once at build time (the pack), and the gift's own files (the
// picture, Matrix.dat and the note) as a plain tar. Started with `sh FILE`,
// it unpacks into the user's cache folder once, keyed by the file's
// checksum, and starts from there on later starts after checking that copy;
// where the cache cannot be used, into a private temporary folder that goes
// when the game ends.
namespace maker {

// The pack's folder name, beside the maker in the build and beside the
// installed game, and its parts.
inline constexpr char PackFolderName[] = "pack";
inline constexpr char PackUnpacker[] = "unpack";
inline constexpr char PackRuntime[] = "runtime.tar.zst";
inline constexpr char PackScript[] = "single-file.sh";

// The size of the file's start script: the rest follows at fixed offsets.
inline constexpr int SingleFileHeaderBytes = 16384;

// Where the pack may lie for a maker in `makerDir` (beside it, then beside
// the installed game), and the first that holds every part; empty when none.
QStringList packCandidates(const QString &makerDir);
QString findPack(const QString &makerDir);

// Why `packFolder` cannot be packed from (a part missing); empty when it can.
QString packProblem(const QString &packFolder);

// Packs the gift's own files (every regular file in `giftFolder`) with the
// pack into the new file `outFile`, made executable. `keepGoing` is told how
// far it has come (0 to 100) and stops it, leaving no file, when it returns
// false. False, with the reason in *error, when it did not make the file.
bool packSingleFile(const QString &giftFolder, const QString &packFolder, const QString &outFile,
                    const std::function<bool(int percent)> &keepGoing, QString *error);

// A file the maker made as one file (this format, or the older
// self-extracting one): --force may replace it.
bool isSingleFileCopy(const QString &path);

// The portable runtime unpacked from the pack into the user's cache folder,
// once per pack (the Debian package carries only the pack); empty, with the
// reason in *error, when it cannot be.
QString unpackedRuntime(const QString &packFolder, QString *error);

} // namespace maker
