#pragma once

#include "platform/Services.h"
#include "ui/MainWindow.h"

#include <QSize>
#include <QString>

#include <memory>

namespace startup {

// The game needs a screen of at least 800 x 600 pixels.
bool screenIsLargeEnough(QSize screen);

// Starts the game: on a screen that is too small it says so and returns
// null; otherwise it makes, loads and shows the main window, with the
// picture being decoded if one is given. The window is returned even when
// its load failed (it has then asked the program to end).
std::unique_ptr<MainWindow> start(platform::Services &services,
                                  MainWindow::WindowMode mode = MainWindow::WindowMode::Maximized,
                                  std::unique_ptr<platform::PictureDecoding> picture = {});

} // namespace startup
