#pragma once

#include "support/TestFolder.h"

#include <QFile>
#include <QRect>
#include <QSize>
#include <QString>
#include <QtEndian>

// Pictures too large to build in memory, written to a file a row at a time:
// 6 x 6 cells, each of TestFolder::cellColor, over the whole picture (or the
// GIF's frame).
namespace bigpictures {

inline int cellOf(qint64 i, qint64 length)
{
    return int(i * 6 / length);
}

inline void put(QByteArray &out, quint32 v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

// The headers of an uncompressed bitmap (40-byte header), with the colour
// table of the 36 cells when bits is 8.
inline QByteArray bitmapHeaders(qint64 width, qint64 height, int bits, bool topDown)
{
    const qint64 stride = (width * bits + 31) / 32 * 4;
    const quint32 offset = 54 + (bits == 8 ? 256 * 4 : 0);
    QByteArray out("BM");
    put(out, quint32(offset + stride * height), 4);
    put(out, 0, 4);
    put(out, offset, 4);
    put(out, 40, 4);
    put(out, quint32(width), 4);
    put(out, quint32(topDown ? -height : height), 4);
    put(out, 1 | quint32(bits) << 16, 4);
    put(out, 0, 4); // no compression
    put(out, quint32(stride * height), 4);
    put(out, 2835, 4);
    put(out, 2835, 4);
    put(out, bits == 8 ? 256 : 0, 4);
    put(out, 0, 4);
    if (bits == 8) {
        for (int i = 0; i < 256; ++i) {
            const QRgb c = i < 36 ? TestFolder::cellColor(i / 6, i % 6).rgb() : qRgb(0, 0, 0);
            put(out, qBlue(c) | qGreen(c) << 8 | qRed(c) << 16, 4);
        }
    }
    return out;
}

// A bitmap of the 36 cells (8, 24 or 32 bits a pixel), cut after
// `keepBytes` bytes when that is not negative.
inline bool writeCellBitmap(const QString &path, int width, int height, int bits, bool topDown,
                            qint64 keepBytes = -1)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes = bitmapHeaders(width, height, bits, topDown);
    const qint64 stride = (qint64(width) * bits + 31) / 32 * 4;
    for (int stored = 0; stored < height; ++stored) {
        const int y = topDown ? stored : height - 1 - stored;
        QByteArray row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const int cell = cellOf(y, height) * 6 + cellOf(x, width);
            const QRgb c = TestFolder::cellColor(cell / 6, cell % 6).rgb();
            char *p = row.data() + qint64(x) * bits / 8;
            if (bits == 8) {
                p[0] = char(cell);
            } else {
                p[0] = char(qBlue(c));
                p[1] = char(qGreen(c));
                p[2] = char(qRed(c));
                if (bits == 32)
                    p[3] = char(0xff);
            }
        }
        bytes += row;
        if (bytes.size() > (1 << 20) || stored == height - 1) {
            if (file.write(bytes) != bytes.size())
                return false;
            bytes.clear();
        }
    }
    return file.flush() && (keepBytes < 0 || file.resize(keepBytes));
}

