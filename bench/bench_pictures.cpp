// Loading a picture too large for Qt to decode whole: the time and the peak
// memory of loadPicture on a 6000 x 6000 24-bit bitmap (104 MB) and a
// 3000 x 3000 GIF, beside Qt decoding the same file whole where it can.
// Each case runs in a process of its own, so that its peak is its own.
//
//   bench_pictures            runs every case and prints a table
//   bench_pictures CASE FILE  (used by the above)

#include "platform/Pictures.h"
#include "support/BigPictures.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

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

int runCase(const QString &kind, const QString &file)
{
    QElapsedTimer timer;
    timer.start();
    bool ok = false;
    if (kind == QLatin1String("game")) {
        ok = platform::loadPicture(file, QSize(360, 360)).problem == platform::PictureProblem::None;
    } else {
        QImageReader::setAllocationLimit(0); // no limit: what decoding whole costs
        ok = !QImageReader(file).read().scaled(360, 360).isNull();
    }
    std::printf("%s %.0f %ld\n", ok ? "ok" : "failed", timer.nsecsElapsed() / 1e6, peakKilobytes());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3)
        return runCase(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));

    QTemporaryDir dir;
    const QString bmp = dir.filePath(QStringLiteral("big.bmp")), gif = dir.filePath(QStringLiteral("big.gif"));
    bigpictures::writeCellBitmap(bmp, 6000, 6000, 24, false);
    bigpictures::writeCellGif(gif, QSize(3000, 3000), QRect(0, 0, 3000, 3000), false);
    std::printf("| picture | reader | ms (median of 5) | peak RSS MB |\n|---|---|---:|---:|\n");
    for (const auto &[label, file] : {std::pair{"6000 x 6000 BMP, 104 MB", bmp}, {"3000 x 3000 GIF", gif}}) {
        for (const char *kind : {"game", "qt-whole"}) {
            QList<double> times;
            double peak = 0;
            QString status;
            for (int run = 0; run < 5; ++run) {
                QProcess p;
                p.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kind), file});
                p.waitForFinished(120000);
                const QList<QByteArray> out = p.readAllStandardOutput().trimmed().split(' ');
                if (out.size() != 3)
                    continue;
                status = QString::fromLatin1(out[0]);
                times << out[1].toDouble();
                peak = qMax(peak, out[2].toDouble() / 1024);
            }
            std::sort(times.begin(), times.end());
            std::printf("| %s | %s%s | %.0f | %.0f |\n", label,
                        kind == QByteArrayView("game") ? "loadPicture" : "Qt, whole (no limit)",
                        status == QLatin1String("ok") ? "" : " (failed)", times.isEmpty() ? 0.0 : times[times.size() / 2], peak);
        }
    }
    return 0;
}
