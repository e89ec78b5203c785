// The 3-D edge of the pieces (edge bitmaps and the masked copy), the 3-D
// check box, and the bevels around the board and inside the panels.

#include "support/GameFixture.h"

#include "pieces/Tessere.h"
#include "resources/Resources.h"

#include <QFile>

namespace {

constexpr QRgb Red = 0xffff0000;

QRgb Grey(int g)
{
    return qRgb(g, g, g);
}

QImage Bitmap(int shape)
{
    return resources::LoadResBitmap(400 + shape).convertToFormat(QImage::Format_RGB32);
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
    void edgeBitmapsLightTheTopLeftAndShadeTheBottomRight_data()
    {
        QTest::addColumn<int>("shape");
        for (int s = 1; s <= Tessere::ShapeCount; ++s)
            QTest::addRow("%d", 400 + s) << s;
    }
    void edgeBitmapsLightTheTopLeftAndShadeTheBottomRight()
    {
        QFETCH(int, shape);
        // Sixteen-colour bitmaps, red where the picture shows through.
        QFile file(QStringLiteral(":/res/bitmaps/%1.bmp").arg(400 + shape));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(int(bytes.at(28)), 4); // bits per pixel
        QCOMPARE(resources::LoadResBitmap(400 + shape).size(), shape == 8 ? QSize(70, 60) : QSize(70, 70));

        const QImage bitmap = Bitmap(shape);
        const QRegion outline = Tessere::Outline(shape);
        auto outside = [&](int x, int y) { return !outline.contains(QPoint(x, y)); };
        int lit = 0, shaded = 0;
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x) {
                const QRgb px = bitmap.pixel(x, y);
                const QString at = QStringLiteral("(%1, %2)").arg(x).arg(y);
                if (outside(x, y)) {
                    QVERIFY2(px == Red, qPrintable(at));
                    continue;
                }
                const bool up = outside(x, y - 1), left = outside(x - 1, y);
                const bool down = outside(x, y + 1), right = outside(x + 1, y);
                if (!up && !left && !down && !right) {
                    // Inside, the line is at most two pixels wide.
                    if (!outside(x, y - 2) && !outside(x - 2, y) && !outside(x, y + 2) && !outside(x + 2, y))
                        QVERIFY2(px == Red, qPrintable(at));
                    continue;
                }
                QVERIFY2(px != Red, qPrintable(at));
                if ((up || left) && !down && !right) {
                    QVERIFY2(qGray(px) >= 192, qPrintable(at));
                    ++lit;
                }
                if ((down || right) && !up && !left) {
                    QVERIFY2(qGray(px) <= 128, qPrintable(at));
                    ++shaded;
                }
            }
        QVERIFY(lit > 40);
        QVERIFY(shaded > 40);
    }

