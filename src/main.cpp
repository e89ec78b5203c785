#include "assets/Assets.h"
#include "game/Preferences.h"
#include "platform/RealServices.h"
#include "platform/SingleInstance.h"
#include "ui/FocusRing.h"
#include "ui/MainWindow.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStandardPaths>
#include <QTimer>

namespace {

void describeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("A jigsaw puzzle of 36 pieces to put together against the clock.\n"
                       "The picture, Matrix.jpg (or .bmp, .gif), lies beside the program."));
    parser.addHelpOption();
    parser.addVersionOption();

    // --- Options of the window ----------------------------------------------
    parser.addOption(QCommandLineOption(
        QStringLiteral("window"),
        QStringLiteral("Play in a normal window among the others instead of the whole screen.")));
}

// --help and --version answer at once and need no screen: they are looked
// for before the application opens one.
void answerInformationOptions(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describeCommandLine(parser);
    // Qt's own options (-platform...) are unknown here: only the answer
    // options count at this point.
    parser.parse(arguments);
    if (!parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("help-all"))
        && !parser.isSet(QStringLiteral("version")))
        return;
    QCoreApplication app(argc, argv);
    parser.process(app); // prints and ends the program
}

void setApplicationNames()
{
    QCoreApplication::setApplicationName(QStringLiteral("Quadrifoglio 3D"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUADRIFOGLIO_VERSION));
}

} // namespace

int main(int argc, char *argv[])
{
    setApplicationNames();
    answerInformationOptions(argc, argv);

    QApplication app(argc, argv);
    setApplicationNames();
    QApplication::setDesktopFileName(QStringLiteral("quadrifoglio"));

    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(app); // an unknown option is an error, before any window

    // A second start only brings the running game forward: it reads and
    // writes nothing and makes no sound.
    platform::SingleInstance instance(
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
        Preferences::scoreFileIn(platform::XdgFolders().configDir()));
    if (!instance.claim())
        return 0;

    int code = 0;
    {
        platform::RealServices services;
        // The picture decodes on a thread of its own while the rest is set up.
        std::unique_ptr<platform::PictureDecoding> picture =
            MainWindow::decodePictureIn(services.services().folders->appDir());

        assets::useGameFont();
        QApplication::setStyle(new FocusRingStyle);

        // The window lives until the event loop is over, so that nothing it
        // started outlives it unawares.
        // --window: a normal window among the others instead of the whole screen.
        const auto mode = parser.isSet(QStringLiteral("window")) ? MainWindow::WindowMode::Normal
                                                                 : MainWindow::WindowMode::Maximized;
        std::unique_ptr<MainWindow> window = startup::start(services.services(), mode, std::move(picture));
        if (window) {
            QObject::connect(&instance, &platform::SingleInstance::comeForward, window.get(),
                             [w = window.get()] {
                                 w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
                                 w->show();
                                 w->raise();
                                 w->activateWindow();
                             });
            // --- Sound, once the window is up ----------------------------------
            // The sound stack loads in the background a second after the window
            // is shown, its picture on the screen by then, so that nothing of it
            // delays the window; a cue asked for sooner starts the loading and
            // plays as soon as the sound is there.
            QTimer::singleShot(1000, &app, [&services] { services.prepareSound(); });
        } else {
            // The screen is too small: the game ends once its message is read.
            services.services().end->quit();
        }
        code = app.exec();
    }
    return platform::endProgram(code);
}
