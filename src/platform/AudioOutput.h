#pragma once

#include "platform/Services.h"

#include <QByteArray>

#include <memory>

class QThread;

namespace platform {

class CuePlayer;
struct AudioShared;

// What the player has done since it was made; read by tests and benchmarks.
struct AudioReport
{
    int requests = 0;    // cues handed to play()
    int superseded = 0;  // replaced by a newer cue before the player reached them
    int decodes = 0;     // decodings: each cue is decoded once, then kept
    int started = 0;     // cues started on the audio device
    int cutOff = 0;      // cues still sounding when a newer one started
    int skipped = 0;     // cues that could not be played (no device, undecodable, refused)
    int lastStarted = 0; // id of the cue last started, 0 before the first
    int sleeps = 0;      // times the output went quiet after a cue and let the device go
};

// The system's sound output. Each cue is decoded once with libsndfile and its
// samples kept; a QAudioSink fed in push mode plays them. The sink and
// everything that talks to the sound server live on a thread of their own:
// play() only hands the cue over and returns, so a slow or hung server never
// holds up the window. Without an audio device a cue is skipped silently.
// A short silence after the last cue stops the sink, so that nothing of the
// sound stack wakes the process up between cues or while the game is paused.
class AudioOutput final : public SoundOutput
{
public:
    AudioOutput();
    ~AudioOutput() override;
    AudioOutput(const AudioOutput &) = delete;
    AudioOutput &operator=(const AudioOutput &) = delete;

    // Starts cue `id` (a whole WAV image), cutting off the cue playing.
    void play(int id, const QByteArray &wav) override;

    AudioReport report() const;

    // Waits until the player has dealt with every cue handed to it; false
    // when it is still busy after `timeoutMs`.
    bool waitUntilIdle(int timeoutMs) const;

private:
    std::shared_ptr<AudioShared> m_shared;
    QThread *m_thread = nullptr;
    CuePlayer *m_player = nullptr;
};

// The system's sound output for the cues.
std::unique_ptr<AudioOutput> makeAudioOutput();

// True once an AudioOutput has had to leave its thread behind, stuck in a call
// to a sound server that does not answer.
bool soundThreadLeftBehind();

// The last step of main(), once every window and service is gone: returns
// `code` for main to return. When a sound thread was left behind, the
// multimedia library's teardown at exit would wait for its call (up to half a
// minute), so the process ends here at once instead, with `code`.
int finishProgram(int code);

} // namespace platform
