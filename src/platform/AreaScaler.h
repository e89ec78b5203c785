#pragma once

// What the picture decoders that read a picture a part at a time share: the
// scaler the parts go into, and the way they say they failed. The game's own
// decoders use it, and so do those of the large TIFF and WebP module.

#include "platform/Pictures.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <algorithm>
#include <vector>

namespace platform::decoding {

inline LoadedPicture failed(PictureProblem problem, const QString &detail, QSize size = {})
{
    LoadedPicture result;
    result.problem = problem;
    result.detail = detail;
    result.size = size;
    return result;
}

// Shrinks a picture fed to it row by row, in any order, by averaging every
// pixel of the source into the cell of the result it falls in. Only the
// result's sums are kept. Pixels never fed are the background. At least 64
// cells a side, so that a cell's sums (at most 200 million / 4096 pixels of
// 255) fit 32 bits; Qt scales the rest of the way.
class AreaScaler
{
public:
    AreaScaler(QSize source, QSize target, QRgb background = 0)
        : m_source(source)
        , m_grid(qMin(source.width(), qMax(target.width(), 64)), qMin(source.height(), qMax(target.height(), 64)))
        , m_background(qPremultiply(background))
        , m_sums(size_t(m_grid.width()) * size_t(m_grid.height()) * 4, 0)
    {
        if (m_background == 0)
            return;
        for (int gy = 0; gy < m_grid.height(); ++gy)
            for (int gx = 0; gx < m_grid.width(); ++gx) {
                const qint64 area = cellArea(gx, gy);
                qint32 *sum = m_sums.data() + (size_t(gy) * size_t(m_grid.width()) + size_t(gx)) * 4;
                sum[0] = qint32(area * qRed(m_background));
                sum[1] = qint32(area * qGreen(m_background));
                sum[2] = qint32(area * qBlue(m_background));
                sum[3] = qint32(area * qAlpha(m_background));
            }
    }

    // Pixels in premultiplied ARGB, `count` of them from (x, y).
    void addRow(int y, int x, const QRgb *pixels, int count)
    {
        if (y < 0 || y >= m_source.height())
            return;
        const qint64 w = m_source.width(), gw = m_grid.width();
        qint32 *row = m_sums.data() + size_t(cell(y, m_source.height(), m_grid.height())) * size_t(gw) * 4;
        const int br = qRed(m_background), bg = qGreen(m_background), bb = qBlue(m_background), ba = qAlpha(m_background);
        qint64 cx = qint64(x) * gw / w;
        qint64 nextEdge = firstOfCell(cx + 1, w, gw);
        for (int i = 0; i < count && x + i < w; ++i) {
            while (x + i >= nextEdge) {
                ++cx;
                nextEdge = firstOfCell(cx + 1, w, gw);
            }
            const QRgb p = pixels[i];
            qint32 *sum = row + cx * 4;
            sum[0] += qRed(p) - br;
            sum[1] += qGreen(p) - bg;
            sum[2] += qBlue(p) - bb;
            sum[3] += qAlpha(p) - ba;
        }
    }

    QImage result(QSize size) const
    {
        const int gw = m_grid.width(), gh = m_grid.height();
        QImage image(m_grid, QImage::Format_ARGB32_Premultiplied);
        if (image.isNull())
            return {};
        bool opaque = true;
        for (int gy = 0; gy < gh; ++gy) {
            auto *out = reinterpret_cast<QRgb *>(image.scanLine(gy));
            const qint32 *sum = m_sums.data() + size_t(gy) * size_t(gw) * 4;
            for (int gx = 0; gx < gw; ++gx, sum += 4) {
                const qint64 area = cellArea(gx, gy);
                const auto mean = [area](qint32 s) { return int(std::clamp<qint64>((qint64(s) + area / 2) / area, 0, 255)); };
                out[gx] = qRgba(mean(sum[0]), mean(sum[1]), mean(sum[2]), mean(sum[3]));
                opaque = opaque && qAlpha(out[gx]) == 255;
            }
        }
        if (opaque)
            image.reinterpretAsFormat(QImage::Format_RGB32);
        else
            image.convertTo(QImage::Format_ARGB32);
        if (image.size() != size)
            image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return image;
    }

private:
    // The first source pixel of cell c when `length` pixels go into `cells`.
    static qint64 firstOfCell(qint64 c, qint64 length, qint64 cells) { return (c * length + cells - 1) / cells; }
    static qint64 cell(qint64 i, qint64 length, qint64 cells) { return i * cells / length; }
    qint64 cellArea(int gx, int gy) const
    {
        const qint64 gw = m_grid.width(), gh = m_grid.height();
        return (firstOfCell(gx + 1, m_source.width(), gw) - firstOfCell(gx, m_source.width(), gw))
               * (firstOfCell(gy + 1, m_source.height(), gh) - firstOfCell(gy, m_source.height(), gh));
    }

    QSize m_source;
    QSize m_grid;
    QRgb m_background;
    std::vector<qint32> m_sums;
};

// What a picture read row by row comes to: its scaled image, or the failure
// to make room for it.
inline LoadedPicture scaledResult(const AreaScaler &scaler, QSize picture, QSize size)
{
    LoadedPicture result;
    result.size = picture;
    result.image = scaler.result(size);
    if (result.image.isNull())
        return failed(PictureProblem::Damaged, QStringLiteral("out of memory"), picture);
    return result;
}

} // namespace platform::decoding
