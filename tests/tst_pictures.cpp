// Pictures of any size up to the limit: bitmaps and GIFs too large to decode
// whole are read in bands and give what Qt gives for the whole picture;
// above the limit the refusal says the picture's size and the limit; a pipe
// named like the picture is no picture.

#include "platform/JpegEighth.h"
#include "platform/Pictures.h"
#include "support/BigPictures.h"
#include "support/Deadline.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using platform::loadPicture;
using platform::LoadedPicture;
using platform::PictureProblem;

namespace {

constexpr QSize Board(360, 360);

// The picture as Qt decodes it whole, scaled to the board.
QImage wholeDecode(const QString &path)
{
    QImageReader reader(path);
    return reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied)
        .scaled(Board, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The largest difference of one colour channel (alpha included, colours
// premultiplied) at the centres of the 36 cells.
int cellDifference(const QImage &a, const QImage &b)
{
    const QImage pa = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage pb = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int worst = 0;
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 6; ++column) {
            const QRgb x = pa.pixel(column * 60 + 30, row * 60 + 30), y = pb.pixel(column * 60 + 30, row * 60 + 30);
            for (int shift : {0, 8, 16, 24})
                worst = qMax(worst, qAbs(int((x >> shift) & 0xff) - int((y >> shift) & 0xff)));
        }
    return worst;
}

// A photograph-like picture: smooth shades under the 36 cells, lines and
// a disc, so that blocks differ in every colour.
QImage photoLike(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient shade(0, 0, size.width(), size.height());
    shade.setColorAt(0, QColor(250, 30, 60));
    shade.setColorAt(0.5, QColor(40, 200, 90));
    shade.setColorAt(1, QColor(20, 40, 230));
    painter.fillRect(image.rect(), shade);
    painter.setOpacity(0.5);
    painter.drawImage(image.rect(), TestFolder::cellPicture(QSize(600, 600)));
    painter.setOpacity(1);
    painter.setPen(QPen(Qt::yellow, 5));
    painter.drawLine(0, size.height(), size.width(), 0);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPoint(size.width() / 3, size.height() / 2), size.width() / 7, size.width() / 7);
    return image;
}

// A progressive JPEG written by libjpeg with the sampling asked (1 x 1 for
// every component when h and v are 1; grey when grey).
bool writeProgressiveJpeg(const QString &path, const QImage &image, int h, int v, bool grey, int restartRows,
                          int restartBlocks, int quality, bool dcScanPerComponent = false)
{
    FILE *file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    if (grey)
        jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.comp_info[0].h_samp_factor = h;
    cinfo.comp_info[0].v_samp_factor = v;
    for (int i = 1; i < cinfo.num_components; ++i)
        cinfo.comp_info[i].h_samp_factor = cinfo.comp_info[i].v_samp_factor = 1;
    cinfo.restart_in_rows = restartRows;
    cinfo.restart_interval = JDIMENSION(restartBlocks);
    jpeg_simple_progression(&cinfo);
    // As some encoders write it: each component's DC values in a scan of
    // their own, then each one's AC values.
    jpeg_scan_info scans[6] = {};
    if (dcScanPerComponent && !grey) {
        for (int i = 0; i < 6; ++i) {
            scans[i].comps_in_scan = 1;
            scans[i].component_index[0] = i % 3;
            scans[i].Ss = i < 3 ? 0 : 1;
            scans[i].Se = i < 3 ? 0 : 63;
        }
        cinfo.scan_info = scans;
        cinfo.num_scans = 6;
    }
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(size_t(image.width()) * 3);
    for (int y = 0; y < image.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            row[size_t(x) * 3] = uchar(qRed(in[x]));
            row[size_t(x) * 3 + 1] = uchar(qGreen(in[x]));
            row[size_t(x) * 3 + 2] = uchar(qBlue(in[x]));
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(file) == 0;
}

// Qt's whole decode, each 8 x 8 block averaged to one pixel.
QImage blockMeans(const QString &path)
{
    const QImage whole = QImage(path).convertToFormat(QImage::Format_RGB32);
    QImage means((whole.width() + 7) / 8, (whole.height() + 7) / 8, QImage::Format_RGB32);
    for (int by = 0; by < means.height(); ++by)
        for (int bx = 0; bx < means.width(); ++bx) {
            int sum[3] = {}, n = 0;
            for (int y = by * 8; y < qMin(by * 8 + 8, whole.height()); ++y)
                for (int x = bx * 8; x < qMin(bx * 8 + 8, whole.width()); ++x, ++n) {
                    const QRgb p = whole.pixel(x, y);
                    sum[0] += qRed(p);
                    sum[1] += qGreen(p);
                    sum[2] += qBlue(p);
                }
            means.setPixel(bx, by, qRgb((sum[0] + n / 2) / n, (sum[1] + n / 2) / n, (sum[2] + n / 2) / n));
        }
    return means;
}

// The allocation limit of every QImageReader in the process, lowered for one
// test: a picture decoded whole would be refused.
class AllocationLimit
{
public:
    explicit AllocationLimit(int megabytes) { QImageReader::setAllocationLimit(megabytes); }
    ~AllocationLimit() { QImageReader::setAllocationLimit(m_old); }

private:
    int m_old = QImageReader::allocationLimit();
};

} // namespace

class tst_pictures : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // The issue's own case: 6000 x 6000, 24 bits, 104 MB; and every kind of
    // row the band reader must get in the right place.
    void bigBitmapLoadsInBands_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("topDown");
        QTest::newRow("6000 x 6000, 24 bits, bottom-up") << 6000 << 6000 << 24 << false;
        QTest::newRow("3001 x 2999, 24 bits, top-down") << 3001 << 2999 << 24 << true;
        QTest::newRow("4000 x 2500, 8-bit colour table") << 4000 << 2500 << 8 << false;
        QTest::newRow("2900 x 3100, 32 bits") << 2900 << 3100 << 32 << false;
        QTest::newRow("30000 x 300, wider than a band is tall") << 30000 << 300 << 24 << false;
    }
    void bigBitmapLoadsInBands()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, bits);
        QFETCH(bool, topDown);
        const QString path = m_dir.filePath(u"big.bmp"_s);
        QVERIFY(bigpictures::writeCellBitmap(path, width, height, bits, topDown));
        const QImage reference = qint64(width) * height * 4 < (120 << 20) ? wholeDecode(path) : QImage();
        LoadedPicture picture;
        {
            const AllocationLimit limit(48);
            picture = loadPicture(path, Board);
        }
        QFile::remove(path);
        QCOMPARE(picture.problem, PictureProblem::None);
        QCOMPARE(picture.size, QSize(width, height));
        QCOMPARE(picture.image.size(), Board);
        for (int row = 0; row < 6; ++row)
            for (int column = 0; column < 6; ++column)
                QCOMPARE(picture.image.pixel(column * 60 + 30, row * 60 + 30),
                         TestFolder::cellColor(row, column).rgb());
        if (!reference.isNull())
            QVERIFY(cellDifference(picture.image, reference) <= 1);
    }

    // Decoded here instead of by Qt: the same pixels as Qt's own decoder,
    // interlaced or not, in a frame smaller than its screen, see-through.
    void bigGifGivesWhatQtGives_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<bool>("interlaced");
        QTest::addColumn<int>("transparent");
        QTest::newRow("plain") << QSize(3000, 3000) << QRect(0, 0, 3000, 3000) << false << -1;
        QTest::newRow("interlaced") << QSize(3200, 2700) << QRect(0, 0, 3200, 2700) << true << -1;
        QTest::newRow("one cell see-through") << QSize(3000, 3000) << QRect(0, 0, 3000, 3000) << false << 14;
        QTest::newRow("frame inside a larger screen") << QSize(3600, 3600) << QRect(600, 1200, 3000, 2400) << false << -1;
    }
    void bigGifGivesWhatQtGives()
    {
        QFETCH(QSize, screen);
        QFETCH(QRect, frame);
        QFETCH(bool, interlaced);
        QFETCH(int, transparent);
        const QString path = m_dir.filePath(u"big.gif"_s);
        QVERIFY(bigpictures::writeCellGif(path, screen, frame, interlaced, transparent));
        const LoadedPicture picture = loadPicture(path, Board);
        const QImage reference = wholeDecode(path);
        QFile::remove(path);
        QCOMPARE(picture.problem, PictureProblem::None);
        QCOMPARE(picture.size, screen);
        QVERIFY(!reference.isNull());
        QVERIFY2(cellDifference(picture.image, reference) <= 1, qPrintable(QString::number(cellDifference(picture.image, reference))));
    }

    // Refused from the header alone, with the numbers a message needs.
    void pictureAboveTheLimitIsRefusedWithItsSize_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("words");
        QTest::newRow("bitmap of 100000 x 100000")
            << bigpictures::bitmapHeaders(100000, 100000, 24, false) + QByteArray(1000, 'x') << QSize(100000, 100000)
            << "100000 x 100000 pixels (10000 megapixels); at most 200 megapixels";
        QTest::newRow("bitmap just above: 20000 x 10001")
            << bigpictures::bitmapHeaders(20000, 10001, 8, true) + QByteArray(1000, 'x') << QSize(20000, 10001)
            << "20000 x 10001 pixels (201 megapixels)";
        QTest::newRow("40000 x 40000 bitmap") << TestFolder::hugeBitmap() << QSize(40000, 40000) << "1600 megapixels";
        QByteArray gif("GIF89a\xFF\xFF\xFF\xFF\0\0\0,\0\0\0\0\xFF\xFF\xFF\xFF\0\x08\0;", 25);
        QTest::newRow("GIF of 65535 x 65535") << gif << QSize(65535, 65535) << "65535 x 65535 pixels";
        // The same limit as for a bitmap, not a larger one: a small JPEG
        // whose frame header claims 20000 x 10001.
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QImage(16, 16, QImage::Format_RGB32).save(&buffer, "JPEG");
        const qsizetype frame = jpeg.indexOf("\xFF\xC0");
        jpeg.replace(frame + 5, 4, QByteArray("\x27\x11\x4E\x20", 4)); // height, then width
        QTest::newRow("JPEG just above: 20000 x 10001") << jpeg << QSize(20000, 10001) << "20000 x 10001 pixels";
    }
    void pictureAboveTheLimitIsRefusedWithItsSize()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QFETCH(QString, words);
        const QString path = m_dir.filePath(u"huge"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const LoadedPicture picture = loadPicture(path, Board);
        QCOMPARE(picture.problem, PictureProblem::TooLarge);
        QCOMPARE(picture.size, size);
        QCOMPARE(picture.limit, platform::PictureMaxPixels);
        QString error;
        QVERIFY(platform::loadPictureScaled(path, Board, &error).isNull());
        QVERIFY2(error.contains(words), qPrintable(error));
    }

    // A photograph turned on its side by the camera shows upright: the
    // left half of a 40 x 20 picture marked "turn a quarter clockwise"
    // becomes the top half.
    void photographOrientationIsHonoured()
    {
        QImage wide(40, 20, QImage::Format_RGB32);
        wide.fill(Qt::blue);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                wide.setPixel(x, y, qRgb(255, 0, 0));
        QByteArray jpeg;
        {
            QBuffer buffer(&jpeg);
            buffer.open(QIODevice::WriteOnly);
            QVERIFY(wide.save(&buffer, "JPEG", 95));
        }
        // An Exif segment right after the start: one entry, orientation 6.
        const QByteArray tiff("MM\0\x2A\0\0\0\x08" "\0\x01" "\x01\x12\0\x03\0\0\0\x01\0\x06\0\0" "\0\0\0\0", 26);
        const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
        const int length = int(exif.size()) + 2;
        jpeg.insert(2, QByteArray("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) + exif);
        const QString path = m_dir.filePath(u"Matrix.jpg"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(jpeg) == jpeg.size());
        file.close();

        const LoadedPicture picture = loadPicture(path, QSize(20, 20));
        QCOMPARE(picture.problem, PictureProblem::None);
        QVERIFY(qRed(picture.image.pixel(10, 3)) > 200 && qBlue(picture.image.pixel(10, 3)) < 60);
        QVERIFY(qBlue(picture.image.pixel(10, 16)) > 200 && qRed(picture.image.pixel(10, 16)) < 60);
    }

    void damagedPicturesAreRefusedAsDamaged_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("problem");
        QTest::newRow("big bitmap cut in half") << "bmp" << int(PictureProblem::Damaged);
        QTest::newRow("big GIF cut short: what is there shows") << "gif" << int(PictureProblem::None);
        QTest::newRow("text") << "txt" << int(PictureProblem::NotAPicture);
        QTest::newRow("empty file") << "empty" << int(PictureProblem::NotAPicture);
    }
    void damagedPicturesAreRefusedAsDamaged()
    {
        QFETCH(QString, kind);
        QFETCH(int, problem);
        const QString path = m_dir.filePath("damaged." + kind);
        if (kind == "bmp")
            QVERIFY(bigpictures::writeCellBitmap(path, 4000, 3000, 24, false, 18'000'000));
        if (kind == "gif") {
            QVERIFY(bigpictures::writeCellGif(path, QSize(3000, 3000), QRect(0, 0, 3000, 3000), false));
            QFile(path).resize(QFileInfo(path).size() / 2);
        }
        QFile text(path);
        QVERIFY(text.open(QIODevice::Append));
        if (kind == "txt")
            text.write("not a picture at all\n");
        text.close();
        const LoadedPicture picture = loadPicture(path, Board);
        QFile::remove(path);
        QCOMPARE(int(picture.problem), problem);
        QCOMPARE(picture.image.isNull(), problem != int(PictureProblem::None));
    }

    // Run-length coded bitmaps, small and large, decoded row by row here:
    // what Qt gives for the whole picture, in little memory.
    void runLengthBitmapsLoad_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("bits");
        QTest::newRow("3000 x 3000, 8 bits") << QSize(3000, 3000) << 8;
        QTest::newRow("2000 x 1500, 4 bits") << QSize(2000, 1500) << 4;
        QTest::newRow("600 x 400, 8 bits") << QSize(600, 400) << 8;
        QTest::newRow("20000 x 9000, 8 bits") << QSize(20000, 9000) << 8;
    }
    void runLengthBitmapsLoad()
    {
        QFETCH(QSize, size);
        QFETCH(int, bits);
        const QString path = m_dir.filePath(u"rle.bmp"_s);
        QVERIFY(bigpictures::writeRunLengthBitmap(path, size.width(), size.height(), bits));
        const QImage reference = size.width() * size.height() <= 9'000'000 ? wholeDecode(path) : QImage();
        LoadedPicture picture;
        {
            const AllocationLimit limit(48);
            picture = loadPicture(path, Board);
        }
        QFile::remove(path);
        QCOMPARE(picture.problem, PictureProblem::None);
        QCOMPARE(picture.size, size);
        for (int row = 0; row < 6; ++row)
            for (int column = 0; column < 6; ++column) {
                const int index = (row * 6 + column) % (bits == 8 ? 256 : 16);
                QCOMPARE(picture.image.pixel(column * 60 + 30, row * 60 + 30), TestFolder::cellColor(index / 6, index % 6).rgb());
            }
        if (!reference.isNull())
            QVERIFY(cellDifference(picture.image, reference) <= 1);
    }

    // Rows too wide for a band are read in pieces: 200 million pixels in a
    // row need no more memory than a band.
    void veryWideBitmapLoads_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("bits");
        QTest::newRow("3000000 x 2, 24 bits") << 3'000'000 << 24;
        QTest::newRow("2500001 x 2, 8 bits") << 2'500'001 << 8;
        QTest::newRow("2100000 x 2, 32 bits") << 2'100'000 << 32;
    }
    void veryWideBitmapLoads()
    {
        QFETCH(int, width);
        QFETCH(int, bits);
        const QString path = m_dir.filePath(u"wide.bmp"_s);
        QVERIFY(bigpictures::writeCellBitmap(path, width, 2, bits, false));
        LoadedPicture picture;
        {
            const AllocationLimit limit(16);
            picture = loadPicture(path, Board);
        }
        QFile::remove(path);
        QCOMPARE(picture.problem, PictureProblem::None);
        for (int column = 0; column < 6; ++column) {
            QCOMPARE(picture.image.pixel(column * 60 + 30, 30), TestFolder::cellColor(0, column).rgb());
            QCOMPARE(picture.image.pixel(column * 60 + 30, 330), TestFolder::cellColor(3, column).rgb());
        }
    }

    // The cause told is the right one: a damaged file is damaged (whatever
    // sizes its broken header claims), a cut JPEG is not shown half grey.
    void causeIsTheRightOne_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("problem");
        QTest::newRow("bitmap header overwritten") << "corrupt bmp" << int(PictureProblem::Damaged);
        QTest::newRow("JPEG cut at two thirds") << "cut jpeg" << int(PictureProblem::Damaged);
        QTest::newRow("JPEG cut just before its end marker") << "cut jpeg end" << int(PictureProblem::Damaged);
        QTest::newRow("JPEG with a camera's data after its end") << "jpeg and more" << int(PictureProblem::None);
        QTest::newRow("GIF whose screen is larger than its frame") << "gif screen" << int(PictureProblem::None);
        QTest::newRow("bitmap with a JPEG inside") << "bmp jpeg" << int(PictureProblem::NotAPicture);
    }
    void causeIsTheRightOne()
    {
        QFETCH(QString, kind);
        QFETCH(int, problem);
        const QString path = m_dir.filePath(u"cause"_s);
        QByteArray bytes;
        if (kind == "corrupt bmp" || kind == "bmp jpeg") {
            bytes = bigpictures::bitmapHeaders(600, 400, 24, false) + QByteArray(600 * 3 * 400, '\x40');
            if (kind == "corrupt bmp")
                bytes.replace(18, 12, QByteArray::fromHex("19 91 82 66 8f 60 5f 11 75 61 6e 65"));
            else
                bytes[30] = 4;
        } else if (kind.contains("jpeg")) {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            TestFolder::cellPicture(QSize(900, 900)).save(&buffer, "jpeg", 90);
            if (kind == "cut jpeg")
                bytes.truncate(bytes.size() * 2 / 3);
            if (kind == "cut jpeg end")
                bytes.chop(2);
            if (kind == "jpeg and more")
                bytes += QByteArray(5000, '\xAB') + "\xFF\xD8\xFF\xE1 trailing";
        } else {
            const QString gif = m_dir.filePath(u"screen.gif"_s);
            QVERIFY(bigpictures::writeCellGif(gif, QSize(900, 700), QRect(100, 100, 600, 500), false));
            QFile file(gif);
            QVERIFY(file.open(QIODevice::ReadOnly));
            bytes = file.readAll();
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const LoadedPicture picture = loadPicture(path, Board);
        QCOMPARE(int(picture.problem), problem);
        QCOMPARE(picture.image.isNull(), problem != int(PictureProblem::None));
    }

    // A progressive JPEG read from its DC scans gives the means of Qt's
    // whole decode, block by block, whatever its sampling, restart markers
    // and size.
    void progressiveJpegEighthIsQtsDecodeAveraged_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("v");
        QTest::addColumn<bool>("grey");
        QTest::addColumn<int>("restartRows");
        QTest::addColumn<int>("restartBlocks");
        QTest::addColumn<int>("quality");
        QTest::addColumn<bool>("dcScanPerComponent");
        QTest::newRow("4:4:4") << QSize(800, 600) << 1 << 1 << false << 0 << 0 << 85 << false;
        QTest::newRow("4:2:0, odd size") << QSize(1001, 757) << 2 << 2 << false << 0 << 0 << 85 << false;
        QTest::newRow("4:2:2") << QSize(640, 480) << 2 << 1 << false << 0 << 0 << 92 << false;
        QTest::newRow("4:4:0, tall") << QSize(333, 901) << 1 << 2 << false << 0 << 0 << 75 << false;
        QTest::newRow("grey") << QSize(777, 555) << 1 << 1 << true << 0 << 0 << 85 << false;
        QTest::newRow("restart every row") << QSize(1001, 757) << 2 << 2 << false << 1 << 0 << 85 << false;
        QTest::newRow("restart every 7 blocks") << QSize(803, 611) << 1 << 1 << false << 0 << 7 << 100 << false;
        QTest::newRow("restart every 5 blocks, 4:2:0") << QSize(517, 389) << 2 << 2 << false << 0 << 5 << 50 << false;
        QTest::newRow("a DC scan per component, 4:2:0") << QSize(1001, 757) << 2 << 2 << false << 0 << 0 << 85 << true;
        QTest::newRow("a DC scan per component, restarts") << QSize(517, 389) << 2 << 2 << false << 0 << 3 << 85 << true;
    }
    void progressiveJpegEighthIsQtsDecodeAveraged()
    {
        QFETCH(QSize, size);
        QFETCH(int, h);
        QFETCH(int, v);
        QFETCH(bool, grey);
        QFETCH(int, restartRows);
        QFETCH(int, restartBlocks);
        QFETCH(int, quality);
        QFETCH(bool, dcScanPerComponent);
        const QString path = m_dir.filePath(u"progressive.jpg"_s);
        QVERIFY(writeProgressiveJpeg(path, photoLike(size), h, v, grey, restartRows, restartBlocks, quality, dcScanPerComponent));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const platform::JpegEighth eighth = platform::decodeProgressiveJpegEighth(&file);
        QCOMPARE(eighth.outcome, platform::JpegEighth::Outcome::Decoded);
        const QImage want = blockMeans(path);
        QCOMPARE(eighth.image.size(), want.size());
        qint64 total = 0;
        int worst = 0;
        for (int y = 0; y < want.height(); ++y)
            for (int x = 0; x < want.width(); ++x) {
                const QRgb a = eighth.image.pixel(x, y), b = want.pixel(x, y);
                for (int shift : {0, 8, 16}) {
                    const int d = qAbs(int((a >> shift) & 0xff) - int((b >> shift) & 0xff));
                    total += d;
                    worst = qMax(worst, d);
                }
            }
        const double mean = double(total) / (3.0 * want.width() * want.height());
        // Where chroma is shared by two or four blocks, each block gets the
        // shared mean: single blocks differ much at sharp colour edges.
        const bool shared = h * v > 1;
        QVERIFY2(mean < (shared ? 4 : 1.5) && worst <= (shared ? 160 : 20), qPrintable(u"mean %1, worst %2"_s.arg(mean).arg(worst)));
    }

    // Not its kind, or damaged: baseline goes to another decoder, a file cut
    // inside its DC scans is damaged.
    void progressiveJpegEighthRefuses_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("outcome");
        QTest::newRow("baseline") << u"baseline"_s << int(platform::JpegEighth::Outcome::NotHandled);
        QTest::newRow("cut in its first scan") << u"cut"_s << int(platform::JpegEighth::Outcome::Damaged);
        QTest::newRow("cut before its end") << u"cut end"_s << int(platform::JpegEighth::Outcome::Damaged);
        QTest::newRow("not a JPEG") << u"png"_s << int(platform::JpegEighth::Outcome::NotHandled);
    }
    void progressiveJpegEighthRefuses()
    {
        QFETCH(QString, kind);
        QFETCH(int, outcome);
        const QString path = m_dir.filePath(u"refused"_s);
        const QImage picture = photoLike(QSize(400, 300));
        QByteArray bytes;
        if (kind == u"baseline"_s || kind == u"png"_s) {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QVERIFY(picture.save(&buffer, kind == u"png"_s ? "png" : "jpeg"));
        } else {
            QVERIFY(writeProgressiveJpeg(path, picture, 1, 1, false, 0, 0, 85));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            bytes = file.readAll();
            const qsizetype firstScan = bytes.indexOf("\xff\xda");
            QVERIFY(firstScan > 0);
            bytes.truncate(kind == u"cut"_s ? firstScan + 200 : bytes.size() - 2);
        }
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QCOMPARE(int(platform::decodeProgressiveJpegEighth(&buffer).outcome), outcome);
    }

    // A large progressive JPEG loads through its DC scans: what Qt shows,
    // turned upright as its orientation mark says.
    void largeProgressiveJpegLoads_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("orientation"); // Exif's; 0: no mark
        QTest::newRow("square") << QSize(4200, 4200) << 0;
        QTest::newRow("landscape turned a quarter right") << QSize(6000, 3000) << 6;
        QTest::newRow("landscape mirrored") << QSize(6000, 3000) << 2;
    }
    void largeProgressiveJpegLoads()
    {
        QFETCH(QSize, size);
        QFETCH(int, orientation);
        const QString path = m_dir.filePath(u"large progressive.jpg"_s);
        QVERIFY(writeProgressiveJpeg(path, TestFolder::cellPicture(QSize(600, 600)).scaled(size), 1, 1, false, 0, 0, 80));
        if (orientation) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QByteArray bytes = file.readAll();
            // An Exif segment holding the orientation alone, after the start.
            const QByteArray exif = QByteArray::fromHex("ffe10022457869660000" "4d4d002a00000008" "0001" "011200030000000100")
                                    + char(orientation) + QByteArray::fromHex("0000" "00000000");
            bytes.insert(2, exif);
            file.seek(0);
            file.write(bytes);
        }
        const LoadedPicture picture = loadPicture(path, Board);
        QCOMPARE(picture.problem, PictureProblem::None);
        QCOMPARE(picture.size, size);
        QCOMPARE(picture.image.size(), Board);
        QImageReader reader(path);
        reader.setAutoTransform(true);
        const QImage shown = reader.read().scaled(Board, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(cellDifference(picture.image, shown) < 12, "not what Qt shows");
        QFile::remove(path);
    }

    // Large TIFF and WebP pictures are read by the game's picture module, a
    // part at a time; without it, or with a file that is no module, Qt's
    // own plugin decodes them whole, with the allocation it needs above
    // Qt's own 128 MB.
    void webpAndTiffAboveQtsLimitLoad_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QString>("module");
        for (const char *format : {"tiff", "webp"}) {
            QTest::addRow("%s, the module", format) << QByteArray(format) << u"module"_s;
            QTest::addRow("%s, no module", format) << QByteArray(format) << u"none"_s;
            QTest::addRow("%s, not a module", format) << QByteArray(format) << u"garbage"_s;
        }
    }
    void webpAndTiffAboveQtsLimitLoad()
    {
        QFETCH(QByteArray, format);
        QFETCH(QString, module);
        if (!QImageReader::supportedImageFormats().contains(format))
            QSKIP("no plugin for the format");
        const QString garbage = m_dir.filePath(u"quadrifoglio-pictures.so"_s);
        if (module == "garbage") {
            QFile file(garbage);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(4096, '\x7f'));
        }
        platform::setPictureModulePaths(module == "module" ? QStringList{QStringLiteral(PICTURE_MODULE)}
                                        : module == "garbage" ? QStringList{garbage}
                                                              : QStringList{m_dir.filePath(u"nothing.so"_s)});
        const QString path = m_dir.filePath(u"big."_s + QString::fromLatin1(format));
        {
            QImage big(6000, 6000, QImage::Format_RGB32);
            QPainter painter(&big);
            painter.drawImage(big.rect(), TestFolder::cellPicture(QSize(600, 600)));
            painter.end();
            QImageWriter writer(path, format);
            writer.setCompression(1);
            writer.setQuality(40);
            QVERIFY2(writer.write(big), qPrintable(writer.errorString()));
        }
        const LoadedPicture picture = loadPicture(path, Board);
        QFile::remove(path);
        QFile::remove(garbage);
        QCOMPARE(platform::pictureModuleLoaded(), module == "module");
        QCOMPARE(picture.problem, PictureProblem::None);
        QCOMPARE(picture.size, QSize(6000, 6000));
        QCOMPARE(QImageReader::allocationLimit(), 128);
        // What Qt shows, within what the lossy formats lose.
        for (int row = 0; row < 6; ++row)
            for (int column = 0; column < 6; ++column) {
                const QColor got = picture.image.pixelColor(column * 60 + 30, row * 60 + 30);
                const QColor want = TestFolder::cellColor(row, column);
                QVERIFY2(qAbs(got.red() - want.red()) + qAbs(got.green() - want.green()) + qAbs(got.blue() - want.blue()) < 24,
                         qPrintable(u"%1,%2"_s.arg(row).arg(column)));
            }
    }

    void onlyARegularFileIsAPicture_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("named pipe") << "pipe";
        QTest::newRow("folder") << "folder";
        QTest::newRow("nothing") << "";
    }
    void onlyARegularFileIsAPicture()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Matrix.jpg"_s);
        if (kind == "pipe")
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
        if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        LoadedPicture picture;
        QVERIFY(endsWithin(5000, {path}, [&] { picture = loadPicture(path, Board); }));
        QCOMPARE(picture.problem, PictureProblem::Missing);
    }
};

QTEST_GUILESS_MAIN(tst_pictures)
#include "tst_pictures.moc"
