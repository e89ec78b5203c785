// Pictures and cursors carried as resources: the texture loader and its
// errors, the tiled background of the main window, the hand cursors with
// their hot spots, and the icons.

#include "support/GameFixture.h"

#include "main_window/Tiling.h"
#include "platform/RuntimeError.h"
#include "resources/Resources.h"
#include "resources/cLoadResPicture.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

QImage texture()
{
    return cLoadResPicture().LoadResPicture(310, QStringLiteral("CUSTOM")).convertToFormat(QImage::Format_RGB32);
}

QImage cursorImage(const QCursor &cursor)
{
    return cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class tst_Resources : public QObject
{
    Q_OBJECT

private slots:
    void textureLoaderRaisesAnErrorForWhatIsNoPicture()
    {
        // The window then keeps its plain colour.
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, cLoadResPicture().LoadResPicture(999, "CUSTOM"));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, cLoadResPicture().LoadResPicture(310, "ICONS"));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, cLoadResPicture().LoadResPicture(201, "SOUND"));
    }

    void loadingTheTextureLeavesNoFileBehind()
    {
        QTemporaryDir temp;
        const QByteArray oldTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", temp.path().toLocal8Bit());
        QCOMPARE(QDir::tempPath(), QDir(temp.path()).canonicalPath());
        (void)texture();
        try {
            cLoadResPicture().LoadResPicture(201, QStringLiteral("SOUND"));
        } catch (const platform::RuntimeError &) {
        }
        {
            GameFixture game;
            QVERIFY(game.startCopy('0', QSize(1024, 768), QSize(800, 600))); // resizing tiles the background
            game.form->TileBackground();
        }
        qputenv("TMPDIR", oldTemp);
        const QStringList left = QDir(temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(' '))));
    }

    void tileStartsAlongASide_data()
    {
        QTest::addColumn<int>("extent");
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<int>>("starts");
        // A tile may start right on the far edge: it is all cut off, harmlessly.
        QTest::addRow("exact multiple") << 286 << 143 << QList<int>{0, 143, 286};
        QTest::addRow("narrower than a tile") << 100 << 143 << QList<int>{0};
        QTest::addRow("step of 0") << 800 << 0 << QList<int>{};
        QTest::addRow("negative step") << 800 << -143 << QList<int>{};
    }
    void tileStartsAlongASide()
    {
        QFETCH(int, extent);
        QFETCH(int, step);
        QFETCH(QList<int>, starts);
        QCOMPARE(tiling::TileStarts(extent, step), starts);
    }

    void windowOf800By600TakesSixColumnsAndSixRows()
    {
        const QList<QPoint> tiles = tiling::TilePositions(QSize(800, 600), QSize(143, 118));
        QCOMPARE(tiles.size(), 36);
        QCOMPARE(tiles.first(), QPoint(0, 0));
        QCOMPARE(tiles[1], QPoint(0, 118)); // column by column
        QCOMPARE(tiles.last(), QPoint(715, 590));
        QVERIFY(tiling::TilePositions(QSize(800, 600), QSize(143, 0)).isEmpty());
    }

    void mergePaintTintsTheTextureWithTheColour_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("texel");
        QTest::addColumn<QColor>("shown");
        const QColor grey(128, 128, 128);
        QTest::addRow("black on grey shows white") << grey << QColor(Qt::black) << QColor(Qt::white);
        QTest::addRow("white on blue shows blue") << QColor(0, 0, 192) << QColor(Qt::white) << QColor(0, 0, 192);
        QTest::addRow("light grey on grey lightens bits") << grey << QColor(224, 224, 224) << QColor(159, 159, 159);
        QTest::addRow("no texture leaves the colour") << grey << QColor() << grey;
    }
    void mergePaintTintsTheTextureWithTheColour()
    {
        QFETCH(QColor, background);
        QFETCH(QColor, texel);
        QFETCH(QColor, shown);
        platform::Surface surface;
        surface.setBackColor(background);
        surface.setSize(QSize(30, 20));
        surface.cls();
        QImage tile;
        if (texel.isValid()) {
            tile = QImage(7, 5, QImage::Format_RGB32);
            tile.fill(texel);
        }
        tiling::MergePaintTiles(surface, tile, surface.size());
        for (QPoint p : {QPoint(0, 0), QPoint(6, 4), QPoint(7, 5), QPoint(29, 19)})
            QCOMPARE(surface.image().pixelColor(p), shown);
    }

    void textureCoversTheWholeWindow()
    {
        FakeServices fakes;
        frmPuzzle form(fakes.services());
        form.resize(800, 600);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.size(), QSize(800, 600));
        // A fresh colour clears the drawing; the tiles then lie on plain grey.
        const QColor grey(128, 128, 128);
        form.setBackColor(grey);
        form.TileBackground();

        // MERGEPAINT leaves (NOT texture) OR colour.
        const QImage tex = texture();
        const QImage &back = form.backSurface().image();
        QCOMPARE(back.size(), QSize(800, 600));
        for (int y = 0; y < back.height(); ++y)
            for (int x = 0; x < back.width(); ++x)
                if (back.pixel(x, y) != ((~tex.pixel(x % tex.width(), y % tex.height()) | grey.rgb()) | 0xff000000u))
                    QFAIL(qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        QVERIFY(form.imgsfondo.isNull()); // the scratch image is emptied again
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
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), hotSpot);
        const QImage image = cursorImage(cursor);
        QCOMPARE(image.size(), QSize(32, 32));
        // The spot that acts lies on the hand itself (the fingertip of 102).
        QVERIFY(qAlpha(image.pixel(hotSpot)) == 255);
    }

    void piecesShowTheOpenHandAndButtonsThePointingHand()
    {
        GameFixture game;
        QVERIFY(game.startCopy());
        const frmPuzzle *form = game.form;
        const QImage open = cursorImage(resources::LoadResCursor(100));
        for (int i = 1; i <= 36; ++i) {
            const QCursor c = form->picTessera[i]->cursor();
            QVERIFY2(c.hotSpot() == QPoint(16, 15) && cursorImage(c) == open, qPrintable(QString::number(i)));
        }
        const QImage pointing = cursorImage(resources::LoadResCursor(102));
        const QList<QWidget *> controls = {form->cmdStart, form->cmdBack,     form->cmdEsci,     form->cmdInfo,
                                           form->chkTimer, form->chk3D,       form->cmdColor,    form->optLevel[0],
                                           form->optLevel[1], form->optLevel[2]};
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QCursor c = controls[i]->cursor();
            QVERIFY2(c.hotSpot() == QPoint(6, 0) && cursorImage(c) == pointing, qPrintable(QString::number(i)));
        }
    }
};

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
