// Pictures and cursors carried as resources: the texture loader and its
// errors, the tiled background of the main window and the hand cursors.

#include "support/GameFixture.h"

#include "ui/Background.h"
#include "platform/RuntimeError.h"
#include "assets/Assets.h"
#include "assets/Texture.h"

class tst_Resources : public QObject
{
    Q_OBJECT

private slots:
    void textureLoaderRaisesItsOwnErrorForWhatIsNoPicture()
    {
        // The window then keeps its plain colour.
        try {
            cLoadResPicture().LoadResPicture(201, QStringLiteral("SOUND"));
            QFAIL("no error raised");
        } catch (const platform::RuntimeError &e) {
            QCOMPARE(e.number(), int(platform::ErrInvalidPicture));
            QCOMPARE(e.source(), QStringLiteral("tst_resources.cLoadResPicture"));
        }
    }

    void tileStartsAlongASide_data()
    {
        QTest::addColumn<int>("extent");
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<int>>("starts");
        QTest::addRow("800 wide") << 800 << 143 << QList<int>{0, 143, 286, 429, 572, 715};
        QTest::addRow("600 high") << 600 << 118 << QList<int>{0, 118, 236, 354, 472, 590};
        // A tile may start right on the far edge: it is all cut off, harmlessly.
        QTest::addRow("exact multiple") << 286 << 143 << QList<int>{0, 143, 286};
        QTest::addRow("step of 0") << 800 << 0 << QList<int>{};
    }
    void tileStartsAlongASide()
    {
        QFETCH(int, extent);
        QFETCH(int, step);
        QFETCH(QList<int>, starts);
        QCOMPARE(tiling::TileStarts(extent, step), starts);
    }

    void mergePaintTintsTheTextureWithTheColour()
    {
        // On grey the texture's black shows white and its white shows grey.
        const QColor grey(128, 128, 128);
        platform::Surface surface;
        surface.setBackColor(grey);
        surface.setSize(QSize(30, 20));
        surface.clear();
        QImage tile(7, 5, QImage::Format_RGB32);
        tile.fill(Qt::white);
        tile.setPixel(0, 0, qRgb(0, 0, 0));
        tiling::MergePaintTiles(surface, tile, surface.size());
        QCOMPARE(surface.image().pixelColor(7, 5), QColor(Qt::white)); // the second tile's black corner
        QCOMPARE(surface.image().pixelColor(29, 19), grey);
        // Without a texture the colour stays as it is.
        tiling::MergePaintTiles(surface, QImage(), surface.size());
        QCOMPARE(surface.image().pixelColor(28, 15), QColor(Qt::white));
    }

    void cursorsCarryTheirHotSpots_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QPoint>("hotSpot");
        QTest::addRow("100 open hand") << 100 << QPoint(16, 15);
        QTest::addRow("101 closed hand") << 101 << QPoint(15, 17);
        QTest::addRow("102 pointing hand") << 102 << QPoint(6, 0);
    }
    void cursorsCarryTheirHotSpots()
    {
        QFETCH(int, id);
        QFETCH(QPoint, hotSpot);
        const QCursor cursor = resources::LoadResCursor(id);
        QCOMPARE(cursor.hotSpot(), hotSpot);
        // The spot that acts lies on the hand itself (the fingertip of 102).
        QCOMPARE(qAlpha(cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32).pixel(hotSpot)), 255);
    }

    void textureCoversTheWholeWindow()
    {
        FakeServices fakes;
        frmPuzzle form(fakes.services());
        form.resize(800, 600);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QColor grey(128, 128, 128);
        form.setBackColor(grey); // a fresh colour clears the drawing
        form.TileBackground();
        // MERGEPAINT leaves (NOT texture) OR colour, the texture repeated from the corner.
        const QImage tex = cLoadResPicture().LoadResPicture(310, "CUSTOM").convertToFormat(QImage::Format_RGB32);
        const QImage &back = form.backSurface().image();
        QCOMPARE(back.size(), QSize(800, 600));
        for (int y = 0; y < back.height(); ++y)
            for (int x = 0; x < back.width(); ++x)
                if (back.pixel(x, y) != ((~tex.pixel(x % tex.width(), y % tex.height()) | grey.rgb()) | 0xff000000u))
                    QFAIL(qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
    }
};

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
