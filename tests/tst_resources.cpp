// Pictures and cursors carried as resources: the texture loader and its
// errors, the tiled background of the main window, the hand cursors with
// their hot spots, and the icons.

#include "main_window/Tiling.h"
#include "main_window/frmPuzzle.h"
#include "platform/RuntimeError.h"
#include "platform/Surface.h"
#include "resources/Resources.h"
#include "resources/cLoadResPicture.h"
#include "startup/NewPuzzle.h"
#include "support/GameFixture.h"

#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QImage texture()
{
    return cLoadResPicture().LoadResPicture(310, QStringLiteral("CUSTOM"))
        .convertToFormat(QImage::Format_RGB32);
}

// What MERGEPAINT leaves on a plain colour: (NOT texture) OR colour.
QRgb mergePainted(QRgb texel, QColor background)
{
    return (~texel | background.rgb()) | 0xff000000u;
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
    void textureIsTheJpegOf143By118();
    void textureErrorsNameTheirSource_data();
    void textureErrorsNameTheirSource();
    void loadingTheTextureLeavesNoFileBehind();

    void tileStartsAlongASide_data();
    void tileStartsAlongASide();
    void windowOf800By600TakesSixColumnsAndSixRows();
    void mergePaintTintsTheTextureWithTheColour_data();
    void mergePaintTintsTheTextureWithTheColour();
    void tilingTwiceGivesTheSameAsOnce();
    void noTextureLeavesThePlainColour();
    void textureCoversTheWholeWindow();

    void cursorsCarryTheirHotSpots_data();
    void cursorsCarryTheirHotSpots();
    void iconsAre32By32();
    void programIconComesInTwoSizes();
    void piecesShowTheOpenHandAndButtonsThePointingHand();
};

void tst_Resources::textureIsTheJpegOf143By118()
{
    const QImage image = cLoadResPicture().LoadResPicture(310, QStringLiteral("CUSTOM"));
    QCOMPARE(image.size(), QSize(143, 118));
}

void tst_Resources::textureErrorsNameTheirSource_data()
{
    QTest::addColumn<QVariant>("id");
    QTest::addColumn<QVariant>("type");
    QTest::addColumn<int>("number");
    QTest::addRow("no such id") << QVariant(999) << QVariant(QStringLiteral("CUSTOM")) << 326;
    QTest::addRow("no such type") << QVariant(310) << QVariant(QStringLiteral("ICONS")) << 326;
    QTest::addRow("not a picture") << QVariant(201) << QVariant(QStringLiteral("SOUND"))
                                   << int(platform::ErrInvalidPicture);
}

void tst_Resources::textureErrorsNameTheirSource()
{
    QFETCH(QVariant, id);
    QFETCH(QVariant, type);
    QFETCH(int, number);
    try {
        cLoadResPicture().LoadResPicture(id, type);
        QFAIL("no error was raised");
    } catch (const platform::RuntimeError &e) {
        QCOMPARE(e.number(), number);
        QCOMPARE(e.source(), QStringLiteral("tst_resources.cLoadResPicture"));
        QVERIFY(!e.description().isEmpty());
    }
}

void tst_Resources::loadingTheTextureLeavesNoFileBehind()
{
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    QCOMPARE(QDir::tempPath(), QDir(temp.path()).canonicalPath());

    (void)texture();
    try {
        cLoadResPicture().LoadResPicture(201, QStringLiteral("SOUND"));
    } catch (const platform::RuntimeError &) {
    }
    FakeServices fakes;
    {
        frmPuzzle form(fakes.services());
        form.resize(800, 600);
        form.show(); // resizing tiles the background
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.TileBackground();
    }
    qputenv("TMPDIR", oldTemp);
    const QStringList left =
        QDir(temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(' '))));
}

void tst_Resources::tileStartsAlongASide_data()
{
    QTest::addColumn<int>("extent");
    QTest::addColumn<int>("step");
    QTest::addColumn<QList<int>>("starts");
    QTest::addRow("800 wide") << 800 << 143 << QList<int>{0, 143, 286, 429, 572, 715};
    QTest::addRow("600 high") << 600 << 118 << QList<int>{0, 118, 236, 354, 472, 590};
    // A tile may start right on the far edge: it is all cut off, harmlessly.
    QTest::addRow("exact multiple") << 286 << 143 << QList<int>{0, 143, 286};
    QTest::addRow("narrower than a tile") << 100 << 143 << QList<int>{0};
    QTest::addRow("nothing to cover") << 0 << 143 << QList<int>{0};
    QTest::addRow("step of 0") << 800 << 0 << QList<int>{};
    QTest::addRow("negative step") << 800 << -143 << QList<int>{};
}

void tst_Resources::tileStartsAlongASide()
{
    QFETCH(int, extent);
    QFETCH(int, step);
    QFETCH(QList<int>, starts);
    QCOMPARE(tiling::TileStarts(extent, step), starts);
}

void tst_Resources::windowOf800By600TakesSixColumnsAndSixRows()
{
    const QList<QPoint> tiles = tiling::TilePositions(QSize(800, 600), QSize(143, 118));
    QCOMPARE(tiles.size(), 36);
    QCOMPARE(tiles.first(), QPoint(0, 0));
    QCOMPARE(tiles[1], QPoint(0, 118)); // column by column
    QCOMPARE(tiles.last(), QPoint(715, 590));
    QVERIFY(tiling::TilePositions(QSize(800, 600), QSize(143, 0)).isEmpty());
}

