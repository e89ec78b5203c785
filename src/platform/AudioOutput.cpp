#include "platform/AudioOutput.h"

#include "platform/SoundDecoder.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QHash>
#include <QMediaDevices>
#include <QMutex>
#include <QMutexLocker>
#include <QObject>
#include <QThread>
#include <QTimer>
#include <QWaitCondition>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace platform {

namespace {
std::atomic<bool> g_threadLeftBehind = false;

// How long the output stays awake after a cue has run out: a sink that runs
// on in silence wakes the process up fifty times a second.
constexpr int SilenceBeforeSleepMs = 500;
} // namespace

// State shared by the window's thread and the player's thread, under one lock.
// Shared ownership lets it outlive an AudioOutput whose thread could not be
// stopped (a hung sound server).
struct AudioShared
{
    struct Request
    {
        int id = 0;
        QByteArray wav;
    };

    mutable QMutex mutex;
    QWaitCondition idle;
    std::optional<Request> pending; // only the newest cue waits: older ones are stale
    bool posted = false;            // a call to the player is on its way
    bool working = false;           // the player is busy with a cue
    bool closing = false;
    AudioReport report;
};

// Lives on the player thread: the cache of decoded cues and the one sink.
class CuePlayer final : public QObject
{
public:
    explicit CuePlayer(std::shared_ptr<AudioShared> shared) : m_shared(std::move(shared))
    {
        m_feeder.setInterval(10);
        connect(&m_feeder, &QTimer::timeout, this, &CuePlayer::feed);
        m_sleep.setSingleShot(true);
        connect(&m_sleep, &QTimer::timeout, this, &CuePlayer::sleep);
    }

    // Connects to the sound server ahead of the first cue, so that the first
    // cue does not wait for it.
    void warmUp() { (void)QMediaDevices::defaultAudioOutput(); }

    void handlePending()
    {
        AudioShared::Request request;
        {
            QMutexLocker lock(&m_shared->mutex);
            m_shared->posted = false;
            if (!m_shared->pending || m_shared->closing)
                return;
            request = std::move(*m_shared->pending);
            m_shared->pending.reset();
            m_shared->working = true;
        }
        const Outcome outcome = playCue(request.id, request.wav);
        QMutexLocker lock(&m_shared->mutex);
        AudioReport &r = m_shared->report;
        r.decodes += outcome.decoded ? 1 : 0;
        r.cutOff += outcome.cutOff ? 1 : 0;
        if (outcome.started) {
            ++r.started;
            r.lastStarted = request.id;
        } else {
            ++r.skipped;
        }
        m_shared->working = false;
        m_shared->idle.wakeAll();
    }

    void shutdown()
    {
        dropSink();
        m_cache.clear();
    }

private:
    struct Outcome
    {
        bool decoded = false;
        bool started = false;
        bool cutOff = false;
    };

    struct CachedCue
    {
        QByteArray wav; // the bytes it was decoded from
        DecodedSound sound;
    };

    Outcome playCue(int id, const QByteArray &wav)
    {
        Outcome outcome;
        // The cache is by id; the bytes are compared too, so that different
        // data under an id already seen is never played as the old cue.
        auto it = m_cache.find(id);
        if (it == m_cache.end() || it->wav != wav) {
            it = m_cache.insert(id, CachedCue{wav, decodeSound(wav)});
            outcome.decoded = true;
        }
        const DecodedSound &sound = it->sound;
        if (sound.isNull())
            return outcome; // the cue playing plays on

        // Whatever happens next, the cue playing stops.
        outcome.cutOff = m_sink && m_sounding.isValid() && m_sounding.elapsed() < m_soundingMs;

        // Asked every time: the default device can change, or vanish.
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) {
            dropSink();
            return outcome;
        }

        QAudioFormat format;
        format.setSampleRate(sound.sampleRate);
        format.setChannelCount(sound.channels);
        format.setSampleFormat(QAudioFormat::Int16);

        if (m_sink && (m_sinkFormat != format || m_sinkDevice != device.id()))
            dropSink();
        if (!m_sink) {
            m_sink = new QAudioSink(device, format, this);
            m_sinkFormat = format;
            m_sinkDevice = device.id();
        }

