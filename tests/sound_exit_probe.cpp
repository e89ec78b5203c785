// A stand-in for the game's main() around its sound: loads the sound module
// as the game does, plays two cues through it, ends the way main() ends, and reports how long each
// call to play a cue took. tst_sound runs it against sound servers the test itself
// cannot be (one that never answers), since the server is chosen once per
// process.

#include "assets/Assets.h"
#include "platform/RealServices.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qint64 slowest = 0;
    {
        platform::LazySoundOutput output({QStringLiteral(SOUND_MODULE)});
        output.prepare();
        QElapsedTimer loading;
        loading.start();
        while (output.state() == platform::LazySoundOutput::State::Loading && loading.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        if (output.state() != platform::LazySoundOutput::State::Ready) {
            std::printf("the sound module did not load\n");
            return 1;
        }
        for (assets::Cue cue : {assets::Cue::PieceTaken, assets::Cue::PuzzleSolved}) {
            QElapsedTimer timer;
            timer.start();
            assets::playCue(&output, cue);
            slowest = std::max(slowest, timer.nsecsElapsed() / 1000);
            QThread::msleep(100);
        }
    }
    std::printf("slowest cue call: %lld us\n", static_cast<long long>(slowest));
    std::printf("sound thread left behind: %s\n",
                platform::soundModuleThreadLeftBehind() ? "yes" : "no");
    return platform::endProgram(0);
}
