// The data the game carries inside itself, the tiled background of the main
// window and the hand cursors.

#include "support/GameFixture.h"

#include "assets/Assets.h"
#include "ui/Background.h"

#include <QFile>
#include <QFontInfo>
#include <QTemporaryDir>

#include <fontconfig/fontconfig.h>

Q_DECLARE_METATYPE(assets::Cursor)

class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // First, as in the game: before Qt asks fontconfig for its fonts.
        QVERIFY(assets::useGameFont());
    }

    // The game's faces reach fontconfig described beforehand (faces.txt, by
    // tools/make_font_faces.sh): the descriptions must be what fontconfig
    // reads from the files themselves, or a changed font would be drawn
    // with another's family, style or characters.
    void fontFacesAreDescribedAsTheFilesSay()
    {
        const FcFontSet *set = FcConfigGetFonts(nullptr, FcSetApplication);
        QVERIFY(set);
        QTemporaryDir dir;
        QStringList described;
        for (int i = 0; i < set->nfont; ++i) {
            FcChar8 *file = nullptr;
            if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) != FcResultMatch)
                continue;
            const QString resource = QString::fromUtf8(reinterpret_cast<const char *>(file));
            QFile font(resource);
            QVERIFY2(font.open(QIODevice::ReadOnly), qPrintable(resource));
            const QString copy = dir.filePath(QStringLiteral("face.ttf"));
            QFile::remove(copy);
            QVERIFY(font.copy(copy));
            int faces = 0;
            FcPattern *read = FcFreeTypeQuery(reinterpret_cast<const FcChar8 *>(QFile::encodeName(copy).constData()), 0,
                                              nullptr, &faces);
            QVERIFY(read);
            FcPattern *given = FcPatternDuplicate(set->fonts[i]);
            FcPatternDel(read, FC_FILE);
            FcPatternDel(given, FC_FILE);
            const bool same = FcPatternEqual(read, given);
            FcPatternDestroy(read);
            FcPatternDestroy(given);
            QVERIFY2(same, qPrintable(resource));
            described << resource;
        }
        described.sort();
        QCOMPARE(described, QStringList({QStringLiteral(":/res/fonts/LiberationSans-Bold.ttf"),
                                         QStringLiteral(":/res/fonts/LiberationSans-BoldItalic.ttf"),
                                         QStringLiteral(":/res/fonts/LiberationSans-Italic.ttf"),
                                         QStringLiteral(":/res/fonts/LiberationSans-Regular.ttf")}));
    }

    // Run again on a desktop whose only fonts are DejaVu (tst_assets_bare_desktop):
    // the texts' Arial and the application's font are still ours, in every style.
    void gameFontStandsInForArial()
    {
        for (const bool bold : {false, true}) {
            for (const bool italic : {false, true}) {
                QFont arial(QStringLiteral("Arial"), 28);
                arial.setBold(bold);
                arial.setItalic(italic);
                const QFontInfo used(arial);
                QCOMPARE(used.family(), QLatin1String(assets::FontFamily));
                QCOMPARE(used.bold(), bold);
                QCOMPARE(used.italic(), italic);
            }
        }
        QCOMPARE(QFontInfo(QGuiApplication::font()).family(), QLatin1String(assets::FontFamily));
    }

    // A missing file is no error at run time (a silent cue, a plain
    // background, a piece without its edge), so a build that lost one
    // would go unnoticed.
    void everyCarriedAssetIsThere()
    {
        using assets::Cue;
        for (Cue cue : {Cue::PieceTaken, Cue::PieceReturned, Cue::Click, Cue::GameStarted, Cue::TimeOver,
                        Cue::Window, Cue::BoardReset, Cue::PuzzleSolved, Cue::TimeWarning})
            QVERIFY2(assets::cueData(cue).startsWith("RIFF"), qPrintable(QString::number(int(cue))));
        using assets::Icon;
        for (Icon icon : {Icon::Clover, Icon::Hourglass, Icon::Happy, Icon::Content, Icon::Sad})
            QCOMPARE(assets::icon(icon).size(), QSize(32, 32));
        QCOMPARE(assets::programIcon().availableSizes().size(), 2);
        for (int shape = 1; shape <= 23; ++shape) {
            // Shape 8 has nothing below its body.
            const QSize size(70, shape == 8 ? 60 : 70);
            QCOMPARE(assets::edgeBitmap(shape).size(), size);
        }
        QVERIFY(!assets::backgroundTexture().isNull());
        for (const char *name : {"logo", "icona", "image1", "image2"})
            QVERIFY2(!assets::aboutPicture(QLatin1String(name)).isNull(), name);
    }

    // Pictures of a known format are decoded with Qt told the format: asked
    // to guess, Qt loads every picture plugin it has (and their libraries) at
    // the game's start.
    void assetsLoadNoPicturePluginButTheJpegOne()
    {
        for (assets::Icon icon : {assets::Icon::Clover, assets::Icon::Hourglass})
            QVERIFY(!assets::icon(icon).isNull());
        QVERIFY(!assets::programIcon().isNull());
        QVERIFY(!assets::edgeBitmap(1).isNull());
        QVERIFY(!assets::backgroundTexture().isNull());
        QVERIFY(!assets::aboutPicture(QStringLiteral("logo")).isNull());
        (void)assets::cursor(assets::Cursor::OpenHand);
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QStringList plugins;
        for (const QByteArray &line : maps.readAll().split('\n')) {
            const qsizetype at = line.indexOf("/imageformats/");
            if (at >= 0 && !plugins.contains(QString::fromLocal8Bit(line.mid(at + 14))))
                plugins << QString::fromLocal8Bit(line.mid(at + 14));
        }
        QCOMPARE(plugins, QStringList{QStringLiteral("libqjpeg.so")});
    }

    void textureTakesTheWindowColour()
    {
        // On grey the texture's black shows white and its white shows grey.
        const QColor grey(128, 128, 128);
        QImage texture(7, 5, QImage::Format_ARGB32);
        texture.fill(Qt::white);
        texture.setPixel(0, 0, qRgb(0, 0, 0));
        texture.setPixel(6, 4, qRgba(0, 0, 0, 0)); // a transparent pixel counts as white
        const QImage tile = background::tintedTile(texture, grey);
        QCOMPARE(tile.size(), texture.size());
        QCOMPARE(tile.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(tile.pixelColor(3, 2), grey);
        QCOMPARE(tile.pixelColor(6, 4), grey);
    }

    void cursorsCarryTheirHotSpots_data()
    {
        QTest::addColumn<assets::Cursor>("id");
        QTest::addColumn<QPoint>("hotSpot");
        QTest::addRow("open hand") << assets::Cursor::OpenHand << QPoint(16, 15);
        QTest::addRow("closed hand") << assets::Cursor::ClosedHand << QPoint(15, 17);
        QTest::addRow("pointing hand") << assets::Cursor::PointingHand << QPoint(6, 0);
    }
    void cursorsCarryTheirHotSpots()
    {
        QFETCH(assets::Cursor, id);
        QFETCH(QPoint, hotSpot);
        const QCursor cursor = assets::cursor(id);
        QCOMPARE(cursor.hotSpot(), hotSpot);
        // The spot that acts lies on the hand itself (the fingertip of the pointing hand).
        QCOMPARE(qAlpha(cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32).pixel(hotSpot)), 255);
    }

    void textureCoversTheWholeWindow()
    {
        GameFixture w;
        MainWindow *window = w.startCopy('0', QSize(800, 600), QSize(800, 600));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QColor grey(128, 128, 128);
        QCOMPARE(window->backgroundColour(), grey);
        // The window's own drawing, without the board, the panels and the
        // buttons on it.
        for (QGraphicsItem *item : window->view()->scene()->items())
            item->hide();
        const QImage back = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // (NOT texture) OR colour, the texture repeated from the corner; the
        // board's bevel lies over it.
        const QImage tex = assets::backgroundTexture().convertToFormat(QImage::Format_RGB32);
        const QRect bevel = window->toWindow(window->board()->sceneBoundingRect()).adjusted(-9, -9, 9, 9);
        for (int y = 0; y < back.height(); ++y)
            for (int x = 0; x < back.width(); ++x)
                if (!bevel.contains(x, y)
                    && back.pixel(x, y) != ((~tex.pixel(x % tex.width(), y % tex.height()) | grey.rgb()) | 0xff000000u))
                    QFAIL(qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
    }
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
