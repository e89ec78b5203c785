// The peak memory and the time of loadPicture on pictures of 200 million
// pixels (16000 x 12500) in every format it reads, decoded to the largest
// board (1260 x 1260). Each case runs in a process of its own, so that its
// peak is its own; the pictures are written by this program a row at a time
// first (libjpeg and libpng for JPEG and PNG, by hand for the rest).
//
//   bench_pictures [FORMAT...]   writes the pictures, runs the cases, prints a table
//   bench_pictures --case FILE   (used by the above)

#include "game/BoardSize.h"
#include "platform/Pictures.h"
#include "support/BigPictures.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <jpeglib.h>
#include <png.h>

namespace {

constexpr int Width = 16000, Height = 12500;

long peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// One row of the 36 cells in RGB.
void cellRow(int y, std::vector<unsigned char> &row)
{
    row.resize(size_t(Width) * 3);
    for (int x = 0; x < Width; ++x) {
        const QRgb c = TestFolder::cellColor(bigpictures::cellOf(y, Height), bigpictures::cellOf(x, Width)).rgb();
        row[size_t(x) * 3] = uchar(qRed(c));
        row[size_t(x) * 3 + 1] = uchar(qGreen(c));
        row[size_t(x) * 3 + 2] = uchar(qBlue(c));
    }
}

bool writeJpeg(const QString &path, bool progressive)
{
    FILE *file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = Width;
    cinfo.image_height = Height;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 85, TRUE);
    for (int i = 0; i < 3; ++i) // 4:4:4, the largest a decoder must hold
        cinfo.comp_info[i].h_samp_factor = cinfo.comp_info[i].v_samp_factor = 1;
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row;
    for (int y = 0; y < Height; ++y) {
        cellRow(y, row);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(file) == 0;
}

bool writePng(const QString &path)
{
    FILE *file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_compression_level(png, 1);
    png_set_IHDR(png, info, Width, Height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<unsigned char> row;
    for (int y = 0; y < Height; ++y) {
        cellRow(y, row);
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

// An uncompressed RGB TIFF in strips of 16 rows.
bool writeTiff(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const quint32 rowsPerStrip = 16, strips = (Height + rowsPerStrip - 1) / rowsPerStrip;
    const quint32 stripBytes = Width * 3 * rowsPerStrip;
    QByteArray head("II*\0", 4);
    const auto put = [](QByteArray &out, quint32 v, int bytes) { bigpictures::put(out, v, bytes); };
    const quint32 ifd = 8, entries = 10;
    const quint32 extra = ifd + 2 + entries * 12 + 4; // then: bits (6 bytes), offsets, counts
    const quint32 offsetsAt = extra + 6, countsAt = offsetsAt + strips * 4, dataAt = countsAt + strips * 4;
    put(head, ifd, 4);
    put(head, entries, 2);
    const auto entry = [&](quint32 tag, quint32 type, quint32 count, quint32 value) {
        put(head, tag, 2);
        put(head, type, 2);
        put(head, count, 4);
        put(head, value, 4);
    };
    entry(256, 4, 1, Width);
    entry(257, 4, 1, Height);
    entry(258, 3, 3, extra);
    entry(259, 3, 1, 1);
    entry(262, 3, 1, 2);
    entry(273, 4, strips, offsetsAt);
    entry(277, 3, 1, 3);
    entry(278, 4, 1, rowsPerStrip);
    entry(279, 4, strips, countsAt);
    entry(284, 3, 1, 1);
    put(head, 0, 4);
    for (int i = 0; i < 3; ++i)
        put(head, 8, 2);
    for (quint32 s = 0; s < strips; ++s)
        put(head, dataAt + s * stripBytes, 4);
    for (quint32 s = 0; s < strips; ++s)
        put(head, qMin<quint32>(stripBytes, (Height - s * rowsPerStrip) * Width * 3), 4);
    file.write(head);
    std::vector<unsigned char> row;
    for (int y = 0; y < Height; ++y) {
        cellRow(y, row);
        if (file.write(reinterpret_cast<const char *>(row.data()), qint64(row.size())) != qint64(row.size()))
            return false;
    }
    return file.flush();
}

// WebP has no row-by-row writer here: Qt's, from the picture whole.
bool writeWebp(const QString &path)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    if (image.isNull())
        return false;
    QPainter painter(&image);
    painter.drawImage(image.rect(), TestFolder::cellPicture(QSize(600, 600)));
    painter.end();
    QImageWriter writer(path, "webp");
    writer.setQuality(50);
    return writer.write(image);
}

bool writePicture(const QString &format, const QString &path)
{
    if (format == QLatin1String("bmp"))
        return bigpictures::writeCellBitmap(path, Width, Height, 24, false);
    if (format == QLatin1String("bmp-rle8"))
        return bigpictures::writeRunLengthBitmap(path, Width, Height, 8);
    if (format == QLatin1String("gif"))
        return bigpictures::writeCellGif(path, QSize(Width, Height), QRect(0, 0, Width, Height), false);
    if (format == QLatin1String("jpeg"))
        return writeJpeg(path, false);
    if (format == QLatin1String("jpeg-progressive"))
        return writeJpeg(path, true);
    if (format == QLatin1String("png"))
        return writePng(path);
    if (format == QLatin1String("tiff"))
        return writeTiff(path);
    if (format == QLatin1String("webp"))
        return writeWebp(path);
    return false;
}

int runCase(const QString &file)
{
    // The game's module for large TIFF and WebP pictures, as the game has it.
    platform::setPictureModulePaths({QStringLiteral(PICTURE_MODULE)});
    QElapsedTimer timer;
    timer.start();
    const platform::LoadedPicture picture = platform::loadPicture(file, QSize(boardsize::LargestSide, boardsize::LargestSide));
    const QString status = picture.problem == platform::PictureProblem::None
                               ? QStringLiteral("ok")
                               : platform::describePictureProblem(picture).replace(QLatin1Char(' '), QLatin1Char('_'));
    std::printf("%s %.0f %ld\n", qPrintable(status), timer.nsecsElapsed() / 1e6, peakKilobytes());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArrayView(argv[1]) == "--case")
        return runCase(QString::fromLocal8Bit(argv[2]));

    QStringList formats = app.arguments().mid(1);
    if (formats.isEmpty())
        formats = {"bmp", "bmp-rle8", "gif", "jpeg", "jpeg-progressive", "png", "tiff", "webp"};
    QTemporaryDir dir;
    std::printf("| 16000 x 12500 (200 MP) | file MB | loadPicture ms | peak RSS MB | result |\n|---|---:|---:|---:|---|\n");
    for (const QString &format : std::as_const(formats)) {
        const QString path = dir.filePath(QStringLiteral("picture.") + format);
        if (!writePicture(format, path)) {
            std::printf("| %s | | | | not written |\n", qPrintable(format));
            continue;
        }
        QProcess p;
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--case"), path});
        p.waitForFinished(-1);
        QList<QByteArray> out = p.readAllStandardOutput().trimmed().split(' ');
        if (out.size() == 3)
            std::printf("| %s | %.0f | %s | %.0f | %s |\n", qPrintable(format), QFileInfo(path).size() / 1e6, out[1].constData(),
                        out[2].toDouble() / 1024, out[0].replace('_', ' ').constData());
        else
            std::printf("| %s | %.0f | | | crashed (%d) |\n", qPrintable(format), QFileInfo(path).size() / 1e6, p.exitCode());
        std::fflush(stdout);
        QFile::remove(path);
    }
    return 0;
}
