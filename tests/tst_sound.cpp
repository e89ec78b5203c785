// The sound cues: the resources themselves, decoding, PlayCue, and the real
// audio output on a machine without a sound server (and, through a separate
// process, with a server that never answers). That cues really reach a sound
// server is shown by tst_sound_pulse.

#include "platform/AudioOutput.h"
#include "platform/SoundDecoder.h"
#include "resources/Resources.h"
#include "startup/NewPuzzle.h"
#include "support/FakeServices.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <cstdlib>
#include <memory>

namespace {

const QList<int> CueIds = {201, 202, 203, 204, 206, 207, 208, 210, 211};

QByteArray cue(int id)
{
    return resources::LoadResData(id, QStringLiteral("SOUND"));
}

// Every cue's "fmt " chunk comes first, its body at byte 20.
constexpr int Fmt = 20;

int formatTag(const QByteArray &wav)
{
    return wav.mid(12, 4) == "fmt " ? qFromLittleEndian<quint16>(wav.constData() + Fmt) : -1;
}

// Returns cue 201 with a 16- or 32-bit field of its fmt chunk overwritten.
template<typename T>
QByteArray withFmtField(int offset, T value)
{
    QByteArray wav = cue(201);
    qToLittleEndian<T>(value, wav.data() + Fmt + offset);
    return wav;
}

int peak(const platform::DecodedSound &sound)
{
    int p = 0;
    const qsizetype n = sound.frames() * sound.channels;
    for (qsizetype i = 0; i < n; ++i)
        p = std::max(p, std::abs(int(sound.samples()[i])));
    return p;
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
        NewPuzzle::InstallServices(m_fakes.services());
    }

    void init()
    {
        m_fakes.sound.played.clear();
        m_fakes.services().sound = &m_fakes.sound;
        NewPuzzle::SoundBuffer.clear();
    }

    void cleanup()
    {
        m_fakes.services().sound = &m_fakes.sound;
        m_output.reset();
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
        QCOMPARE(formatTag(wav), tag);

        const platform::DecodedSound sound = platform::DecodeSound(wav);
        QCOMPARE(sound.sampleRate, rate);
        QCOMPARE(sound.channels, 1);
        // At least a fiftieth of a second, and well above silence.
        QVERIFY2(sound.frames() >= rate / 50, qPrintable(QString::number(sound.frames())));
        QVERIFY2(peak(sound) > 8000, qPrintable(QString::number(peak(sound))));
    }

