// Times the start of a game (cut and shade 36 pieces, lay the guide, show
// the pieces) and a switch of the 3-D edge, on the offscreen platform with
// fake system services. Prints the median of many runs of each.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_board [runs]

#include "main_window/frmPuzzle.h"
#include "pieces/Geometry.h"
#include "startup/NewPuzzle.h"
#include "support/FakeServices.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

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

// Back to the start screen without timing it.
void BackToStart(frmPuzzle &f)
{
    f.Timer1->stop();
    for (int i = 1; i <= geometry::PieceCount; ++i) {
        f.picTessera[i]->hide();
        f.picTessera[i]->setEnabled(true);
    }
    f.picDisplay->hide();
    f.picProgress->hide();
    f.picStart->show();
    f.picMessaggio->show();
    f.picPuzzle->cls();
    f.FitPicture();
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 101;

    FakeServices fakes;
    TestFolder folder;
    fakes.screen.size = QSize(1024, 768);
    fakes.folders.app = folder.appDir();
    fakes.folders.windows = folder.configDir();
    folder.writePicture(QStringLiteral("Matrix.jpg"), TestFolder::cellPicture());
    folder.write(QStringLiteral("Matrix.dat"), "1Benchmark\r\n");
    if (!NewPuzzle::Main(fakes.services()))
        return 1;
    frmPuzzle &f = *NewPuzzle::MainForm();
    QCoreApplication::processEvents();

    std::printf("board benchmark, %d runs each, median in ms (target < 10)\n", runs);
    const char *names[3] = {"easy", "medium", "difficult"};
    for (int level = 0; level < 3; ++level) {
        f.optLevel[level]->click();
        const double ms = MedianMs(runs, [&] { BackToStart(f); }, [&] { f.cmdStart_Click(); });
        std::printf("  Play, %-10s (cut + shade 36, guide, show): %7.3f\n", names[level], ms);
    }

    // Both directions of the 3-D switch, during a game.
    BackToStart(f);
    f.cmdStart_Click();
    QCoreApplication::processEvents();
    const auto switchTo = [&](bool on) {
        return [&f, on] {
            if (f.chk3D->isChecked() != on)
                f.chk3D->click();
            QCoreApplication::processEvents();
        };
    };
    const auto toggle = [&f] { f.chk3D->click(); };
    const double off = MedianMs(runs, switchTo(true), toggle);
    const double on = MedianMs(runs, switchTo(false), toggle);
    const double onPainted = MedianMs(runs, switchTo(false), [&] {
        toggle();
        QCoreApplication::processEvents();
    });
    std::printf("  3-D off (re-cut 36 plain)                 : %7.3f\n", off);
    std::printf("  3-D on  (re-cut and shade 36)             : %7.3f\n", on);
    std::printf("  3-D on, window repainted                  : %7.3f\n", onPainted);

    const double cutShaded = MedianMs(runs, [] {}, [&] { f.CutPieces(-1); });
    const double cutPlain = MedianMs(runs, [] {}, [&] { f.CutPieces(0); });
    std::printf("  CutPieces with edge                       : %7.3f\n", cutShaded);
    std::printf("  CutPieces plain                           : %7.3f\n", cutPlain);
    delete &f;
    return 0;
}
