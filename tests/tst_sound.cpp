// The sound cues: the resources themselves, their decoding, and PlayCue
// through the real audio output on a machine without a sound server (and,
// through a separate process, with a server that never answers). That cues
// really reach a sound server is shown by tst_sound_pulse.

#include "platform/AudioOutput.h"
#include "platform/SoundDecoder.h"
#include "assets/Assets.h"
#include "ui/Startup.h"
#include "support/FakeServices.h"

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

namespace {

QByteArray cue(int id)
{
    return resources::LoadResData(id, QStringLiteral("SOUND"));
}

} // namespace

class tst_Sound : public QObject
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
        m_fakes.services().sound = m_output.get();
        NewPuzzle::InstallServices(m_fakes.services());
    }

    void everyCueDecodesToSoundAtItsOwnRate_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("rate");
        const int Pcm = 1, Adpcm = 2, Mp3 = 0x55;
        QTest::addRow("201 pick-up") << 201 << Pcm << 11025;
        QTest::addRow("202 back") << 202 << Pcm << 11025;
        QTest::addRow("203 select") << 203 << Pcm << 11025;
        QTest::addRow("204 play") << 204 << Mp3 << 8000;
        QTest::addRow("206 time over") << 206 << Adpcm << 8000;
        QTest::addRow("207 info") << 207 << Pcm << 8402;
        QTest::addRow("208 reset") << 208 << Mp3 << 12000;
        QTest::addRow("210 solved") << 210 << Mp3 << 8000;
        QTest::addRow("211 warning") << 211 << Pcm << 8000;
    }
    void everyCueDecodesToSoundAtItsOwnRate()
    {
        QFETCH(int, id);
        QFETCH(int, tag);
        QFETCH(int, rate);
        const QByteArray wav = cue(id);
        // Every cue's "fmt " chunk comes first, its format tag at byte 20.
        QCOMPARE(wav.mid(12, 4), QByteArray("fmt "));
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 20), tag);

        const platform::DecodedSound sound = platform::DecodeSound(wav);
        QCOMPARE(sound.sampleRate, rate);
        QCOMPARE(sound.channels, 1);
        // Well above silence somewhere.
        const auto *samples = sound.samples();
        QVERIFY(std::any_of(samples, samples + sound.frames(), [](auto s) { return std::abs(int(s)) > 8000; }));
    }

    void withoutASoundServerEveryCueReturnsAtOnceAndIsSkipped()
    {
        const platform::AudioReport before = m_output->report();
        for (int id : {201, 204, 206}) {
            // The call is the same as with sound: the bytes kept, events run.
            bool ran = false;
            QTimer::singleShot(0, this, [&ran] { ran = true; });
            QElapsedTimer timer;
            timer.start();
            NewPuzzle::PlayCue(id);
            QVERIFY2(timer.elapsed() < 250, qPrintable(QString::number(timer.elapsed())));
            QVERIFY(ran);
            QCOMPARE(NewPuzzle::SoundBuffer, cue(id));
            QVERIFY(m_output->waitUntilIdle(10000));
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
        NewPuzzle::PlayCue(202);
        NewPuzzle::PlayCue(210);
        QVERIFY2(timer.elapsed() < 250, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(NewPuzzle::SoundBuffer, cue(210));
        QVERIFY(m_output->waitUntilIdle(10000));
        const platform::AudioReport report = m_output->report();
        QCOMPARE(report.requests, before.requests + 2);
        // The first was either dropped before it began or dealt with first.
        QCOMPARE(report.superseded + report.skipped, before.superseded + before.skipped + 2);
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
        const qsizetype at = out.indexOf(QLatin1String("slowest PlayCue: "));
        QVERIFY2(at >= 0 && out.mid(at + 17).section(QLatin1Char(' '), 0, 0).toLongLong() < 250000, qPrintable(out));
    }

private:
    QTemporaryDir m_dir;
    FakeServices m_fakes;
    std::unique_ptr<platform::AudioOutput> m_output;
};

QTEST_MAIN(tst_Sound)
#include "tst_sound.moc"
