// How much the sound cues cost: the one-off decoding of every cue, and the
// time playing a cue holds the window's thread. Prints figures; it passes or
// fails nothing. The sound server is whatever the environment offers
// (PULSE_SERVER), and the figures say whether cues were started or skipped.
// Beside the game's call, in the same run, a bare Qt window's yardstick: the
// least a cue must cost the window's thread (a call queued to another thread).

#include "platform/AudioOutput.h"
#include "platform/SoundDecoder.h"
#include "assets/Assets.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QWidget>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

#include <unistd.h>

namespace {

using assets::Cue;

const Cue Cues[] = {Cue::PieceTaken, Cue::PieceReturned, Cue::Click, Cue::GameStarted, Cue::TimeOver,
                    Cue::Window, Cue::BoardReset, Cue::PuzzleSolved, Cue::TimeWarning};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

double microseconds(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1000.0;
}

void benchDecoding()
{
    std::printf("Decoding (libsndfile from memory; the player does it once per cue)\n");
    std::printf("  cue  bytes  rate   frames  seconds  first us  median of 200 us\n");
    double total = 0, totalFirst = 0;
    for (Cue cue : Cues) {
        const QByteArray wav = assets::cueData(cue);
        std::vector<double> runs;
        platform::DecodedSound sound;
        for (int i = 0; i < 200; ++i) {
            QElapsedTimer t;
            t.start();
            sound = platform::decodeSound(wav);
            runs.push_back(microseconds(t));
        }
        const double m = median(runs);
        total += m;
        totalFirst += runs.front();
        std::printf("  %3d  %5lld  %5d  %6lld  %6.3f  %8.1f  %8.1f\n", int(cue),
                    static_cast<long long>(wav.size()), sound.sampleRate,
                    static_cast<long long>(sound.frames()),
                    double(sound.frames()) / std::max(1, sound.sampleRate), runs.front(), m);
    }
    std::printf("  all nine cues: first %.1f us, median %.1f us\n\n", totalFirst, total);
}

// The bare yardstick: a call queued to an object living on another thread,
// which is all a cue asks of the window's thread; beside it the same call
// with the window's pending events let run, for comparison with older runs.
double benchBareQueuedCall()
{
    QThread thread;
    QObject receiver;
    receiver.moveToThread(&thread);
    thread.start();
    std::atomic<int> received = 0;
    std::vector<double> queued, runs, idle;
    for (int i = 0; i < 400; ++i) {
        QElapsedTimer t;
        t.start();
        QCoreApplication::processEvents();
        idle.push_back(microseconds(t));
        t.restart();
        QMetaObject::invokeMethod(&receiver, [&received] { ++received; }, Qt::QueuedConnection);
        queued.push_back(microseconds(t));
        t.restart();
        QMetaObject::invokeMethod(&receiver, [&received] { ++received; }, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        runs.push_back(microseconds(t));
    }
    QElapsedTimer drain;
    drain.start();
    while (received < 800 && drain.elapsed() < 2000)
        QThread::msleep(1);
    thread.quit();
    thread.wait();
    std::printf("Bare Qt window (yardstick, same run)\n");
    std::printf("  processEvents alone:                 median %7.1f us  p90 %7.1f us\n", median(idle),
                percentile(idle, 0.9));
    std::printf("  queued call to a thread:             median %7.1f us  p90 %7.1f us\n", median(queued),
                percentile(queued, 0.9));
    std::printf("  queued call to a thread + events:    median %7.1f us  p90 %7.1f us  (%d delivered)\n\n",
                median(runs), percentile(runs, 0.9), received.load());
    return median(queued);
}

// Voluntary context switches of every thread of the process but this one:
// each is a thread going to sleep after it was woken.
long otherThreadsSwitches()
{
    long total = 0;
    const QString self = QString::number(gettid());
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (task == self)
            continue;
        QFile status(tasks.filePath(task + QLatin1String("/status")));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("voluntary_ctxt_switches:"))
                total += line.mid(24).trimmed().toLong();
    }
    return total;
}

void benchPlayingACue(double yardstick)
{
    const char *server = std::getenv("PULSE_SERVER");
    std::printf("assets::playCue on the window's thread (real output; PULSE_SERVER=%s)\n",
                server ? server : "(default)");
    auto output = platform::makeAudioOutput();

    // Let the player connect to the server first, as it does while the game
    // starts up.
    QThread::msleep(300);

    for (int gapMs : {0, 5, 50}) {
        std::vector<double> runs;
        const int calls = gapMs >= 50 ? 60 : 400;
        for (int i = 0; i < calls; ++i) {
            const Cue cue = Cues[i % 9];
            QElapsedTimer t;
            t.start();
            assets::playCue(output.get(), cue);
            runs.push_back(microseconds(t));
            if (gapMs > 0)
                QThread::msleep(gapMs);
        }
        output->waitUntilIdle(5000);
        std::printf("  %3d calls %2d ms apart: median %7.1f us  p90 %7.1f us  max %8.1f us  "
                    "(x bare %.1f)\n",
                    calls, gapMs, median(runs), percentile(runs, 0.9),
                    *std::max_element(runs.begin(), runs.end()), median(runs) / yardstick);
    }
    const platform::AudioReport r = output->report();
    std::printf("  player: %d requests, %d started, %d superseded, %d skipped, %d cut off, "
                "%d decodes\n",
                r.requests, r.started, r.superseded, r.skipped, r.cutOff, r.decodes);

    // Wake-ups of the process's other threads (the player and the sound
    // server's client) while one cue plays and once it has died away, as
    // between cues or while the game is paused; this thread sleeps meanwhile.
    auto wakeUpsPerSecond = [](int ms) {
        const long before = otherThreadsSwitches();
        QThread::msleep(ms);
        return double(otherThreadsSwitches() - before) * 1000.0 / ms;
    };
    assets::playCue(output.get(), Cue::GameStarted); // 0.8 s long
    output->waitUntilIdle(5000);
    const double playing = wakeUpsPerSecond(500);
    QThread::msleep(1500);
    const double idle = wakeUpsPerSecond(3000);
    std::printf("  wake-ups per second of the sound threads: %.1f while a cue plays, "
                "%.1f from 2 s after it (%d times asleep)\n",
                playing, idle, output->report().sleeps);

    QElapsedTimer t;
    t.start();
    output.reset();
    std::printf("  output shut down in %.1f ms\n", double(t.nsecsElapsed()) / 1e6);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(800, 600);
    window.show();
    QCoreApplication::processEvents();
    benchDecoding();
    const double yardstick = benchBareQueuedCall();
    benchPlayingACue(yardstick);
    return platform::finishProgram(0);
}
