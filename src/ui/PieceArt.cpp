#include "ui/PieceArt.h"

#include "platform/Surface.h"

#include <QImage>

namespace Shadow {

namespace {

// The part of the source the last overlay copied.
RECT SourceRect;

constexpr QRgb ColorBits = 0x00ffffff;

// A pixel of a block copy; outside the image a block reads black.
QRgb PixelAt(const QImage &image, int x, int y)
{
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return 0;
    return reinterpret_cast<const QRgb *>(image.constScanLine(y))[x] & ColorBits;
}

} // namespace

void OverlayEdge(platform::PictureBox &Dest, platform::PictureBox &Src)
{
    SourceRect = {0, 0, std::int32_t(Src.width() - 1), std::int32_t(Src.height() - 1)};
    // The piece is its own background: the edge goes over the picture in place.
    BlitTransparent(Dest.surface(), Dest.surface(), Src.surface(), SourceRect, 0, 0,
                    qRgb(255, 0, 0));
    Dest.refresh();
}

void BlitTransparent(platform::Surface &DestDC, const platform::Surface &BackDC,
                     const platform::Surface &SrcDC, const RECT &SrcRect, std::int16_t BackX,
                     std::int16_t BackY, QRgb TransColor)
{
    const int w = std::int16_t(SrcRect.Right - SrcRect.Left + 1);
    const int h = std::int16_t(SrcRect.Bottom - SrcRect.Top + 1);
    if (w <= 0 || h <= 0)
        return;

    const QImage &src = SrcDC.image();
    const QImage &back = BackDC.image();
    const QRgb trans = TransColor & ColorBits;

    // The classic mask copy, pixel by pixel on the colour bits:
    //   mask    = all ones where the source is the transparent colour,
    //   result  = (background AND mask) XOR (source AND NOT mask),
    // so the background shows through the transparent colour and the
    // source covers it everywhere else.
    QImage result(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        QRgb *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb s = PixelAt(src, SrcRect.Left + x, SrcRect.Top + y);
            const QRgb mask = s == trans ? ColorBits : 0;
            const QRgb b = PixelAt(back, BackX + x, BackY + y);
            out[x] = 0xff000000 | ((b & mask) ^ (s & ~mask & ColorBits));
        }
    }
    DestDC.blockCopy(0, 0, w, h, result, 0, 0);
}

} // namespace Shadow
