// The yardstick for start-up: a bare Qt window shown maximized; with --label
// it also draws one line of text in the middle (what costs a first text:
// fontconfig's font list). Once its first frame has reached the X server the
// process ends at once, without tearing anything down, so that only what a
// window costs to appear is timed (bench/run_startup.py watches the screen).
#include <QApplication>
#include <QGuiApplication>
#include <qguiapplication_platform.h>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

// Waits until the X server has dealt with everything sent so far.
void syncWithServer()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    xcb_connection_t *connection = x11->connection();
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

class FirstFrameWindow final : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        // The frame is handed to the server right after painting; the end
        // comes from the event loop, once that is done.
        if (!m_painted) {
            m_painted = true;
            QTimer::singleShot(0, [] {
                syncWithServer();
                _exit(0);
            });
        }
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FirstFrameWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    if (argc > 1 && std::strcmp(argv[1], "--label") == 0) {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel(QStringLiteral("Loading the picture..."), &window), 0,
                          Qt::AlignCenter);
    }
    // As the game does: without a window manager, maximized alone would
    // leave the window at its first size.
    window.setGeometry(window.screen()->availableGeometry());
    window.showMaximized();
    return app.exec();
}
