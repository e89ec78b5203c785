// The 3-D edge of the pieces, the edge switch, and the bevels around the
// board and inside the panels.

#include "support/GameFixture.h"

#include "assets/Assets.h"
#include "game/Outlines.h"
#include "ui/Background.h"
#include "ui/PieceArt.h"

#include <QPainter>

namespace {

QRgb Grey(int g)
{
    return qRgb(g, g, g);
}

// A piece's square as the scene shows it on black: black beyond its outline.
QImage OnBlack(const QImage &square, int n)
{
    QImage shown(square.size(), QImage::Format_RGB32);
    shown.fill(Qt::black);
    QPainter p(&shown);
    p.setClipRegion(outlines::outline(puzzle::shapeOf(n)));
    p.drawImage(0, 0, square);
    return shown;
}

QList<QImage> PiecePictures(const GameFixture &w)
{
    QList<QImage> pictures;
    for (int n = 1; n <= puzzle::PieceCount; ++n)
        pictures << OnBlack(w.piece(n)->image(), n);
    return pictures;
}

QImage Blank(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestEdges : public QObject
{
    Q_OBJECT

private slots:
    void edgeOverlayKeepsThePictureWhereTheBitmapIsRed()
    {
        GameFixture w;
        QVERIFY(w.startCopy());
        w.makePieces();
        // The pieces start with their edge.
        QVERIFY(w.button("edgeSwitch")->isChecked());
        for (int n = 1; n <= puzzle::PieceCount; ++n) {
            const QImage bitmap = assets::edgeBitmap(puzzle::shapeOf(n)).convertToFormat(QImage::Format_RGB32);
            QVERIFY2(!bitmap.isNull(), qPrintable(QStringLiteral("shape %1").arg(puzzle::shapeOf(n))));
            const QImage plain = PlainCut(n);
            const QImage cut = w.piece(n)->image();
            const QRegion outline = outlines::outline(puzzle::shapeOf(n));
            for (int y = 0; y < 70; ++y)
                for (int x = 0; x < 70; ++x) {
                    QRgb expected = plain.pixel(x, y);
                    if (y < bitmap.height() && bitmap.pixel(x, y) != pieceart::EdgeTransparent)
                        expected = bitmap.pixel(x, y);
                    // Beyond the outline the picture is transparent.
                    if (!outline.contains(QPoint(x, y)))
                        expected = 0;
                    QVERIFY2(cut.pixel(x, y) == expected,
                             qPrintable(QStringLiteral("piece %1 (%2, %3)").arg(n).arg(x).arg(y)));
                }
        }
    }

    void switchingTheEdgeOffAndOnGivesTheSamePictures()
    {
        GameFixture w;
        QVERIFY(w.startCopy('1', QSize(800, 600), QSize(800, 600)));
        w.startGame(1);
        QPushButton *edge = w.button("edgeSwitch");
        const QList<QImage> shaded = PiecePictures(w);
        QTest::mouseClick(edge, Qt::LeftButton);
        QVERIFY(!edge->isChecked());
        const QList<QImage> plain = PiecePictures(w);
        for (int n = 1; n <= puzzle::PieceCount; ++n)
            QCOMPARE(plain[n - 1], OnBlack(PlainCut(n), n));
        QTest::mouseClick(edge, Qt::LeftButton);
        QVERIFY(edge->isChecked());
        QCOMPARE(PiecePictures(w), shaded);
    }

    void bevelHasNineRingsJustOutsideTheBoard_data()
    {
        QTest::addColumn<bool>("sunken");
        QTest::addColumn<int>("step");  // from ring to ring on the right and bottom sides
        QTest::addColumn<int>("frame"); // the closing rectangle on ring 0
        QTest::newRow("sunken during a game") << true << 10 << 60;
        QTest::newRow("raised on the start screen") << false << -10 << 220;
    }
    void bevelHasNineRingsJustOutsideTheBoard()
    {
        QFETCH(bool, sunken);
        QFETCH(int, step);
        QFETCH(int, frame);
        const QRgb blank = qRgb(0, 0, 255);
        const int L = 20, T = 15, W = 60, H = 40;
        QImage img = Blank(QSize(L + W + 20, T + H + 20), QColor(blank));
        QPainter p(&img);
        background::paintBevel(p, QRect(L, T, W, H), sunken);
        p.end();
        for (int k = 0; k <= 9; ++k) {
            // The closing rectangle lies on ring 0 in the last colour; nothing
            // beyond the ninth ring.
            const QRgb lower = k == 0 ? Grey(frame) : k == 9 ? blank : Grey(140 + step * k);
            const QRgb upper = k == 0 ? Grey(frame) : k == 9 ? blank : Grey(140 - step * k);
            const QString ring = QStringLiteral("ring %1").arg(k);
            QVERIFY2(img.pixel(L + W + k, T + H / 2) == lower, qPrintable(ring));
            QVERIFY2(img.pixel(W / 2 + L, T + H + k) == lower, qPrintable(ring));
            QVERIFY2(img.pixel(L - k - 1, T + H / 2) == upper, qPrintable(ring));
            QVERIFY2(img.pixel(W / 2 + L, T - k - 1) == upper, qPrintable(ring));
            if (k > 0 && k < 9) {
                // Top right belongs to the right side, bottom left to the left.
                QVERIFY2(img.pixel(L + W + k, T - k - 1) == lower, qPrintable(ring));
                QVERIFY2(img.pixel(L - k - 1, T + H + k) == upper, qPrintable(ring));
            }
        }
        // The board itself is left alone.
        QCOMPARE(img.pixel(L, T + H / 2), blank);
        QCOMPARE(img.pixel(L + W - 1, T + H - 1), blank);
    }

    void frameRingsLieInsideThePanelButTheLastOnlyAtTheBottom()
    {
        const int N = 8, W = 100, H = 50;
        QImage img = Blank(QSize(W, H), Qt::white);
        QPainter p(&img);
        background::paintPanelFrame(p, QSize(W, H), N);
        p.end();
        for (int x = 0; x < W; ++x)
            QCOMPARE(img.pixel(x, H - 1), Grey(160 - 10 * N));
        for (int k = 0; k < N; ++k) {
            QCOMPARE(img.pixel(W - N + k, H / 2), Grey(160 - 10 * k));
            QCOMPARE(img.pixel(W / 2, H - N + k - 1), Grey(160 - 10 * k));
            QCOMPARE(img.pixel(N - k - 1, H / 2), Grey(160 + 10 * k));
            QCOMPARE(img.pixel(W / 2, N - k - 1), Grey(160 + 10 * k));
        }
        QCOMPARE(img.pixel(W / 2, H / 2), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(TestEdges)
#include "tst_edges.moc"
