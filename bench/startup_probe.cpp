// Start-up probe: the game's own start-up on the real services, in a given
// folder, ending as soon as the picture is fitted on the board and the
// window has been painted; with --play it then chooses Easy and presses
// Play, and ends once the pieces are painted. Prints its peak resident
// memory. Timed from outside by run_startup.py, beside bare_window.
#include "ui/MainWindow.h"
#include "platform/RealServices.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

class ProbeFolders final : public platform::Folders
{
public:
    QString app;
    QString config;
    QString appDir() override { return app; }
    QString windowsDir() override { return config; }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_probe <folder with Matrix.* and Matrix.dat> [--play]\n");
        return 2;
    }
    QTemporaryDir config;
    ProbeFolders folders;
    folders.app = QString::fromLocal8Bit(argv[1]);
    folders.config = config.path();

    platform::RealServices real;
    platform::Services services = real.services();
    services.folders = &folders;

    if (!NewPuzzle::Main(services))
        return 1;
    QApplication::processEvents();
    if (argc > 2 && QByteArray(argv[2]) == "--play") {
        frmPuzzle *form = NewPuzzle::MainForm();
        form->optLevel[0]->click();
        form->cmdStart->click();
        QApplication::processEvents();
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("maxrss_kb %ld\n", usage.ru_maxrss);
    std::fflush(stdout);
    delete NewPuzzle::MainForm();
    return 0;
}
