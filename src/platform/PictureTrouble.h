#pragma once

#include "game/Texts.h"
#include "platform/Pictures.h"

namespace platform {

// What the loader found, in the words the game's messages are made of.
inline texts::PictureTrouble pictureTrouble(const LoadedPicture &picture)
{
    using Kind = texts::PictureTrouble::Kind;
    Kind kind = Kind::None;
    switch (picture.problem) {
    case PictureProblem::None:
        kind = Kind::None;
        break;
    case PictureProblem::Missing:
        kind = Kind::Missing;
        break;
    case PictureProblem::Unreadable:
        kind = Kind::Unreadable;
        break;
    case PictureProblem::NotAPicture:
        kind = Kind::NotAPicture;
        break;
    case PictureProblem::Damaged:
        kind = Kind::Damaged;
        break;
    case PictureProblem::TooLarge:
        kind = Kind::TooLarge;
        break;
    }
    return {kind, picture.size, picture.limit};
}

} // namespace platform
