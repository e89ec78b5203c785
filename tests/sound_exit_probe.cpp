// A stand-in for the game's main() around its sound: plays two cues through
// the real audio output, ends the way main() ends, and reports how long each
// call to play a cue took. tst_sound runs it against sound servers the test itself
// cannot be (one that never answers), since the server is chosen once per
// process.

#include "assets/Assets.h"
#include "platform/AudioOutput.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qint64 slowest = 0;
    {
        auto output = platform::makeAudioOutput();
        for (assets::Cue cue : {assets::Cue::PieceTaken, assets::Cue::PuzzleSolved}) {
            QElapsedTimer timer;
            timer.start();
            assets::playCue(output.get(), cue);
            slowest = std::max(slowest, timer.nsecsElapsed() / 1000);
            QThread::msleep(100);
        }
    }
    std::printf("slowest cue call: %lld us\n", static_cast<long long>(slowest));
    std::printf("sound thread left behind: %s\n",
                platform::soundThreadLeftBehind() ? "yes" : "no");
    return platform::finishProgram(0);
}
