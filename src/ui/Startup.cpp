#include "ui/Startup.h"

#include "assets/Assets.h"
#include "game/Texts.h"
#include "ui/MainWindow.h"

namespace startup {

bool screenIsLargeEnough(QSize screen)
{
    return screen.width() >= 800 && screen.height() >= 600;
}

std::unique_ptr<MainWindow> start(platform::Services &services, MainWindow::WindowMode mode,
                                  std::unique_ptr<platform::PictureDecoding> picture)
{
    if (!screenIsLargeEnough(services.screen->sizePixels())) {
        assets::useProgramIcon();
        services.messages->show(nullptr, texts::screenTooSmallMessage(), platform::MessageIcon::Critical,
                                QStringLiteral("Quadrifoglio"));
        return nullptr;
    }
    auto window = std::make_unique<MainWindow>(services);
    window->load(mode, std::move(picture));
    return window;
}

} // namespace startup
