#pragma once

#include <QRgb>

#include <cstdint>

namespace platform {
class PictureBox;
class Surface;
} // namespace platform

// Module Shadow: the masked block copy that lays the 3-D edge of a piece
// over its picture. Pure red in the edge picture lets the piece show through.
namespace Shadow {

// A rectangle with both right and bottom included.
struct RECT
{
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
};

// Lays the whole picture of Src over Dest in place, with pure red
// transparent.
void OverlayEdge(platform::PictureBox &Dest, platform::PictureBox &Src);

// Copies the block SrcRect of SrcDC to (0, 0) of DestDC, except where a
// source pixel equals TransColor: there the result shows BackDC's pixel at
// the same place of the block starting at (BackX, BackY).
void BlitTransparent(platform::Surface &DestDC, const platform::Surface &BackDC,
                     const platform::Surface &SrcDC, const RECT &SrcRect, std::int16_t BackX,
                     std::int16_t BackY, QRgb TransColor);

} // namespace Shadow
