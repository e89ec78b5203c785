#include "ui/MainWindow.h"
#include "platform/AudioOutput.h"
#include "platform/RealServices.h"
#include "assets/Assets.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quadrifoglio 3D"));
    QApplication::setApplicationVersion(QStringLiteral(QUADRIFOGLIO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("quadrifoglio"));
    // Every window of the game, the secondary ones included, carries the clover.
    QApplication::setWindowIcon(resources::ProgramIcon());

    int code = 0;
    {
        platform::RealServices services;
        if (NewPuzzle::Main(services.services()))
            code = app.exec();
        delete NewPuzzle::MainForm();
    }
    return platform::FinishProgram(code);
}
