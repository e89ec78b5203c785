#include "platform/RealServices.h"
#include "startup/NewPuzzle.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quadrifoglio 3D"));
    QApplication::setApplicationVersion(QStringLiteral(QUADRIFOGLIO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("quadrifoglio"));

    platform::RealServices services;
    if (!NewPuzzle::Main(services.services()))
        return 0;
    return app.exec();
}