void tst_Resources::mergePaintTintsTheTextureWithTheColour_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("texel");
    QTest::addColumn<QColor>("shown");
    const QColor grey(128, 128, 128);
    QTest::addRow("black on grey shows white") << grey << QColor(Qt::black) << QColor(Qt::white);
    QTest::addRow("white on grey shows grey") << grey << QColor(Qt::white) << grey;
    QTest::addRow("white on blue shows blue") << QColor(0, 0, 192) << QColor(Qt::white)
                                              << QColor(0, 0, 192);
    QTest::addRow("light grey on grey lightens bits") << grey << QColor(224, 224, 224)
                                                      << QColor(159, 159, 159);
}

void tst_Resources::mergePaintTintsTheTextureWithTheColour()
{
    QFETCH(QColor, background);
    QFETCH(QColor, texel);
    QFETCH(QColor, shown);

    platform::Surface surface;
    surface.setBackColor(background);
    surface.setSize(QSize(30, 20));
    surface.cls();
    QImage tile(7, 5, QImage::Format_RGB32);
    tile.fill(texel);
    tiling::MergePaintTiles(surface, tile, surface.size());
    for (QPoint p : {QPoint(0, 0), QPoint(6, 4), QPoint(7, 5), QPoint(29, 19)})
        QCOMPARE(surface.image().pixelColor(p), shown);
}

void tst_Resources::tilingTwiceGivesTheSameAsOnce()
{
    platform::Surface surface;
    surface.setBackColor(QColor(0, 128, 64));
    surface.setSize(QSize(300, 250));
    surface.cls();
    const QImage tex = texture();
    tiling::MergePaintTiles(surface, tex, surface.size());
    const QImage once = surface.image();
    tiling::MergePaintTiles(surface, tex, surface.size());
    QCOMPARE(surface.image(), once);
}

void tst_Resources::noTextureLeavesThePlainColour()
{
    platform::Surface surface;
    surface.setBackColor(QColor(128, 128, 128));
    surface.setSize(QSize(50, 50));
    surface.cls();
    const QImage before = surface.image();
    tiling::MergePaintTiles(surface, QImage(), surface.size());
    QCOMPARE(surface.image(), before);
}

void tst_Resources::textureCoversTheWholeWindow()
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

    const QImage tex = texture();
    const QImage &back = form.backSurface().image();
    QCOMPARE(back.size(), QSize(800, 600));
    int wrong = 0;
    QPoint firstWrong;
    for (int y = 0; y < back.height(); ++y) {
        for (int x = 0; x < back.width(); ++x) {
            const QRgb want = mergePainted(tex.pixel(x % tex.width(), y % tex.height()), grey);
            if (back.pixel(x, y) != want && wrong++ == 0)
                firstWrong = QPoint(x, y);
        }
    }
    QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1 pixels wrong, the first at (%2, %3)")
                                        .arg(wrong).arg(firstWrong.x()).arg(firstWrong.y())));
    QVERIFY(form.imgsfondo.isNull()); // the scratch image is emptied again
}

void tst_Resources::cursorsCarryTheirHotSpots_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QPoint>("hotSpot");
    QTest::addRow("100 open hand") << 100 << QPoint(16, 15);
    QTest::addRow("101 closed hand") << 101 << QPoint(15, 17);
    QTest::addRow("102 pointing hand") << 102 << QPoint(6, 0);
}

void tst_Resources::cursorsCarryTheirHotSpots()
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

void tst_Resources::iconsAre32By32()
{
    for (int id : {1, 502, 503, 504, 505}) {
        const QImage icon = resources::LoadResIcon(id);
        QVERIFY2(!icon.isNull(), qPrintable(QString::number(id)));
        QCOMPARE(icon.size(), QSize(32, 32));
    }
}

void tst_Resources::programIconComesInTwoSizes()
{
    const QIcon icon = resources::ProgramIcon();
    QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(32, 32), QSize(256, 256)}));
}

void tst_Resources::piecesShowTheOpenHandAndButtonsThePointingHand()
{
    GameFixture game;
    game.givePicture();
    QVERIFY(game.start());
    const QPointer<frmPuzzle> form = game.form;

    const QImage open = cursorImage(resources::LoadResCursor(100));
    for (int i = 1; i <= 36; ++i) {
        const QCursor c = form->picTessera[i]->cursor();
        QVERIFY2(c.hotSpot() == QPoint(16, 15) && cursorImage(c) == open,
                 qPrintable(QStringLiteral("piece %1").arg(i)));
    }

    const QImage pointing = cursorImage(resources::LoadResCursor(102));
    const QList<QWidget *> controls = {form->cmdStart, form->cmdBack, form->cmdEsci,
                                       form->cmdInfo, form->chkTimer, form->chk3D,
                                       form->cmdColor, form->optLevel[0], form->optLevel[1],
                                       form->optLevel[2]};
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QCursor c = controls[i]->cursor();
        QVERIFY2(c.hotSpot() == QPoint(6, 0) && cursorImage(c) == pointing,
                 qPrintable(QStringLiteral("control %1 of the list").arg(i)));
    }

    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!form);
}

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
