#include "ui/Startup.h"

#include "platform/Numbers.h"
#include "ui/MainWindow.h"

#include <QStringList>

namespace startup {

bool screenIsLargeEnough(QSize screen)
{
    // Each side is taken as a 16-bit number; a screen too large for that is
    // certainly large enough.
    const int width = platform::tryRoundToInt16(screen.width()).value_or(32767);
    const int height = platform::tryRoundToInt16(screen.height()).value_or(32767);
    return width >= 800 && height >= 600;
}

QString screenTooSmallMessage()
{
    const QStringList lines = {
        QStringLiteral("Per visualizzare correttamente il gioco"),
        QStringLiteral("occorre impostare una risoluzione video"),
        QStringLiteral("non inferiore a 800x600."),
        QStringLiteral("Modificare la risoluzione video e, quindi, riprovare."),
        QString(),
        QStringLiteral("Best visual results if used with 800x600 pixel monitor."),
        QStringLiteral("Modify your video settings and try again."),
        QString(),
        QStringLiteral("Visualization optimal avec video 800x6000 pixel."),
        QStringLiteral("Modifier la résolution vidéo et réessayer"),
    };
    return lines.join(QLatin1String("\r\n"));
}

std::unique_ptr<MainWindow> start(platform::Services &services, MainWindow::WindowMode mode)
{
    if (!screenIsLargeEnough(services.screen->sizePixels())) {
        services.messages->show(nullptr, screenTooSmallMessage(), platform::MessageIcon::Critical,
                                QStringLiteral("Quadrifoglio"));
        return nullptr;
    }
    auto window = std::make_unique<MainWindow>(services);
    window->load(mode);
    return window;
}

} // namespace startup