        // Stopping cuts the cue playing off at once.
        m_feeder.stop();
        m_sink->stop();
        m_rest.clear();
        // A sink's buffer shrinks at every start unless it is set again, and
        // the server holds playback back until the buffer has filled: a
        // buffer of exactly the cue (up to a couple of seconds) starts it as
        // soon as it has been written.
        const qsizetype limit = qsizetype(format.bytesForDuration(2'000'000));
        m_sink->setBufferSize(std::min(sound.pcm.size(), limit));
        m_io = m_sink->start();
        if (!m_io || m_sink->error() != QAudio::NoError) {
            dropSink();
            return outcome;
        }
        const qint64 written = m_io->write(sound.pcm);
        if (written < 0) {
            dropSink();
            return outcome;
        }
        if (written < sound.pcm.size()) {
            m_rest = sound.pcm.mid(written);
            m_feeder.start();
        }
        m_sounding.start();
        m_soundingMs = format.durationForBytes(qint32(sound.pcm.size())) / 1000;
        m_sleep.start(int(m_soundingMs) + SilenceBeforeSleepMs);
        outcome.started = true;
        return outcome;
    }

    // Pushes what did not fit at the start as room comes free.
    void feed()
    {
        if (!m_sink || !m_io || m_rest.isEmpty()) {
            m_feeder.stop();
            return;
        }
        const qsizetype room = m_sink->bytesFree();
        if (room <= 0)
            return;
        const qint64 written = m_io->write(m_rest.constData(), std::min(room, m_rest.size()));
        if (written < 0) {
            m_rest.clear();
            m_feeder.stop();
            return;
        }
        m_rest.remove(0, qsizetype(written));
        if (m_rest.isEmpty())
            m_feeder.stop();
    }

    // The cue has run out: the sink stops (it is started again for the next
    // cue), and with it its timer and its stream on the server.
    void sleep()
    {
        if (!m_sink)
            return;
        if (!m_rest.isEmpty()) {
            m_sleep.start(SilenceBeforeSleepMs);
            return;
        }
        m_sink->stop();
        m_io = nullptr;
        m_sounding.invalidate();
        QMutexLocker lock(&m_shared->mutex);
        ++m_shared->report.sleeps;
    }

    void dropSink()
    {
        m_sleep.stop();
        m_feeder.stop();
        m_rest.clear();
        m_io = nullptr;
        m_sounding.invalidate();
        if (m_sink) {
            // A sink must be stopped before it goes: its destructor runs the
            // event loop, and a running stream would call back into it.
            m_sink->stop();
            delete m_sink;
            m_sink = nullptr;
        }
    }

    std::shared_ptr<AudioShared> m_shared;
    QHash<int, CachedCue> m_cache;
    QAudioSink *m_sink = nullptr;
    QAudioFormat m_sinkFormat;
    QByteArray m_sinkDevice;
    QIODevice *m_io = nullptr; // owned by the sink
    QByteArray m_rest;
    QTimer m_feeder{this};
    QTimer m_sleep{this};
    QElapsedTimer m_sounding;
    qint64 m_soundingMs = 0;
};

AudioOutput::AudioOutput() : m_shared(std::make_shared<AudioShared>())
{
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("sound"));
    m_player = new CuePlayer(m_shared);
    m_player->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_player, &QObject::deleteLater);
    m_thread->start();
    QMetaObject::invokeMethod(m_player, &CuePlayer::warmUp, Qt::QueuedConnection);
}

AudioOutput::~AudioOutput()
{
    {
        QMutexLocker lock(&m_shared->mutex);
        m_shared->closing = true;
        m_shared->pending.reset();
    }
    QMetaObject::invokeMethod(m_player, &CuePlayer::shutdown, Qt::QueuedConnection);
    m_thread->quit();
    // A sound server that hangs can hold the thread inside a call that never
    // returns; the program must still end, so the thread is left behind then.
    if (m_thread->wait(QDeadlineTimer(2000)))
        delete m_thread;
    else
        g_threadLeftBehind = true;
}

void AudioOutput::play(int id, const QByteArray &wav)
{
    QMutexLocker lock(&m_shared->mutex);
    if (m_shared->closing)
        return;
    ++m_shared->report.requests;
    if (m_shared->pending)
        ++m_shared->report.superseded;
    m_shared->pending = AudioShared::Request{id, wav};
    if (!m_shared->posted) {
        m_shared->posted = true;
        QMetaObject::invokeMethod(m_player, &CuePlayer::handlePending, Qt::QueuedConnection);
    }
}

AudioReport AudioOutput::report() const
{
    QMutexLocker lock(&m_shared->mutex);
    return m_shared->report;
}

bool AudioOutput::waitUntilIdle(int timeoutMs) const
{
    QDeadlineTimer deadline(timeoutMs);
    QMutexLocker lock(&m_shared->mutex);
    while (m_shared->pending || m_shared->working) {
        if (!m_shared->idle.wait(&m_shared->mutex, deadline))
            return !m_shared->pending && !m_shared->working;
    }
    return true;
}

std::unique_ptr<AudioOutput> makeAudioOutput()
{
    return std::make_unique<AudioOutput>();
}

bool soundThreadLeftBehind()
{
    return g_threadLeftBehind;
}

int finishProgram(int code)
{
    if (soundThreadLeftBehind()) {
        // Everything of the game's own is saved and closed by now.
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}

} // namespace platform
