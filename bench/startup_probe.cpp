// Start-up probe: the game's own start-up on the real services, in a given
// folder, ending as soon as the picture is fitted on the board and the
// window has been painted; with --play it then chooses Easy and presses
// Play, and ends once the pieces are painted. Prints its peak resident
// memory. Timed from outside by run_startup.py, beside bare_window.
#include "platform/RealServices.h"
#include "ui/MainWindow.h"
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
    QString configDir() override { return config; }
};

// A message the game would show (it cannot start) goes to the error output,
// so that the probe never waits for a click.
class ProbeMessages final : public platform::MessageBoxes
{
public:
    void show(QWidget *, const QString &text, platform::MessageIcon, const QString &) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
};

// The game asks to end when it cannot start: the probe then ends too.
class ProbeEnd final : public platform::ProgramEnd
{
public:
    bool asked = false;
    void quit() override { asked = true; }
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
    ProbeMessages messages;
    ProbeEnd end;

    platform::RealServices real;
    platform::Services services = real.services();
    services.folders = &folders;
    services.messages = &messages;
    services.end = &end;

    std::unique_ptr<MainWindow> window = startup::start(services);
    if (!window)
        return 1;
    // The picture is decoded on a thread of its own: the start screen is
    // complete once it is on the board.
    while (!window->pictureReady() && !end.asked)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (end.asked)
        return 1;
    QApplication::processEvents();
    if (argc > 2 && QByteArray(argv[2]) == "--play") {
        window->findChild<QRadioButton *>(QStringLiteral("level0"))->click();
        window->findChild<QPushButton *>(QStringLiteral("play"))->click();
        QApplication::processEvents();
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("maxrss_kb %ld\n", usage.ru_maxrss);
    std::fflush(stdout);
    return 0;
}
