// The sound cues: the carried files themselves, their decoding, and
// assets::playCue through the real audio output on a machine without a sound server (and,
// through a separate process, with a server that never answers). That cues
// really reach a sound server is shown by tst_sound_pulse.

#include "platform/AudioOutput.h"
#include "platform/RealServices.h"
#include "platform/SoundDecoder.h"
#include "assets/Assets.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <memory>

using assets::Cue;

Q_DECLARE_METATYPE(assets::Cue)
Q_DECLARE_METATYPE(platform::LazySoundOutput::State)

namespace {

// Hands every cue on to the real output and keeps the bytes it was given.
class RecordingOutput final : public platform::SoundOutput
{
public:
    explicit RecordingOutput(platform::SoundOutput &real) : m_real(real) {}
    QByteArray lastBytes;
    void play(int id, const QByteArray &wav) override
    {
        lastBytes = wav;
        m_real.play(id, wav);
    }

private:
    platform::SoundOutput &m_real;
};

} // namespace

class TestSound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // No sound server at all: the address leads nowhere. The multimedia
        // library picks its server once per process, before the first output.
        QVERIFY(m_dir.isValid());
        qputenv("PULSE_SERVER", "unix:" + m_dir.filePath(QStringLiteral("no-server")).toLocal8Bit());
        m_output = platform::makeAudioOutput();
        m_recording = std::make_unique<RecordingOutput>(*m_output);
    }

    void everyCueDecodesToSoundAtItsOwnRate_data()
    {
        QTest::addColumn<Cue>("cue");
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("rate");
        const int Pcm = 1, Adpcm = 2, Mp3 = 0x55;
        QTest::addRow("piece taken") << Cue::PieceTaken << Pcm << 11025;
        QTest::addRow("piece returned") << Cue::PieceReturned << Pcm << 11025;
        QTest::addRow("click") << Cue::Click << Pcm << 11025;
        QTest::addRow("game started") << Cue::GameStarted << Mp3 << 8000;
        QTest::addRow("time over") << Cue::TimeOver << Adpcm << 8000;
        QTest::addRow("window") << Cue::Window << Pcm << 8402;
        QTest::addRow("board reset") << Cue::BoardReset << Mp3 << 12000;
        QTest::addRow("puzzle solved") << Cue::PuzzleSolved << Mp3 << 8000;
        QTest::addRow("time warning") << Cue::TimeWarning << Pcm << 8000;
    }
    void everyCueDecodesToSoundAtItsOwnRate()
    {
        QFETCH(Cue, cue);
        QFETCH(int, tag);
        QFETCH(int, rate);
        const QByteArray wav = assets::cueData(cue);
        // Every cue's "fmt " chunk comes first, its format tag at byte 20.
        QCOMPARE(wav.mid(12, 4), QByteArray("fmt "));
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 20), tag);

        const platform::DecodedSound sound = platform::decodeSound(wav);
        QCOMPARE(sound.sampleRate, rate);
        QCOMPARE(sound.channels, 1);
        // Well above silence somewhere.
        const auto *samples = sound.samples();
        QVERIFY(std::any_of(samples, samples + sound.frames(), [](auto s) { return std::abs(int(s)) > 8000; }));
    }

    void withoutASoundServerEveryCueReturnsAtOnceAndIsSkipped()
    {
        const platform::AudioReport before = m_output->report();
        for (Cue cue : {Cue::PieceTaken, Cue::GameStarted, Cue::TimeOver}) {
            // The call is the same as with sound: the cue's bytes handed
            // over, and no events run inside it (the window's handlers never
            // see another event arrive in the middle).
            bool ran = false;
            QTimer::singleShot(0, this, [&ran] { ran = true; });
            QElapsedTimer timer;
            timer.start();
            assets::playCue(m_recording.get(), cue);
            QVERIFY2(timer.elapsed() < 250, qPrintable(QString::number(timer.elapsed())));
            QVERIFY(!ran);
            QCOMPARE(m_recording->lastBytes, assets::cueData(cue));
            QVERIFY(m_output->waitUntilIdle(10000));
            QTRY_VERIFY(ran);
        }
        QCOMPARE(m_output->report().skipped, before.skipped + 3);
        QCOMPARE(m_output->report().started, 0);
    }

    void twoCuesInQuickSuccessionReturnAtOnceAndTheSecondWins()
    {
        // Whatever the player thread is doing, the window's thread only hands
        // the cue over; a quarter of a second would already be a stall.
        const platform::AudioReport before = m_output->report();
        QElapsedTimer timer;
        timer.start();
        assets::playCue(m_recording.get(), Cue::PieceReturned);
        assets::playCue(m_recording.get(), Cue::PuzzleSolved);
        QVERIFY2(timer.elapsed() < 250, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(m_recording->lastBytes, assets::cueData(Cue::PuzzleSolved));
        QVERIFY(m_output->waitUntilIdle(10000));
        const platform::AudioReport report = m_output->report();
        QCOMPARE(report.requests, before.requests + 2);
        // The first was either dropped before it began or dealt with first.
        QCOMPARE(report.superseded + report.skipped, before.superseded + before.skipped + 2);
    }

    // The game's output comes from a module loaded in the background; a cue
    // asked for before that starts the loading and waits for it; a module
    // that cannot be found leaves the game silent, nothing more.
    void soundModuleLoadsOnFirstCueOrNeverAndTheGameGoesOn_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<platform::LazySoundOutput::State>("outcome");
        QTest::addRow("beside the game")
            << QStringList{QStringLiteral(SOUND_MODULE)} << platform::LazySoundOutput::State::Ready;
        QTest::addRow("in lib/ after a miss")
            << QStringList{m_dir.filePath(QStringLiteral("none.so")), QStringLiteral(SOUND_MODULE)}
            << platform::LazySoundOutput::State::Ready;
        QTest::addRow("missing")
            << QStringList{m_dir.filePath(QStringLiteral("none.so"))} << platform::LazySoundOutput::State::Missing;
        QTest::addRow("not a module")
            << QStringList{QStringLiteral(SOUND_EXIT_PROBE)} << platform::LazySoundOutput::State::Missing;
    }
    void soundModuleLoadsOnFirstCueOrNeverAndTheGameGoesOn()
    {
        QFETCH(QStringList, paths);
        QFETCH(platform::LazySoundOutput::State, outcome);
        platform::LazySoundOutput output(paths);
        QCOMPARE(output.state(), platform::LazySoundOutput::State::NotLoaded);
        assets::playCue(&output, Cue::PieceTaken);
        QCOMPARE(output.state(), platform::LazySoundOutput::State::Loading);
        assets::playCue(&output, Cue::Click);
        QTRY_COMPARE_WITH_TIMEOUT(output.state(), outcome, 10000);
        output.prepare(); // nothing more
        assets::playCue(&output, Cue::PieceTaken);
        QCOMPARE(output.state(), outcome);
    }

    void programEndsPromptlyWhenTheSoundServerHangs()
    {
        // A "server" that takes the connection and never says a word: the
        // multimedia library waits half a minute for it, on the player thread.
        QLocalServer hung;
        QVERIFY(hung.listen(m_dir.filePath(QStringLiteral("hung"))));
        QProcess probe;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), QLatin1String("unix:") + hung.fullServerName());
        probe.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        probe.start(QStringLiteral(SOUND_EXIT_PROBE), {});
        QVERIFY2(probe.waitForFinished(25000), "the program waited for the hung server");
        // About two seconds of waiting for the player, not thirty.
        QVERIFY2(timer.elapsed() < 15000, qPrintable(QString::number(timer.elapsed())));
        const QString out = QString::fromLocal8Bit(probe.readAllStandardOutput());
        QCOMPARE(probe.exitCode(), 0);
        QVERIFY2(out.contains(QLatin1String("sound thread left behind: yes")), qPrintable(out));
        const qsizetype at = out.indexOf(QLatin1String("slowest cue call: "));
        QVERIFY2(at >= 0 && out.mid(at + 18).section(QLatin1Char(' '), 0, 0).toLongLong() < 250000, qPrintable(out));
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<platform::AudioOutput> m_output;
    std::unique_ptr<RecordingOutput> m_recording;
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
