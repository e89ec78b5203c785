// Times one step of dragging a piece: a mouse move through the window (the
// real path: hit-test through the masks, the grab, the handler moving the
// piece) and the repaint it causes, on the offscreen platform with fake
// system services. Beside it, the same steps dragging a plain piece-sized widget
// in a bare Qt window of the same size: the yardstick. Prints medians.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_drag [steps]

#include "PaintCounter.h"
#include "game/Puzzle.h"
#include "game/SceneScale.h"
#include "support/GameFixture.h"
#include "ui/MainWindow.h"
#include "ui/PieceItem.h"
#include "ui/SceneView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The window's inside: BENCH_WINDOW=3840x2160 times the scene at that size
// (the scene grows with the window); by default the classic 1024 x 768.
QSize BenchWindow()
{
    const QStringList parts = qEnvironmentVariable("BENCH_WINDOW", QStringLiteral("1024x768")).split(u'x');
    return parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize(1024, 768);
}

// The yardstick's piece: a square that follows the mouse while held, plain
// or showing a picture.
class PlainPiece final : public QWidget
{
public:
    using QWidget::QWidget;
    QImage picture;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!picture.isNull())
            QPainter(this).drawImage(0, 0, picture);
    }
    void mousePressEvent(QMouseEvent *e) override { m_grab = e->position().toPoint(); }
    void mouseMoveEvent(QMouseEvent *e) override
    {
        if (e->buttons() & Qt::LeftButton)
            move(pos() + e->position().toPoint() - m_grab);
    }

private:
    QPoint m_grab;
};

struct Figures
{
    double median = 0, p90 = 0, max = 0;
    double paintsPerStep = 0;
    int moves = 0; // steps after which the dragged widget stood somewhere new
};

// Presses at `from`, then takes `steps` mouse steps along a loop around
// `centre`, each followed by the repaint; times each step.
Figures DragSteps(QWindow *window, const std::function<QPointF()> &where, QPoint from, QPoint centre, int steps,
                  PaintCounter &counter)
{
    int moves = 0;
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QCoreApplication::processEvents();
    const auto at = [&](int k) {
        const double a = 2 * M_PI * k / 240.0;
        return centre + QPoint(int(std::lround(150 * std::cos(a))), int(std::lround(110 * std::sin(2 * a))));
    };
    // From the press point onto the loop, untimed.
    for (int k = 1; k <= 20; ++k) {
        QTest::mouseMove(window, from + (at(0) - from) * k / 20);
        QCoreApplication::processEvents();
    }
    std::vector<double> times;
    counter.paints = 0;
    for (int k = 0; k < steps; ++k) {
        const QPoint p = at(k + 1);
        const int before = counter.paints;
        QElapsedTimer t;
        t.start();
        const QPointF was = where();
        QTest::mouseMove(window, p);
        // The step ends when the window has been repainted (one update pass
        // paints every widget the move uncovered or covered).
        while (counter.paints == before && t.elapsed() < 200)
            QCoreApplication::processEvents();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
        moves += where() != was;
    }
    const int paints = counter.paints;
    // Let go where it was picked up, untimed: a piece dropped on its own
    // cell would stay there.
    for (int k = 1; k <= 20; ++k) {
        QTest::mouseMove(window, at(steps) + (from - at(steps)) * k / 20);
        QCoreApplication::processEvents();
    }
    QTest::mouseRelease(window, Qt::LeftButton, {}, from);
    QCoreApplication::processEvents();

    std::sort(times.begin(), times.end());
    Figures f;
    f.median = times[times.size() / 2];
    f.p90 = times[size_t(0.9 * double(times.size()))];
    f.max = times.back();
    f.paintsPerStep = double(paints) / steps;
    f.moves = moves;
    return f;
}

// Each step's median beside the two yardsticks': the plain square and the
// square picture.
void Print(const char *name, const Figures &f, double plain, double picture)
{
    std::printf("  %-40s %8.3f %8.3f %8.3f %7.2f %7.2f %6.2f %6d\n", name, f.median, f.p90, f.max,
                f.median / plain, f.median / picture, f.paintsPerStep, f.moves);
}

} // namespace