    void badBytesDecodeToNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("empty") << QByteArray();
        QTest::addRow("text") << QByteArray("This is not a sound at all. ").repeated(20);
        QTest::addRow("header without samples") << cue(201).left(44);
        QTest::addRow("no channels") << withFmtField<quint16>(2, 0);
        QTest::addRow("rate of 0") << withFmtField<quint32>(4, 0);
        QTest::addRow("unknown encoding") << withFmtField<quint16>(0, 0x7777);
    }
    void badBytesDecodeToNothing()
    {
        QFETCH(QByteArray, bytes);
        const platform::DecodedSound sound = platform::DecodeSound(bytes);
        QVERIFY(sound.isNull());
        QCOMPARE(sound.frames(), 0);
    }

    void cutShortCueDecodesWhatThereIs()
    {
        // The header still promises the whole cue; reading stops where the
        // bytes end. PCM, MP3 and MS ADPCM.
        for (int id : {201, 204, 206}) {
            const QByteArray whole = cue(id);
            const platform::DecodedSound full = platform::DecodeSound(whole);
            const platform::DecodedSound part = platform::DecodeSound(whole.left(whole.size() * 2 / 3));
            QVERIFY(!part.isNull());
            QCOMPARE(part.sampleRate, full.sampleRate);
            QVERIFY(part.frames() < full.frames());
        }
    }

    void soundLongerThanTheLimitIsRefused()
    {
        // Cue 207 lasts 1.1 s.
        QVERIFY(!platform::DecodeSound(cue(207), 2).isNull());
        QVERIFY(platform::DecodeSound(cue(207), 1).isNull());
    }

    void playCueKeepsTheBytesOfTheCueLastStarted()
    {
        NewPuzzle::PlayCue(204);
        QCOMPARE(m_fakes.sound.played, QList<int>{204});
        QCOMPARE(NewPuzzle::SoundBuffer, cue(204));
        QCOMPARE(m_fakes.sound.lastBytes, NewPuzzle::SoundBuffer);

        NewPuzzle::PlayCue(201);
        QCOMPARE(m_fakes.sound.played, (QList<int>{204, 201}));
        QCOMPARE(NewPuzzle::SoundBuffer, cue(201));
        QVERIFY(NewPuzzle::SoundBuffer.startsWith("RIFF"));
    }

    void withoutASoundServerEveryCueIsSkippedQuietly()
    {
        m_output = platform::makeAudioOutput();
        m_fakes.services().sound = m_output.get();
        for (int id : CueIds) {
            // The call is the same as with sound: the bytes kept, events run.
            bool ran = false;
            QTimer::singleShot(0, this, [&ran] { ran = true; });
            NewPuzzle::PlayCue(id);
            QVERIFY(ran);
            QCOMPARE(NewPuzzle::SoundBuffer, cue(id));
            QVERIFY(m_output->waitUntilIdle(10000));
        }
        const platform::AudioReport report = m_output->report();
        QCOMPARE(report.requests, 9);
        QCOMPARE(report.decodes, 9);
        QCOMPARE(report.started, 0);
        QCOMPARE(report.skipped, 9);
    }

    void twoCuesInQuickSuccessionReturnAtOnceAndTheSecondWins()
    {
        m_output = platform::makeAudioOutput();
        m_fakes.services().sound = m_output.get();
        // Whatever the player thread is doing, the window's thread only hands
        // the cue over; a quarter of a second would already be a stall.
        QElapsedTimer timer;
        timer.start();
        NewPuzzle::PlayCue(201);
        NewPuzzle::PlayCue(210);
        QVERIFY2(timer.elapsed() < 250, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(NewPuzzle::SoundBuffer, cue(210));

        QVERIFY(m_output->waitUntilIdle(10000));
        const platform::AudioReport report = m_output->report();
        QCOMPARE(report.requests, 2);
        // The first was either dropped before it began or dealt with first.
        QCOMPARE(report.superseded + report.skipped + report.started, 2);
        QCOMPARE(report.started, 0);
    }

    void eachCueIsDecodedOnce_data()
    {
        QTest::addColumn<QList<QByteArray>>("plays"); // all under id 201
        QTest::addColumn<int>("decodes");
        QTest::addColumn<int>("skipped");
        const QByteArray junk = QByteArray("RIFF....WAVEjunk").repeated(8);
        QTest::newRow("the same cue again") << QList<QByteArray>{cue(201), cue(201), cue(201)} << 1 << 3;
        QTest::newRow("other bytes under the same id") << QList<QByteArray>{cue(201), cue(202)} << 2 << 2;
        QTest::newRow("undecodable, not tried again") << QList<QByteArray>{junk, junk} << 1 << 2;
    }
    void eachCueIsDecodedOnce()
    {
        QFETCH(QList<QByteArray>, plays);
        QFETCH(int, decodes);
        QFETCH(int, skipped);
        m_output = platform::makeAudioOutput();
        for (const QByteArray &wav : plays) {
            m_output->play(201, wav);
            QVERIFY(m_output->waitUntilIdle(10000));
        }
        QCOMPARE(m_output->report().decodes, decodes);
        QCOMPARE(m_output->report().skipped, skipped); // there is no sound server
    }

    void programEndsPromptlyWhenTheSoundServerHangs()
    {
        // A "server" that takes the connection and never says a word: the
        // multimedia library waits half a minute for it, on the player thread.
        QLocalServer hung;
        const QString socket = m_dir.filePath(QStringLiteral("hung"));
        QVERIFY(hung.listen(socket));

        QProcess probe;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), QLatin1String("unix:") + socket);
        probe.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        probe.start(QStringLiteral(SOUND_EXIT_PROBE), {});
        QVERIFY(probe.waitForStarted(10000));
        QVERIFY2(probe.waitForFinished(25000), "the program waited for the hung server");
        const qint64 took = timer.elapsed();
        const QString out = QString::fromLocal8Bit(probe.readAllStandardOutput());

        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
        QVERIFY2(out.contains(QLatin1String("sound thread left behind: yes")), qPrintable(out));
        // About two seconds of waiting for the player, not thirty.
        QVERIFY2(took < 15000, qPrintable(QString::number(took)));
        const qsizetype at = out.indexOf(QLatin1String("slowest PlayCue: "));
        QVERIFY(at >= 0);
        const qint64 slowestUs = out.mid(at + 17).section(QLatin1Char(' '), 0, 0).toLongLong();
        QVERIFY2(slowestUs < 250000, qPrintable(out));
    }

private:
    QTemporaryDir m_dir;
    FakeServices m_fakes;
    std::unique_ptr<platform::AudioOutput> m_output;
};

QTEST_MAIN(tst_Sound)
#include "tst_sound.moc"
