// The cues through a real sound server: a private PulseAudio daemon with a
// null sink, whose monitor is recorded with parec while the game plays cues
// through its real audio output. Skipped, with the reason, on a machine where
// no daemon can be started.

#include "platform/AudioOutput.h"
#include "platform/SoundDecoder.h"
#include "resources/Resources.h"
#include "startup/NewPuzzle.h"
#include "support/FakeServices.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/prctl.h>

#include <csignal>
#include <cstdint>
#include <functional>
#include <memory>

namespace {

constexpr int RecordRate = 44100;
constexpr int Loud = 1000; // a sample above this is sound, not noise or silence

// The first and last of the samples from `from` to `to` above Loud, by
// `at(i)`; {-1, -1} when there is none.
template<typename At>
std::pair<qsizetype, qsizetype> LoudSpan(qsizetype from, qsizetype to, At at)
{
    qsizetype first = -1, last = -1;
    for (qsizetype i = from; i < to; ++i) {
        if (std::abs(int(at(i))) > Loud) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    return {first, last};
}

// A PulseAudio daemon of our own in a private folder, with one null sink, and
// parec recording the sink's monitor: mono 16-bit samples at RecordRate.
// parec's latency sets the sink's: a new stream is mixed into what the sink
// has already rendered ahead, and the monitor loses that stretch of the
// stream's start (paplay's too). At 5 ms a cue arrives whole, or nearly; at
// the null sink's idle two seconds a short cue would vanish altogether.
class PulseRig
{
public:
    ~PulseRig()
    {
        // The recorder first, then the daemon.
        for (QProcess *p : {&m_parec, &m_daemon}) {
            p->terminate();
            if (!p->waitForFinished(3000)) {
                p->kill();
                p->waitForFinished(3000);
            }
        }
    }

    // Empty on success, else why the daemon or the recorder could not be had.
    QString start()
    {
        if (!m_dir.isValid())
            return QStringLiteral("no temporary folder");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Everything the daemon reads or writes stays in the private folder.
        for (const char *name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
            env.insert(QLatin1String(name), m_dir.path());
        env.remove(QStringLiteral("PULSE_SERVER"));
        QString why = launch(m_daemon, "pulseaudio", env,
                             {"--daemonize=no", "--system=false", "--exit-idle-time=-1", "--disallow-exit",
                              "-n", "--use-pid-file=no",
                              QStringLiteral("--load=module-null-sink sink_name=test_sink rate=%1").arg(RecordRate),
                              "--load=module-native-protocol-unix socket=" + socket() + " auth-anonymous=1",
                              "--log-target=file:" + m_dir.path() + "/log"});
        if (!why.isEmpty() || !(why = waitFor(m_daemon, [this] { return QFileInfo::exists(socket()); })).isEmpty())
            return why;
        env.insert(QStringLiteral("PULSE_SERVER"), address());
        QObject::connect(&m_parec, &QProcess::readyReadStandardOutput, &m_parec,
                         [this] { m_data += m_parec.readAllStandardOutput(); });
        why = launch(m_parec, "parec", env,
                     {"-d", "test_sink.monitor", "--latency-msec=5", "--raw", "--format=s16le", "--channels=1",
                      QStringLiteral("--rate=%1").arg(RecordRate)});
        // The monitor delivers silence continuously once the stream runs.
        return why.isEmpty() ? waitFor(m_parec, [this] { return samples() >= RecordRate / 4; }) : why;
    }

    QString address() const { return QLatin1String("unix:") + socket(); }
    qsizetype samples() const { return m_data.size() / 2; }

    std::pair<qsizetype, qsizetype> soundAfter(qsizetype from) const
    {
        const auto *data = reinterpret_cast<const std::int16_t *>(m_data.constData());
        return LoudSpan(from, samples(), [data](qsizetype i) { return data[i]; });
    }

private:
    QString socket() const { return m_dir.path() + QLatin1String("/native"); }

    // Starts `program`, which dies with the test even when the test crashes,
    // so that no daemon or recorder is ever left running.
    static QString launch(QProcess &p, const char *program, const QProcessEnvironment &env, const QStringList &args)
    {
        const QString exe = QStandardPaths::findExecutable(QLatin1String(program));
        if (exe.isEmpty())
            return QStringLiteral("%1 is not installed").arg(program);
        p.setProcessEnvironment(env);
        p.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        p.start(exe, args);
        return p.waitForStarted(5000) ? QString() : QStringLiteral("%1 did not start").arg(program);
    }

    QString waitFor(QProcess &p, const std::function<bool()> &ready)
    {
        QElapsedTimer waited;
        waited.start();
        while (!ready()) {
            if (p.state() != QProcess::Running || waited.elapsed() > 10000) {
                QFile log(m_dir.path() + QLatin1String("/log"));
                return QStringLiteral("%1 did not come up: %2")
                    .arg(p.program(), log.open(QIODevice::ReadOnly) ? log.readAll().right(2000)
                                                                    : p.readAllStandardError());
            }
            QTest::qWait(20);
        }
        return {};
    }

    QTemporaryDir m_dir;
    QProcess m_daemon, m_parec;
    QByteArray m_data;
};

double seconds(qsizetype samples)
{
    return double(samples) / RecordRate;
}

// How long a cue sounds above the Loud level, from its first loud sample to
// its last, at its own rate.
double loudSeconds(int id)
{
    const auto sound = platform::DecodeSound(resources::LoadResData(id, QStringLiteral("SOUND")));
    const auto [first, last] = LoudSpan(0, sound.frames(), [&sound](qsizetype i) { return sound.samples()[i]; });
    return first < 0 ? 0.0 : double(last - first) / sound.sampleRate;
}

} // namespace

class tst_SoundPulse : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_rig = std::make_unique<PulseRig>();
        if (const QString why = m_rig->start(); !why.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no private PulseAudio daemon to record: ") + why));
        // The game's own output, talking to our daemon and nothing else.
        qputenv("PULSE_SERVER", m_rig->address().toLocal8Bit());
        m_output = platform::makeAudioOutput();
        m_fakes.services().sound = m_output.get();
        NewPuzzle::InstallServices(m_fakes.services());
    }

    void cleanupTestCase()
    {
        // Runs after failures too: the output first (it talks to the daemon),
        // then the recorder and the daemon.
        m_output.reset();
        m_rig.reset();
    }

    void cueReachesTheSoundServer_data()
    {
        QTest::addColumn<int>("id");
        // One cue of each encoding and rate: PCM at 11025 and 8402 Hz, MS ADPCM,
        // MP3 at 8000 and 12000 Hz.
        for (int id : {201, 207, 206, 204, 208})
            QTest::addRow("cue %d", id) << id;
    }
    void cueReachesTheSoundServer()
    {
        QFETCH(int, id);
        const double length = loudSeconds(id);
        QVERIFY(length > 0);

        const qsizetype playedAt = m_rig->samples();
        NewPuzzle::PlayCue(id);
        QVERIFY(m_output->waitUntilIdle(5000));
        QCOMPARE(m_output->report().lastStarted, id);
        QTest::qWait(int(length * 1000) + 700);

        const auto [first, last] = m_rig->soundAfter(playedAt);
        QVERIFY2(first >= 0, "nothing was heard");
        // It sounds soon after the call, and for as long as the cue, give or take
        // the few milliseconds the monitor may lose as the stream starts and what
        // the server's resampler takes off the quiet edges (paplay fares the same).
        QVERIFY2(seconds(first - playedAt) < 1.0,
                 qPrintable(QStringLiteral("heard %1 s late").arg(seconds(first - playedAt))));
        const double heard = seconds(last - first);
        QVERIFY2(heard > length * 0.9 - 0.015 && heard < length + 0.1,
                 qPrintable(QStringLiteral("heard %1 s of a cue of %2 s").arg(heard).arg(length)));
    }

    void newCueCutsOffTheOnePlaying_data()
    {
        QTest::addColumn<int>("second");
        // The time-over phrase is at 8000 Hz: so is the warning tick, the select
        // tick is at 11025 Hz.
        QTest::addRow("same format") << 211;
        QTest::addRow("other format") << 203;
    }
    void newCueCutsOffTheOnePlaying()
    {
        // The time-over phrase lasts over a second; a tick started 0.3 s into it
        // must end it.
        QFETCH(int, second);
        const double longCue = loudSeconds(206);
        QVERIFY(longCue > 1.0);

        const int cutsBefore = m_output->report().cutOff;
        const qsizetype playedAt = m_rig->samples();
        NewPuzzle::PlayCue(206);
        QVERIFY(m_output->waitUntilIdle(5000));
        QTest::qWait(300);
        NewPuzzle::PlayCue(second);
        QVERIFY(m_output->waitUntilIdle(5000));
        QTest::qWait(int(longCue * 1000) + 700);

        QCOMPARE(m_output->report().lastStarted, second);
        QCOMPARE(m_output->report().cutOff, cutsBefore + 1);
        const auto [first, last] = m_rig->soundAfter(playedAt);
        QVERIFY2(first >= 0, "nothing was heard");
        const double heard = seconds(last - first);
        QVERIFY2(heard < longCue * 0.75,
                 qPrintable(QStringLiteral("heard %1 s; the long cue alone lasts %2 s")
                                .arg(heard).arg(longCue)));
    }

private:
    std::unique_ptr<PulseRig> m_rig;
    std::unique_ptr<platform::AudioOutput> m_output;
    FakeServices m_fakes;
};

QTEST_MAIN(tst_SoundPulse)
#include "tst_sound_pulse.moc"
