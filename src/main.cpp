#include "assets/Assets.h"
#include "platform/AudioOutput.h"
#include "platform/RealServices.h"
#include "ui/MainWindow.h"
#include "ui/Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quadrifoglio 3D"));
    QApplication::setApplicationVersion(QStringLiteral(QUADRIFOGLIO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("quadrifoglio"));
    // Every window of the game, the secondary ones included, carries the clover.
    QApplication::setWindowIcon(assets::programIcon());

    int code = 0;
    {
        platform::RealServices services;
        // The window lives until the event loop is over, so that nothing it
        // started outlives it unawares.
        // --window: a normal window among the others instead of the whole screen.
        const auto mode = QCoreApplication::arguments().contains(QStringLiteral("--window"))
                              ? MainWindow::WindowMode::Normal
                              : MainWindow::WindowMode::Maximized;
        std::unique_ptr<MainWindow> window = startup::start(services.services(), mode);
        if (window)
            code = app.exec();
    }
    return platform::finishProgram(code);
}
