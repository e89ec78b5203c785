#pragma once

// TIFF and WebP pictures too large to decode whole are read a part at a time
// by libtiff and libwebp, which live in a module of the game's own
// (quadrifoglio-pictures.so): it is loaded the first time such a picture
// comes, so a start with a JPEG or PNG puzzle loads neither library. These
// are the module's entry points, looked up by name.

#include <QSize>

class QIODevice;

namespace platform {
struct LoadedPicture;
}

// The module's interface version: a module of another build of the game,
// whose entry points take other arguments, is not used.
#define QUADRIFOGLIO_PICTURES_INTERFACE "quadrifoglio_pictures_interface"
inline constexpr int PictureModuleInterface = 1;
using PictureModuleInterfaceQuery = int (*)();

// Reads `device`, a picture of `picture` pixels, straight to `size` into
// *result. False when the picture is left to Qt's own decoder (a WebP
// animation, a tiled or turned TIFF), *result untouched.
#define QUADRIFOGLIO_PICTURES_LOAD_WEBP "quadrifoglio_pictures_load_webp"
#define QUADRIFOGLIO_PICTURES_LOAD_TIFF "quadrifoglio_pictures_load_tiff"
using LargePictureLoader = bool (*)(QIODevice *device, QSize picture, QSize size, platform::LoadedPicture *result);
