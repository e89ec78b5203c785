#include "platform/Surface.h"

#include <QTest>

using platform::RasterOp;
using platform::Surface;

Q_DECLARE_METATYPE(platform::RasterOp)

namespace {

Surface filled(QColor color, QSize size = QSize(8, 8))
{
    Surface s;
    s.setBackColor(color);
    s.setSize(size);
    s.cls();
    return s;
}

QImage plain(QColor color, QSize size = QSize(8, 8))
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(color);
    return img;
}

} // namespace

class tst_surface : public QObject
{
    Q_OBJECT

private slots:
    void rasterOpsCombineBitsLikeGdi_data()
    {
        QTest::addColumn<RasterOp>("op");
        QTest::addColumn<QRgb>("source");
        QTest::addColumn<QRgb>("destination");
        QTest::addColumn<QRgb>("result");
        const QRgb s = qRgb(0x0F, 0xF0, 0x33);
        const QRgb d = qRgb(0x55, 0x55, 0xF0);
        QTest::newRow("copy") << RasterOp::SrcCopy << s << d << s;
        QTest::newRow("not source") << RasterOp::NotSrcCopy << s << d << qRgb(0xF0, 0x0F, 0xCC);
        QTest::newRow("and") << RasterOp::SrcAnd << s << d << qRgb(0x05, 0x50, 0x30);
        QTest::newRow("xor") << RasterOp::SrcInvert << s << d << qRgb(0x5A, 0xA5, 0xC3);
        QTest::newRow("or") << RasterOp::SrcPaint << s << d << qRgb(0x5F, 0xF5, 0xF3);
        QTest::newRow("merge paint: (not source) or destination")
            << RasterOp::MergePaint << s << d << qRgb(0xF5, 0x5F, 0xFC);
        QTest::newRow("destination inverted, source unused")
            << RasterOp::DstInvert << s << d << qRgb(0xAA, 0xAA, 0x0F);
    }
    void rasterOpsCombineBitsLikeGdi()
    {
        QFETCH(RasterOp, op);
        QFETCH(QRgb, source);
        QFETCH(QRgb, destination);
        QFETCH(QRgb, result);
        Surface surface = filled(QColor(destination));
        surface.paintPicture(plain(QColor(source), QSize(4, 4)), 2, 2, op);
        QCOMPARE(surface.image().pixel(3, 3) & 0xFFFFFF, result & 0xFFFFFF);
        QCOMPARE(surface.image().pixel(0, 0) & 0xFFFFFF, destination & 0xFFFFFF); // outside untouched
        QCOMPARE(surface.image().pixel(6, 6) & 0xFFFFFF, destination & 0xFFFFFF);
    }

    void lineLeavesOutItsLastPoint()
    {
        Surface s = filled(Qt::white);
        s.setForeColor(Qt::black);
        s.line(1, 2, 5, 2);
        for (int x = 0; x < 8; ++x)
            QCOMPARE(QColor(s.image().pixel(x, 2)) == Qt::black, x >= 1 && x < 5);
        // Going on from there draws the corner the first line left out.
        s.lineTo(5, 6);
        QCOMPARE(QColor(s.image().pixel(5, 2)), QColor(Qt::black));
        QCOMPARE(QColor(s.image().pixel(5, 6)), QColor(Qt::white));
        QCOMPARE(s.currentPoint(), QPoint(5, 6));
    }

    void linesAreClippedToTheImage()
    {
        Surface s = filled(Qt::white);
        s.setForeColor(Qt::red);
        s.line(-5, 3, 20, 3);
        s.line(3, -10, 3, -1);
        for (int x = 0; x < 8; ++x)
            QCOMPARE(QColor(s.image().pixel(x, 3)), QColor(Qt::red));
        QCOMPARE(QColor(s.image().pixel(3, 0)), QColor(Qt::white));
    }

    void boxIncludesBothCorners()
    {
        Surface s = filled(Qt::white);
        s.setForeColor(Qt::black);
        s.box(1, 1, 6, 5);
        for (const QPoint p : {QPoint(1, 1), QPoint(6, 1), QPoint(6, 5), QPoint(1, 5), QPoint(3, 5)})
            QCOMPARE(QColor(s.image().pixel(p)), QColor(Qt::black));
        QCOMPARE(QColor(s.image().pixel(3, 3)), QColor(Qt::white));
        QCOMPARE(QColor(s.image().pixel(7, 5)), QColor(Qt::white));
    }

    void clsPutsThePictureBack()
    {
        Surface s = filled(Qt::white);
        s.setPicture(plain(Qt::green, QSize(4, 4)));
        s.setForeColor(Qt::black);
        s.line(0, 0, 8, 0);
        s.cls();
        QCOMPARE(QColor(s.image().pixel(1, 0)), QColor(Qt::green));
        QCOMPARE(QColor(s.image().pixel(6, 0)), QColor(Qt::white));
        s.clearPicture();
        QCOMPARE(QColor(s.image().pixel(1, 1)), QColor(Qt::white));
    }

    void iconsShowWhatLiesBeneathTheirTransparentParts()
    {
        QImage icon(2, 2, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        icon.setPixel(0, 0, qRgba(255, 0, 0, 255));
        Surface s = filled(Qt::blue);
        s.paintPicture(icon, 0, 0);
        QCOMPARE(QColor(s.image().pixel(0, 0)), QColor(Qt::red));
        QCOMPARE(QColor(s.image().pixel(1, 1)), QColor(Qt::blue));
    }
};

QTEST_MAIN(tst_surface)
#include "tst_surface.moc"
