// Times the start of a game (cut and shade 36 pieces, lay the guide, show
// the pieces) and a switch of the 3-D edge, on the offscreen platform with
// fake system services. Prints the median of many runs of each, beside a
// bare Qt window of the same size showing 36 pictures, timed in the same run.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_board [runs]

#include "PaintCounter.h"
#include "game/Puzzle.h"
#include "game/SceneScale.h"
#include "support/GameFixture.h"
#include "ui/MainWindow.h"
#include "ui/PieceArt.h"
#include "ui/BoardItem.h"
#include "ui/PieceItem.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <array>
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

double MedianMs(int runs, const std::function<void()> &before, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        before();
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A square showing a picture: the yardstick's stand-in for a piece.
class PictureWidget final : public QWidget
{
public:
    using QWidget::QWidget;
    QImage picture;

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawImage(0, 0, picture); }
};

PaintCounter *g_paints = nullptr;

// Lets events run until the window has been repainted.
void UntilRepainted()
{
    const int before = g_paints->paints;
    QElapsedTimer t;
    t.start();
    while (g_paints->paints == before && t.elapsed() < 500)
        QCoreApplication::processEvents();
}

// Back to the start screen without timing it: the player gives up.
void BackToStart(MainWindow &window)
{
    window.game().giveUp();
    QCoreApplication::processEvents();
}

// Cuts the 36 piece pictures afresh and hands them to the pieces, as Play
// and the edge switch do.
void CutPieces(MainWindow &window, bool withEdge)
{
    const QImage &picture = window.board()->puzzlePicture();
    const double deviceScale = window.board()->deviceScale();
    const QPoint board = window.board()->pos().toPoint();
    for (int n = 1; n <= puzzle::PieceCount; ++n)
        window.piece(n)->setImage(pieceart::pieceImage(picture, n, withEdge, deviceScale, board));
}

} // namespace

int main(int argc, char *argv[])
{
    // Repaint at the next turn of the event loop rather than after the
    // platform's 5 ms idle time, so that a repaint is timed as work.
    qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    QApplication app(argc, argv);
    PaintCounter paints;
    g_paints = &paints;
    app.installEventFilter(&paints);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 101;

    GameFixture fixture;
    if (!fixture.startCopy('1', BenchWindow(), BenchWindow()))
        return 1;
    MainWindow &f = *fixture.window;
    QCoreApplication::processEvents();
    QPushButton *play = fixture.button("play");
    QPushButton *edge = fixture.button("edgeSwitch");

    // The yardstick, in the same run: a bare window of the same size with
    // 36 plain 77 x 77 children; each gets a 70 x 70 picture cut from the
    // same 360 x 360 image and is shown (what Play does, without outlines,
    // edges or guide). In a larger window all of it is at the scene's scale,
    // as the game's pieces are.
    const double scale = scene::scaleFor(f.size());
    const auto px = [scale](int design) { return scene::devicePixel(design, scale); };
    QWidget bare;
    bare.resize(f.size());
    std::array<PictureWidget *, puzzle::PieceCount> squares{};
    for (int i = 0; i < puzzle::PieceCount; ++i) {
        squares[size_t(i)] = new PictureWidget(&bare);
        squares[size_t(i)]->setGeometry(px((i % 9) * 80), px((i / 9) * 80), px(77), px(77));
        squares[size_t(i)]->hide();
    }
    bare.show();
    QCoreApplication::processEvents();
    const QImage source = f.board()->puzzlePicture();
    const auto hideSquares = [&] {
        for (PictureWidget *w : squares)
            w->hide();
        QCoreApplication::processEvents();
    };
    const auto showSquares = [&] {
        for (int i = 0; i < puzzle::PieceCount; ++i) {
            squares[size_t(i)]->picture =
                source.copy(px((i % 6) * 60), px((i / 6) * 60), px(70), px(70));
            squares[size_t(i)]->show();
        }
    };
    const double bareShow = MedianMs(runs, hideSquares, showSquares);
    const double barePainted = MedianMs(runs, hideSquares, [&] {
        showSquares();
        UntilRepainted();
    });

    std::printf("board benchmark, %d runs each, median, offscreen, window %dx%d\n", runs,
                f.width(), f.height());
    std::printf("  %-44s %9s %8s\n", "", "ms", "x bare");
    const auto row = [](const char *name, double ms, double yard) {
        std::printf("  %-44s %9.3f %8.1f\n", name, ms, ms / yard);
    };
    row("bare Qt window: 36 pictures cut and shown", bareShow, bareShow);
    row("bare Qt window: the same, window repainted", barePainted, barePainted);

    // The first Play of a session also makes the 36 pieces (widgets,
    // outlines, cursors): the start screen leaves them for later. Timed on
    // fresh windows, one Play each.
    std::vector<double> firstPlays, firstPlaysPainted;
    for (int i = 0; i < std::min(runs, 21); ++i) {
        for (const bool painted : {false, true}) {
            GameFixture fresh;
            if (!fresh.startCopy('1', BenchWindow(), BenchWindow()))
                return 1;
            fresh.levelButton(0)->click();
            QCoreApplication::processEvents();
            QElapsedTimer t;
            t.start();
            fresh.button("play")->click();
            if (painted)
                UntilRepainted();
            (painted ? firstPlaysPainted : firstPlays).push_back(double(t.nsecsElapsed()) / 1e6);
        }
    }
    std::sort(firstPlays.begin(), firstPlays.end());
    std::sort(firstPlaysPainted.begin(), firstPlaysPainted.end());
    row("first Play of a session (36 pieces made)", firstPlays[firstPlays.size() / 2], bareShow);
    row("first Play, window repainted", firstPlaysPainted[firstPlaysPainted.size() / 2], barePainted);

    const char *names[3] = {"Play, easy      (cut + shade 36, guide, show)",
                            "Play, medium    (cut + shade 36, guide, show)",
                            "Play, difficult (cut + shade 36, guide, show)"};
    for (int level = 0; level < 3; ++level) {
        fixture.levelButton(level)->click();
        const double ms = MedianMs(runs, [&] { BackToStart(f); }, [&] { play->click(); });
        row(names[level], ms, bareShow);
    }
    const double playPainted = MedianMs(runs, [&] { BackToStart(f); }, [&] {
        play->click();
        UntilRepainted();
    });
    row("Play, difficult, window repainted", playPainted, barePainted);

    // Both directions of the 3-D switch, during a game.
    BackToStart(f);
    play->click();
    QCoreApplication::processEvents();
    const auto switchTo = [edge](bool on) {
        return [edge, on] {
            if (edge->isChecked() != on)
                edge->click();
            QCoreApplication::processEvents();
        };
    };
    const auto toggle = [edge] { edge->click(); };
    const double off = MedianMs(runs, switchTo(true), toggle);
    const double on = MedianMs(runs, switchTo(false), toggle);
    const double onPainted = MedianMs(runs, switchTo(false), [&] {
        toggle();
        UntilRepainted();
    });
    row("3-D off (re-cut 36 plain)", off, bareShow);
    row("3-D on  (re-cut and shade 36)", on, bareShow);
    row("3-D on, window repainted", onPainted, barePainted);

    const double cutShaded = MedianMs(runs, [] {}, [&] { CutPieces(f, true); });
    const double cutPlain = MedianMs(runs, [] {}, [&] { CutPieces(f, false); });
    row("36 pieces cut with edge", cutShaded, bareShow);
    row("36 pieces cut plain", cutPlain, bareShow);
    return 0;
}
