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
#include <cstdlib>
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

// Children die with the test even when it crashes, so that no daemon or
// recorder is ever left running.
void dieWithParent(QProcess &process)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

// A PulseAudio daemon of our own, in a private folder, with one null sink.
class PulseServer
{
public:
    ~PulseServer() { stop(); }

    // Empty on success, else why the daemon could not be had.
    QString start()
    {
        const QString exe = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (exe.isEmpty())
            return QStringLiteral("pulseaudio is not installed");
        if (!m_dir.isValid())
            return QStringLiteral("no temporary folder");
        const QString dir = m_dir.path();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Everything the daemon reads or writes stays in the private folder.
        env.insert(QStringLiteral("HOME"), dir);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir);
        env.remove(QStringLiteral("PULSE_SERVER"));
        m_daemon.setProcessEnvironment(env);
        m_daemon.setProcessChannelMode(QProcess::MergedChannels);
        dieWithParent(m_daemon);
        m_daemon.start(exe, {
            QStringLiteral("--daemonize=no"), QStringLiteral("--system=false"),
            QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disallow-exit"),
            QStringLiteral("-n"), QStringLiteral("--use-pid-file=no"),
            QStringLiteral("--load=module-null-sink sink_name=test_sink rate=%1").arg(RecordRate),
            QStringLiteral("--load=module-native-protocol-unix socket=%1 auth-anonymous=1")
                .arg(socket()),
            QStringLiteral("--log-target=file:%1/log").arg(dir),
        });
        if (!m_daemon.waitForStarted(5000))
            return QStringLiteral("pulseaudio did not start: %1").arg(m_daemon.errorString());
        QElapsedTimer waited;
        waited.start();
        while (!QFileInfo::exists(socket())) {
            if (m_daemon.state() != QProcess::Running || waited.elapsed() > 10000)
                return QStringLiteral("pulseaudio did not come up: %1").arg(log());
            QTest::qWait(20);
        }
        return {};
    }

    void stop()
    {
        if (m_daemon.state() == QProcess::NotRunning)
            return;
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(3000)) {
            m_daemon.kill();
            m_daemon.waitForFinished(3000);
        }
    }

    QString socket() const { return m_dir.path() + QLatin1String("/native"); }
    QString address() const { return QLatin1String("unix:") + socket(); }
    QString log()
    {
        QFile f(m_dir.path() + QLatin1String("/log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()).right(2000)
                                           : QString::fromLocal8Bit(m_daemon.readAll());
    }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
};

// parec on the null sink's monitor: mono 16-bit samples at RecordRate. Its
// latency sets the sink's: a new stream is mixed into what the sink has
// already rendered ahead, and the monitor loses that stretch of the stream's
// start (paplay's too). At 5 ms a cue arrives whole, or nearly; at the null
// sink's idle two seconds a short cue would vanish altogether.
class Recorder
{
public:
    QString start(const QString &server)
    {
        const QString exe = QStandardPaths::findExecutable(QStringLiteral("parec"));
        if (exe.isEmpty())
            return QStringLiteral("parec is not installed");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), server);
        m_parec.setProcessEnvironment(env);
        dieWithParent(m_parec);
        QObject::connect(&m_parec, &QProcess::readyReadStandardOutput, &m_parec,
                         [this] { m_data += m_parec.readAllStandardOutput(); });
        m_parec.start(exe, {QStringLiteral("-d"), QStringLiteral("test_sink.monitor"),
                            QStringLiteral("--latency-msec=5"), QStringLiteral("--raw"),
                            QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                            QStringLiteral("--rate=%1").arg(RecordRate)});
        if (!m_parec.waitForStarted(5000))
            return QStringLiteral("parec did not start: %1").arg(m_parec.errorString());
        // The monitor delivers silence continuously once the stream runs.
        QElapsedTimer waited;
        waited.start();
        while (samples() < RecordRate / 4) {
            if (m_parec.state() != QProcess::Running || waited.elapsed() > 10000)
                return QStringLiteral("parec records nothing: %1")
                    .arg(QString::fromLocal8Bit(m_parec.readAllStandardError()));
            QTest::qWait(20);
        }
        return {};
    }

    ~Recorder()
    {
        if (m_parec.state() != QProcess::NotRunning) {
            m_parec.kill();
            m_parec.waitForFinished(3000);
        }
    }

    qsizetype samples() const { return m_data.size() / 2; }
    std::int16_t at(qsizetype i) const
    {
        return reinterpret_cast<const std::int16_t *>(m_data.constData())[i];
    }

    std::pair<qsizetype, qsizetype> soundAfter(qsizetype from) const
    {
        return LoudSpan(from, samples(), [this](qsizetype i) { return at(i); });
    }

private:
    QProcess m_parec;
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
        m_server = std::make_unique<PulseServer>();
        if (const QString why = m_server->start(); !why.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no private PulseAudio daemon: ") + why));
        m_recorder = std::make_unique<Recorder>();
        if (const QString why = m_recorder->start(m_server->address()); !why.isEmpty())
            QSKIP(qPrintable(QStringLiteral("cannot record the null sink: ") + why));

        // The game's own output, talking to our daemon and nothing else.
        qputenv("PULSE_SERVER", m_server->address().toLocal8Bit());
        m_output = platform::makeAudioOutput();
        m_fakes.services().sound = m_output.get();
        NewPuzzle::InstallServices(m_fakes.services());
    }

    void cleanupTestCase()
    {
        // Runs after failures too: the output first (it talks to the daemon),
        // then the recorder and the daemon.
        m_output.reset();
        m_recorder.reset();
        if (m_server)
            m_server->stop();
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

        const qsizetype playedAt = m_recorder->samples();
        NewPuzzle::PlayCue(id);
        QVERIFY(m_output->waitUntilIdle(5000));
        QCOMPARE(m_output->report().lastStarted, id);
        QTest::qWait(int(length * 1000) + 700);

        const auto [first, last] = m_recorder->soundAfter(playedAt);
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
        const qsizetype playedAt = m_recorder->samples();
        NewPuzzle::PlayCue(206);
        QVERIFY(m_output->waitUntilIdle(5000));
        QTest::qWait(300);
        NewPuzzle::PlayCue(second);
        QVERIFY(m_output->waitUntilIdle(5000));
        QTest::qWait(int(longCue * 1000) + 700);

        QCOMPARE(m_output->report().lastStarted, second);
        QCOMPARE(m_output->report().cutOff, cutsBefore + 1);
        const auto [first, last] = m_recorder->soundAfter(playedAt);
        QVERIFY2(first >= 0, "nothing was heard");
        const double heard = seconds(last - first);
        QVERIFY2(heard < longCue * 0.75,
                 qPrintable(QStringLiteral("heard %1 s; the long cue alone lasts %2 s")
                                .arg(heard).arg(longCue)));
    }

private:
    std::unique_ptr<PulseServer> m_server;
    std::unique_ptr<Recorder> m_recorder;
    std::unique_ptr<platform::AudioOutput> m_output;
    FakeServices m_fakes;
};

QTEST_MAIN(tst_SoundPulse)
#include "tst_sound_pulse.moc"
