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
    // Matrix.dat has not been read yet: the message says it in the three
    // languages the game has always said it in, each a paragraph.
    const QStringList lines = {
        QStringLiteral("Il gioco richiede una risoluzione video di almeno 800\u00a0×\u00a0600 pixel."),
        QStringLiteral("Modificare la risoluzione video e riprovare."),
        QString(),
        QStringLiteral("The game needs a screen resolution of at least 800\u00a0×\u00a0600 pixels."),
        QStringLiteral("Change the screen resolution and try again."),
        QString(),
        QStringLiteral("Le jeu nécessite une résolution d'écran d'au moins 800\u00a0×\u00a0600 pixels."),
        QStringLiteral("Modifiez la résolution de l'écran et réessayez."),
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
