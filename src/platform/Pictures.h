#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

class QIODevice;

namespace platform {

// The largest picture the game takes, in pixels (a 16000 x 12500 photograph).
// Up to it, any picture loads, however its format is decoded; beyond it the
// picture is refused before a pixel is read.
inline constexpr qint64 PictureMaxPixels = 200'000'000;

enum class PictureProblem {
    None,
    Missing,     // no such file, or a folder, pipe or device under that name
    Unreadable,  // the system refuses to read it (permissions, a disk error)
    NotAPicture, // not in a format that can be read
    Damaged,     // a known format that does not decode (cut short, corrupt)
    TooLarge,    // more pixels than PictureMaxPixels: see size
};

struct LoadedPicture
{
    QImage image;                                  // null unless problem is None
    PictureProblem problem = PictureProblem::None;
    QSize size;                                    // the picture's own size, when its header says it
    qint64 limit = PictureMaxPixels;               // the most pixels taken
    QString detail;                                // the decoder's or the system's own words
};

// Loads a picture file (bitmap, JPEG or GIF; the first frame of an animation)
// decoded straight to `size`, stretched without keeping its proportions, so
// that a large photograph loads fast and small. A photograph's orientation
// mark is honoured. Bitmaps and GIFs too large to decode whole are read in
// bands and scaled while reading; memory stays small whatever their size.
LoadedPicture loadPicture(const QString &path, QSize size);
LoadedPicture loadPicture(QIODevice *device, QSize size);

// The problem in a clause, with the picture's size and the limit when it is
// too large, in the language of the translator installed (the maker's; the
// game words its own).
QString describePictureProblem(const LoadedPicture &picture);

// loadPicture's image, or a null image with describePictureProblem in *error.
QImage loadPictureScaled(const QString &path, QSize size, QString *error = nullptr);

// TIFF and WebP pictures too large to decode whole are read a part at a time
// by a module of the game's own, quadrifoglio-pictures.so, loaded the first
// time such a picture comes: a JPEG or PNG puzzle never loads libtiff or
// libwebp. It is looked for at these paths in turn, by default beside the
// program and in its lib/ folder. Without it such a picture is decoded whole
// by Qt's own plugin, as a smaller one is.
void setPictureModulePaths(const QStringList &paths);
// True once the module is loaded.
bool pictureModuleLoaded();

} // namespace platform
