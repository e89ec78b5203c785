// The cues through a real sound server: a private PulseAudio daemon with a
// null sink, whose monitor is recorded with parec while the game plays cues
// through its real audio output. Skipped, with the reason, on a machine where
// no daemon can be started.

#include "assets/Assets.h"
#include "platform/AudioOutput.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/prctl.h>

#include <csignal>
#include <cstdlib>
#include <memory>

using assets::Cue;

Q_DECLARE_METATYPE(assets::Cue)

namespace {

constexpr int RecordRate = 44100;

// A PulseAudio daemon of our own in a private folder, with one null sink, and
// parec recording the sink's monitor: mono 16-bit samples at RecordRate. A
// short parec latency keeps the sink from rendering far ahead, which would
// swallow the start of a short cue.
class PulseRig
{
public:
    ~PulseRig()
    {
        for (QProcess *p : {&m_parec, &m_daemon}) { // the recorder first
            p->kill();
            p->waitForFinished(3000);
        }
    }

    // Empty on success, else why the daemon or the recorder could not be had.
    QString start()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Everything the daemon reads or writes stays in the private folder.
        for (const char *name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
            env.insert(QLatin1String(name), m_dir.path());
        env.remove(QStringLiteral("PULSE_SERVER"));
        QString why = launch(m_daemon, "pulseaudio", env,
                             {"--daemonize=no", "--exit-idle-time=-1", "-n", "--use-pid-file=no",
                              QStringLiteral("--load=module-null-sink sink_name=test_sink rate=%1").arg(RecordRate),
                              "--load=module-native-protocol-unix socket=" + socket() + " auth-anonymous=1"});
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
    // The first recorded sample from `from` on that is sound, not noise; -1 if none.
    qsizetype firstSoundAfter(qsizetype from) const
    {
        const auto *data = reinterpret_cast<const qint16 *>(m_data.constData());
        for (qsizetype i = from; i < samples(); ++i)
            if (std::abs(int(data[i])) > 1000)
                return i;
        return -1;
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

    static QString waitFor(QProcess &p, auto ready)
    {
        QElapsedTimer waited;
        waited.start();
        while (!ready()) {
            if (p.state() != QProcess::Running || waited.elapsed() > 10000)
                return QStringLiteral("%1 did not come up: %2").arg(p.program(), p.readAllStandardError());
            QTest::qWait(20);
        }
        return {};
    }

    QTemporaryDir m_dir;
    QProcess m_daemon, m_parec;
    QByteArray m_data;
};

} // namespace

class tst_SoundPulse : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (const QString why = m_rig.start(); !why.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no private PulseAudio daemon to record: ") + why));
        // The game's own output, talking to our daemon and nothing else.
        qputenv("PULSE_SERVER", m_rig.address().toLocal8Bit());
        m_output = platform::makeAudioOutput();
    }

    void cueIsHeardSoonAfterItIsPlayed_data()
    {
        QTest::addColumn<Cue>("cue");
        QTest::addRow("PCM") << Cue::PieceTaken;
        QTest::addRow("MS ADPCM") << Cue::TimeOver;
        QTest::addRow("MP3") << Cue::GameStarted;
    }
    void cueIsHeardSoonAfterItIsPlayed()
    {
        QFETCH(Cue, cue);
        const qsizetype playedAt = m_rig.samples();
        assets::playCue(m_output.get(), cue);
        QVERIFY(m_output->waitUntilIdle(5000));
        QCOMPARE(m_output->report().lastStarted, int(cue));
        // Heard soon after the call.
        QTRY_VERIFY_WITH_TIMEOUT(m_rig.firstSoundAfter(playedAt) >= 0, 2000);
        QTest::qWait(1500); // the cue dies away before the next one
    }

    // A short silence after a cue lets the device go (no wake-ups between
    // cues); the next cue starts it again and is heard.
    void outputSleepsAfterACueAndTheNextCueIsHeard()
    {
        const int sleeps = m_output->report().sleeps;
        assets::playCue(m_output.get(), Cue::PieceTaken);
        QVERIFY(m_output->waitUntilIdle(5000));
        QTRY_COMPARE_WITH_TIMEOUT(m_output->report().sleeps, sleeps + 1, 5000);
        const qsizetype playedAt = m_rig.samples();
        assets::playCue(m_output.get(), Cue::PieceTaken);
        QVERIFY(m_output->waitUntilIdle(5000));
        QTRY_VERIFY_WITH_TIMEOUT(m_rig.firstSoundAfter(playedAt) >= 0, 2000);
    }

private:
    // The output goes first (it talks to the daemon), then the recorder and
    // the daemon, after failures too.
    PulseRig m_rig;
    std::unique_ptr<platform::AudioOutput> m_output;
};

QTEST_MAIN(tst_SoundPulse)
#include "tst_sound_pulse.moc"