// A run-length coded bitmap of the 36 cells (8 or 4 bits a pixel; with 4
// bits, the cells' colours 0-15 repeat), bottom-up, each row coded as runs.
inline bool writeRunLengthBitmap(const QString &path, int width, int height, int bits)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray out = bitmapHeaders(width, height, 8, false);
    const int colours = bits == 8 ? 256 : 16;
    out.truncate(54 + colours * 4);
    const auto header = [&out](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            out[at + i] = char((v >> (8 * i)) & 0xff);
    };
    header(10, quint32(out.size()));
    out[28] = char(bits);
    header(30, bits == 8 ? 1 : 2); // the compression
    header(46, quint32(colours));
    for (int i = 0; i < colours; ++i) {
        const QRgb c = i < 36 ? TestFolder::cellColor(i / 6, i % 6).rgb() : qRgb(0, 0, 0);
        for (int k = 0; k < 3; ++k)
            out[54 + i * 4 + k] = char((c >> (8 * k)) & 0xff);
    }
    for (int stored = 0; stored < height; ++stored) {
        const int y = height - 1 - stored;
        int x = 0;
        while (x < width) {
            const int cell = cellOf(y, height) * 6 + cellOf(x, width);
            int run = 1;
            while (x + run < width && run < 254 && cellOf(y, height) * 6 + cellOf(x + run, width) == cell)
                ++run;
            const int index = bits == 8 ? cell : cell % 16;
            out.append(char(run)).append(char(bits == 8 ? index : index << 4 | index));
            x += run;
        }
        out.append('\0').append('\0');
        if (out.size() > (1 << 20)) {
            if (file.write(out) != out.size())
                return false;
            out.clear();
        }
    }
    out.append('\0').append('\1');
    if (file.write(out) != out.size() || !file.flush())
        return false;
    const qint64 size = file.size();
    file.seek(2);
    const char sizeBytes[4] = {char(size & 0xff), char((size >> 8) & 0xff), char((size >> 16) & 0xff), char((size >> 24) & 0xff)};
    return file.write(sizeBytes, 4) == 4 && file.flush();
}

// A GIF87a/89a of one frame holding the 36 cells, the rest of the screen
// left to the background; `transparentCell` (if not negative) is see-through.
// Every pixel is one 9-bit code, the table cleared before it grows, as
// TestFolder's small GIFs are written.
inline bool writeCellGif(const QString &path, QSize screen, QRect frame, bool interlaced, int transparentCell = -1)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray out(transparentCell >= 0 ? "GIF89a" : "GIF87a");
    put(out, quint32(screen.width()), 2);
    put(out, quint32(screen.height()), 2);
    out.append("\xF7\0\0", 3); // a global table of 256 colours
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < 36 ? TestFolder::cellColor(i / 6, i % 6).rgb() : qRgb(0, 0, 0);
        put(out, qRed(c) | qGreen(c) << 8 | qBlue(c) << 16, 3);
    }
    if (transparentCell >= 0)
        out.append("\x21\xF9\x04\x01\0\0", 6).append(char(transparentCell)).append('\0');
    out.append(',');
    for (int v : {frame.x(), frame.y(), frame.width(), frame.height()})
        put(out, quint32(v), 2);
    out.append(interlaced ? '\x40' : '\0').append('\x08');

    QByteArray data;
    quint32 bits = 0, count = 0;
    const auto code = [&](int c) {
        bits |= quint32(c) << count;
        for (count += 9; count >= 8; count -= 8, bits >>= 8)
            data.append(char(bits & 0xff));
    };
    const auto flush = [&](bool all) {
        qsizetype i = 0;
        for (; data.size() - i >= 255 || (all && i < data.size()); i += 255)
            out.append(char(qMin<qsizetype>(255, data.size() - i))).append(data.mid(i, 255));
        data.remove(0, i);
        if (out.size() > (1 << 20) || all) {
            file.write(out);
            out.clear();
        }
    };
    QList<int> rows;
    if (interlaced) {
        for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
            for (int y = start; y < frame.height(); y += step)
                rows << y;
    } else {
        for (int y = 0; y < frame.height(); ++y)
            rows << y;
    }
    qint64 n = 0;
    for (int y : rows) {
        for (int x = 0; x < frame.width(); ++x, ++n) {
            if (n % 254 == 0)
                code(256);
            code(cellOf(y, frame.height()) * 6 + cellOf(x, frame.width()));
        }
        flush(false);
    }
    code(257);
    if (count > 0)
        data.append(char(bits & 0xff));
    flush(true);
    out.append('\0').append(';');
    return file.write(out) == out.size() && file.flush();
}

} // namespace bigpictures
