// Draws the 3-D edge bitmaps 401-423 from the piece outlines themselves:
// along every side of an outline that faces up or left a light line, along
// every side that faces down or right a dark one, two pixels wide, and pure
// red (the transparent colour) everywhere else. Shape 8 has no part below
// row 60, so its bitmap is 70 x 60; the others are 70 x 70.
//
// The files are 16-colour (4 bits per pixel) Windows bitmaps, written byte
// by byte since Qt writes no 4-bit bitmaps.
//
//   cmake --build build --target make_edges
//   build/tools/make_edges src/assets/bitmaps

#include "game/Outlines.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegion>
#include <QtEndian>

#include <array>
#include <cstdio>
#include <vector>

namespace {

// The standard 16-colour palette.
constexpr std::array<std::array<unsigned char, 3>, 16> Palette = {{
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};
constexpr int Black = 0;
constexpr int Silver = 7;
constexpr int Grey = 8;
constexpr int Red = 9;
constexpr int White = 15;

// Outer and inner colour of a lit side and of a side in shadow.
constexpr int LightLine[2] = {White, Silver};
constexpr int DarkLine[2] = {Black, Grey};
constexpr int LineWidth = 2;

int EdgeColor(const QRegion &outline, int x, int y)
{
    if (!outline.contains(QPoint(x, y)))
        return Red;
    for (int d = 1; d <= LineWidth; ++d) {
        const bool up = !outline.contains(QPoint(x, y - d));
        const bool left = !outline.contains(QPoint(x - d, y));
        const bool down = !outline.contains(QPoint(x, y + d));
        const bool right = !outline.contains(QPoint(x + d, y));
        // Where a lit side meets a shaded one the shadow wins, as on a
        // raised button.
        if (down || right)
            return DarkLine[d - 1];
        if (up || left)
            return LightLine[d - 1];
    }
    return Red;
}

void Put16(QByteArray &b, int v)
{
    const quint16 le = qToLittleEndian(quint16(v));
    b.append(reinterpret_cast<const char *>(&le), 2);
}

void Put32(QByteArray &b, qint64 v)
{
    const quint32 le = qToLittleEndian(quint32(v));
    b.append(reinterpret_cast<const char *>(&le), 4);
}

QByteArray Bitmap4(int width, int height, const std::vector<int> &pixels)
{
    const int rowBytes = ((width + 1) / 2 + 3) / 4 * 4;
    const int headers = 14 + 40 + 16 * 4;
    QByteArray b;
    // File header.
    b.append("BM", 2);
    Put32(b, headers + rowBytes * height);
    Put16(b, 0);
    Put16(b, 0);
    Put32(b, headers);
    // Information header: bottom-up rows, 1 plane, 4 bits, no compression.
    Put32(b, 40);
    Put32(b, width);
    Put32(b, height);
    Put16(b, 1);
    Put16(b, 4);
    Put32(b, 0);
    Put32(b, rowBytes * height);
    Put32(b, 3780); // 96 dots per inch
    Put32(b, 3780);
    Put32(b, 16);
    Put32(b, 0);
    for (const auto &c : Palette) {
        b.append(char(c[2]));
        b.append(char(c[1]));
        b.append(char(c[0]));
        b.append('\0');
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            const int index = pixels[std::size_t(y * width + x)] & 0x0f;
            row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        b.append(row);
    }
    return b;
}

} // namespace

int main(int argc, char *argv[])
{
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QStringLiteral("src/assets/bitmaps");
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(folder));
        return 1;
    }
    for (int shape = 1; shape <= outlines::ShapeCount; ++shape) {
        const QRegion outline = outlines::outline(shape);
        const int width = 70;
        const int height = shape == 8 ? 60 : 70;
        std::vector<int> pixels(std::size_t(width * height));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels[std::size_t(y * width + x)] = EdgeColor(outline, x, y);
        const QString path = folder + QStringLiteral("/%1.bmp").arg(400 + shape);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(Bitmap4(width, height, pixels)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
