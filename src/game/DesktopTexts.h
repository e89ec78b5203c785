#pragma once

#include "game/Texts.h"

#include <QString>

// The texts of the pause, the sound switch, the help window and what a
// screen reader says, in the game's five languages. They are kept apart from
// the game's own table, whose entries and ids are fixed.
namespace desktoptexts {

enum class Id {
    Pause,
    PauseTip,
    PausedNote,
    Sound,
    SoundTip,
    Colour,
    Edge,
    GiveUp,
    AboutName,
    AboutDescription,
    Board,
    BoardDescription,
    PieceLoose,   // %1 is the piece's number
    PieceInPlace, // %1 is the piece's number
    PieceDescription,
    Time,
    PlacedCount,
    HowToPlay,
    HowToPlayText,
};

QString text(texts::Language language, Id id);

} // namespace desktoptexts