int main(int argc, char *argv[])
{
    // Repaint at the next turn of the event loop rather than after the
    // platform's 5 ms idle time, so that a step's time is its own work.
    qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    QApplication app(argc, argv);
    const int steps = argc > 1 ? std::max(10, atoi(argv[1])) : 2000;

    // The game, started on a picture in a throw-away folder, Easy level,
    // pieces cut with their 3-D edge.
    GameFixture fixture;
    if (!fixture.startCopy('1', BenchWindow(), BenchWindow()))
        return 1;
    MainWindow &game = *fixture.window;
    QCoreApplication::processEvents();
    fixture.levelButton(0)->click();
    fixture.button("play")->click();
    QCoreApplication::processEvents();
    const QSize size = game.size();

    // The yardstick: a bare window of the same size with one plain square,
    // as large as a piece at the scene's scale.
    const double scale = scene::scaleFor(size);
    const auto px = [scale](int design) { return scene::devicePixel(design, scale); };
    const int side = px(puzzle::PieceWidgetSize);
    QWidget bare;
    bare.resize(size);
    bare.setAutoFillBackground(true);
    auto *plain = new PlainPiece(&bare);
    plain->setAutoFillBackground(true);
    plain->setPalette(QPalette(Qt::darkGreen));
    plain->setGeometry(px(40), px(40), side, side);
    // The second yardstick: a square picture of a piece's size, as a piece
    // is drawn but without its outline.
    auto *picture = new PlainPiece(&bare);
    picture->picture = TestFolder::cellPicture(QSize(side, side));
    picture->setGeometry(px(140), px(40), side, side);
    // The third: a picture under a mask, as a piece is drawn but with an
    // outline that is only an ellipse.
    auto *masked = new PlainPiece(&bare);
    masked->picture = TestFolder::cellPicture(QSize(side, side));
    masked->setGeometry(px(40), px(140), side, side);
    masked->setMask(QRegion(0, 0, px(70), px(70), QRegion::Ellipse));
    bare.show();
    QCoreApplication::processEvents();

    const QPoint centre(size.width() / 2, size.height() / 2);
    std::printf("drag benchmark: one mouse step (event + move + repaint), %d steps, offscreen, "
                "window %dx%d\n", steps, size.width(), size.height());
    std::printf("  %-40s %8s %8s %8s %7s %7s %6s %6s\n", "", "median", "p90", "max", "x bare", "x bare", "paints",
                "moved");
    std::printf("  %-40s %8s %8s %8s %7s %7s %6s %6s\n", "", "ms", "ms", "ms", "square", "picture", "/step", "steps");

    PaintCounter counter;
    app.installEventFilter(&counter);
    const auto posOf = [](const QWidget *widget) { return [widget] { return QPointF(widget->pos()); }; };
    const Figures yard = DragSteps(bare.windowHandle(), posOf(plain), plain->pos() + QPoint(side / 2, side / 2), centre, steps,
                                   counter);
    const Figures yardPicture = DragSteps(bare.windowHandle(), posOf(picture), picture->pos() + QPoint(side / 2, side / 2),
                                          centre, steps, counter);
    const double plainStep = yard.median;
    const double pictureStep = yardPicture.median;
    Print("bare Qt window, plain square", yard, plainStep, pictureStep);
    Print("bare Qt window, square picture", yardPicture, plainStep, pictureStep);
    const Figures yardMasked = DragSteps(bare.windowHandle(), posOf(masked), masked->pos() + QPoint(px(35), px(35)),
                                         centre, steps, counter);
    Print("bare Qt window, masked square picture", yardMasked, plainStep, pictureStep);

    // Drag piece 15 (a middle piece with tabs on all sides) with its edge,
    // then piece 16 after switching the edge off.
    for (int round = 0; round < 2; ++round) {
        const int index = round == 0 ? 15 : 16;
        if (round == 1) {
            fixture.button("edgeSwitch")->click();
            QCoreApplication::processEvents();
        }
        PieceItem *piece = game.piece(index);
        const QPoint grip = game.toWindow(piece->pos() + fixture.grip(index));
        const Figures f = DragSteps(game.windowHandle(), [piece] { return piece->pos(); }, grip, centre, steps, counter);
        Print(round == 0 ? "game, piece 15 with 3-D edge" : "game, piece 16 plain (3-D off)", f, plainStep,
              pictureStep);
    }

    // Where the time goes: the same drag with the other 35 pieces hidden.
    for (int n = 1; n <= puzzle::PieceCount; ++n)
        game.piece(n)->setVisible(n == 15);
    QCoreApplication::processEvents();
    {
        PieceItem *piece = game.piece(15);
        const QPoint grip = game.toWindow(piece->pos() + fixture.grip(15));
        Print("game, piece 15 alone (35 others hidden)",
              DragSteps(game.windowHandle(), [piece] { return piece->pos(); }, grip, centre, steps, counter), plainStep,
              pictureStep);
    }

    // The yardstick again, to see that the machine did not change pace.
    plain->move(40, 40);
    plain->raise();
    QCoreApplication::processEvents();
    const Figures again = DragSteps(bare.windowHandle(), posOf(plain), plain->pos() + QPoint(side / 2, side / 2), centre, steps,
                                    counter);
    Print("bare Qt window again", again, plainStep, pictureStep);
    return 0;
}
