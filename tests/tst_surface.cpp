// Platform pieces that live in the window library: the drawing surface of
// the board and panels, and the rule that finds the configuration folder
// (beside the real services).

#include "game/Preferences.h"
#include "platform/RealServices.h"
#include "platform/Surface.h"

#include <QTest>

using platform::RasterOp;
using platform::Surface;

Q_DECLARE_METATYPE(platform::RasterOp)

namespace {

Surface filled(QColor color)
{
    Surface s;
    s.setBackColor(color);
    s.setSize(QSize(8, 8));
    s.clear();
    return s;
}

} // namespace

class TestSurface : public QObject
{
    Q_OBJECT

private slots:
    void rasterOpsCombineSourceAndDestinationBits_data()
    {
        QTest::addColumn<RasterOp>("op");
        QTest::addColumn<QRgb>("result"); // of source 0FF033 on destination 5555F0
        QTest::newRow("merge paint: (not source) or destination") << RasterOp::MergePaint << qRgb(0xF5, 0x5F, 0xFC);
        QTest::newRow("destination inverted, source unused") << RasterOp::DstInvert << qRgb(0xAA, 0xAA, 0x0F);
    }
    void rasterOpsCombineSourceAndDestinationBits()
    {
        QFETCH(RasterOp, op);
        QFETCH(QRgb, result);
        const QRgb destination = qRgb(0x55, 0x55, 0xF0);
        QImage source(4, 4, QImage::Format_RGB32);
        source.fill(qRgb(0x0F, 0xF0, 0x33));
        Surface surface = filled(QColor(destination));
        surface.drawPicture(source, 2, 2, op);
        QCOMPARE(surface.image().pixel(3, 3), result);
        // Only the picture's own rectangle changes.
        QCOMPARE(surface.image().pixel(1, 1), destination);
        QCOMPARE(surface.image().pixel(6, 6), destination);
    }

    void lineLeavesOutItsLastPoint()
    {
        Surface s = filled(Qt::white);
        s.setForeColor(Qt::black);
        s.drawLine(1, 2, 5, 2);
        for (int x = 0; x < 8; ++x)
            QCOMPARE(QColor(s.image().pixel(x, 2)) == Qt::black, x >= 1 && x < 5);
        // Going on from there draws the corner the first line left out.
        s.drawLineTo(5, 6);
        QCOMPARE(QColor(s.image().pixel(5, 2)), QColor(Qt::black));
        QCOMPARE(QColor(s.image().pixel(5, 6)), QColor(Qt::white));
    }

    void configurationFolderIsXdgConfigHomeElseDotConfig_data()
    {
        QTest::addColumn<QString>("xdgConfigHome");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("folder"); // null: none to be had
        QTest::newRow("XDG_CONFIG_HOME, cleaned") << "/x/cfg/" << "/home/a" << "/x/cfg";
        QTest::newRow("no XDG_CONFIG_HOME") << "" << "/home/a" << "/home/a/.config";
        // A relative XDG_CONFIG_HOME is to be ignored.
        QTest::newRow("relative XDG_CONFIG_HOME") << "cfg" << "/home/a" << "/home/a/.config";
        QTest::newRow("neither") << "" << "" << QString();
    }
    void configurationFolderIsXdgConfigHomeElseDotConfig()
    {
        QFETCH(QString, xdgConfigHome);
        QFETCH(QString, home);
        QFETCH(QString, folder);
        QCOMPARE(Preferences::configFolderFor(xdgConfigHome, home), folder);
    }
};

QTEST_MAIN(TestSurface)
#include "tst_surface.moc"