    void edgeOverlayKeepsThePictureWhereTheBitmapIsRed()
    {
        GameFixture w;
        QVERIFY(w.startCopy());
        w.form->CutPieces(-1);
        for (int n = 1; n <= geometry::PieceCount; ++n) {
            const QImage bitmap = Bitmap(geometry::ShapeOfPiece(n));
            const QImage plain = PlainCut(n);
            const QImage cut = w.form->picTessera[n]->image();
            for (int y = 0; y < 70; ++y)
                for (int x = 0; x < 70; ++x) {
                    QRgb expected = plain.pixel(x, y);
                    if (y < bitmap.height() && bitmap.pixel(x, y) != Red)
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
        QCOMPARE(f.Effect3D, -1);
        const QList<QImage> shaded = PiecePictures(f);

        w.fakes.sound.played.clear();
        QTest::mouseClick(f.chk3D, Qt::LeftButton);
        QCOMPARE(f.Effect3D, 0);
        QCOMPARE(w.fakes.sound.played, QList<int>{207});
        QVERIFY(f.updatesEnabled());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(f.focusWidget(), f.picPuzzle);
        const QList<QImage> plain = PiecePictures(f);
        for (int n = 1; n <= geometry::PieceCount; ++n)
            QCOMPARE(plain[n - 1], PlainCut(n));

        QTest::mouseClick(f.chk3D, Qt::LeftButton);
        QCOMPARE(f.Effect3D, -1);
        QCOMPARE(PiecePictures(f), shaded);
    }

    void bevelHasNineRingsJustOutsideTheControl_data()
    {
        QTest::addColumn<bool>("sunken");
        QTest::newRow("raised") << false;
        QTest::newRow("sunken") << true;
    }
    void bevelHasNineRingsJustOutsideTheControl()
    {
        QFETCH(bool, sunken);
        GameFixture w;
        QVERIFY(w.startCopy('1', QSize(800, 600), QSize(800, 600)));
        frmPuzzle &f = *w.form;
        const QColor blank(0, 0, 255);
        f.setBackColor(blank);
        f.DrawBevel(f.picPuzzle, sunken);

        const QImage img = f.backSurface().image();
        const int L = f.picPuzzle->x(), T = f.picPuzzle->y();
        const int W = f.picPuzzle->width(), H = f.picPuzzle->height();
        for (int k = 0; k <= 9; ++k) {
            QRgb lower = Grey(sunken ? 140 + 10 * k : 140 - 10 * k);
            QRgb upper = Grey(sunken ? 140 - 10 * k : 140 + 10 * k);
            if (k == 0) // the closing rectangle lies on ring 0 in the last colour
                lower = upper = Grey(sunken ? 60 : 220);
            if (k == 9) // nothing beyond the ninth ring
                lower = upper = blank.rgb();
            const QString ring = QStringLiteral("ring %1").arg(k);
            QVERIFY2(img.pixel(L + W + k, T + H / 2) == lower, qPrintable(ring));
            QVERIFY2(img.pixel(L + W / 2, T + H + k) == lower, qPrintable(ring));
            QVERIFY2(img.pixel(L - k - 1, T + H / 2) == upper, qPrintable(ring));
            QVERIFY2(img.pixel(L + W / 2, T - k - 1) == upper, qPrintable(ring));
            if (k > 0 && k < 9) {
                // Top right belongs to the right side, bottom left to the left.
                QVERIFY2(img.pixel(L + W + k, T - k - 1) == lower, qPrintable(ring));
                QVERIFY2(img.pixel(L - k - 1, T + H + k) == upper, qPrintable(ring));
            }
        }
        QCOMPARE(img.pixel(L, T + H / 2), blank.rgb());
    }

    void frameRingsLieInsideTheBoxButTheLastOnlyAtTheBottom_data()
    {
        QTest::addColumn<int>("depth");
        QTest::newRow("0") << 0;
        QTest::newRow("8") << 8;
    }
    void frameRingsLieInsideTheBoxButTheLastOnlyAtTheBottom()
    {
        QFETCH(int, depth);
        const int N = depth, W = 100, H = 50;
        GameFixture w;
        QVERIFY(w.startCopy());
        PictureBox box(w.form);
        box.resize(W, H);
        box.setBackColor(Qt::white);
        w.form->DrawFrame3D(&box, N);
        const QImage img = box.image();
        const QRgb white = qRgb(255, 255, 255);

        // The outermost ring shows only on the last row, in its darker grey.
        for (int x = 0; x < W; ++x)
            QCOMPARE(img.pixel(x, H - 1), Grey(160 - 10 * N));
        for (int k = 0; k < N; ++k) {
            QCOMPARE(img.pixel(W - N + k, H / 2), Grey(160 - 10 * k));
            QCOMPARE(img.pixel(W / 2, H - N + k - 1), Grey(160 - 10 * k));
            QCOMPARE(img.pixel(N - k - 1, H / 2), Grey(160 + 10 * k));
            QCOMPARE(img.pixel(W / 2, N - k - 1), Grey(160 + 10 * k));
        }
        QCOMPARE(img.pixel(W / 2, H / 2), white);
        if (N == 0) {
            for (int y = 0; y < H - 1; ++y)
                for (int x = 0; x < W; ++x)
                    QCOMPARE(img.pixel(x, y), white);
        }
    }
};

QTEST_MAIN(TestEdges)
#include "tst_edges.moc"
