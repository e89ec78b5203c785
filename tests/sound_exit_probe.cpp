// A stand-in for the game's main() around its sound: plays two cues through
// the real audio output, ends the way main() ends, and reports how long each
// PlayCue took. tst_sound runs it against sound servers the test itself
// cannot be (one that never answers), since the server is chosen once per
// process.

#include "platform/AudioOutput.h"
#include "ui/Startup.h"

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
        platform::Services services;
        services.sound = output.get();
        NewPuzzle::InstallServices(services);
        for (int id : {201, 210}) {
            QElapsedTimer timer;
            timer.start();
            NewPuzzle::PlayCue(id);
            slowest = std::max(slowest, timer.nsecsElapsed() / 1000);
            QThread::msleep(100);
        }
    }
    std::printf("slowest PlayCue: %lld us\n", static_cast<long long>(slowest));
    std::printf("sound thread left behind: %s\n",
                platform::SoundThreadLeftBehind() ? "yes" : "no");
    return platform::FinishProgram(0);
}
