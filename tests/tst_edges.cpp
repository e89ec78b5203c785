// The 3-D edge of the pieces, the 3-D check box, and the bevels around the
// board and inside the panels.

#include "support/GameFixture.h"

#include "assets/Assets.h"

namespace {

QRgb Grey(int g)
{
    return qRgb(g, g, g);
}

QList<QImage> PiecePictures(const frmPuzzle &form)
{
    QList<QImage> pictures;
    for (int i = 1; i <= geometry::PieceCount; ++i)
        pictures << form.picTessera[i]->image().copy(0, 0, 70, 70);
    return pictures;
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
        w.form->CutPieces(-1);
        for (int n = 1; n <= geometry::PieceCount; ++n) {
            const QImage bitmap = resources::LoadResBitmap(400 + geometry::ShapeOfPiece(n))
                                      .convertToFormat(QImage::Format_RGB32);
            const QImage plain = PlainCut(n);
            const QImage cut = w.form->picTessera[n]->image();
            for (int y = 0; y < 70; ++y)
                for (int x = 0; x < 70; ++x) {
                    QRgb expected = plain.pixel(x, y);
                    if (y < bitmap.height() && bitmap.pixel(x, y) != 0xffff0000)
                        expected = bitmap.pixel(x, y);
                    QVERIFY2(cut.pixel(x, y) == expected,
                             qPrintable(QStringLiteral("piece %1 (%2, %3)").arg(n).arg(x).arg(y)));
                }
        }
    }

    void toggling3DTwiceGivesTheSamePictures()
    {
        GameFixture w;
        QVERIFY(w.startCopy('1', QSize(800, 600), QSize(800, 600)));
        frmPuzzle &f = *w.form;
        StartGame(w.form, 1);
        const QList<QImage> shaded = PiecePictures(f);
        QTest::mouseClick(f.chk3D, Qt::LeftButton);
        QCOMPARE(f.Effect3D, 0);
        const QList<QImage> plain = PiecePictures(f);
        for (int n = 1; n <= geometry::PieceCount; ++n)
            QCOMPARE(plain[n - 1], PlainCut(n));
        QTest::mouseClick(f.chk3D, Qt::LeftButton);
        QCOMPARE(f.Effect3D, -1);
        QCOMPARE(PiecePictures(f), shaded);
    }

    void sunkenBevelHasNineRingsJustOutsideTheControl()
    {
        GameFixture w;
        QVERIFY(w.startCopy('1', QSize(800, 600), QSize(800, 600)));
        frmPuzzle &f = *w.form;
        const QRgb blank = qRgb(0, 0, 255);
        f.setBackColor(blank);
        f.DrawBevel(f.picPuzzle, true);
        const QImage img = f.backSurface().image();
        const int L = f.picPuzzle->x(), T = f.picPuzzle->y();
        const int W = f.picPuzzle->width(), H = f.picPuzzle->height();
        for (int k = 0; k <= 9; ++k) {
            // The closing rectangle lies on ring 0 in the last colour; nothing
            // beyond the ninth ring.
            const QRgb lower = k == 0 ? Grey(60) : k == 9 ? blank : Grey(140 + 10 * k);
            const QRgb upper = k == 0 ? Grey(60) : k == 9 ? blank : Grey(140 - 10 * k);
            const QString ring = QStringLiteral("ring %1").arg(k);
            QVERIFY2(img.pixel(L + W + k, T + H / 2) == lower, qPrintable(ring));
            QVERIFY2(img.pixel(L - k - 1, T + H / 2) == upper, qPrintable(ring));
            if (k > 0 && k < 9) {
                // Top right belongs to the right side, bottom left to the left.
                QVERIFY2(img.pixel(L + W + k, T - k - 1) == lower, qPrintable(ring));
                QVERIFY2(img.pixel(L - k - 1, T + H + k) == upper, qPrintable(ring));
            }
        }
        QCOMPARE(img.pixel(L, T + H / 2), blank);
    }

    void frameRingsLieInsideTheBoxButTheLastOnlyAtTheBottom()
    {
        const int N = 8, W = 100, H = 50;
        GameFixture w;
        QVERIFY(w.startCopy());
        PictureBox box(w.form);
        box.resize(W, H);
        box.setBackColor(Qt::white);
        w.form->DrawFrame3D(&box, N);
        const QImage img = box.image();
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
