#pragma once

#include <QByteArray>

#include <cstdint>

namespace platform {

// A sound decoded to signed 16-bit samples in the machine's byte order,
// channels interleaved.
struct DecodedSound
{
    int sampleRate = 0;
    int channels = 0;
    QByteArray pcm;

    bool isNull() const { return pcm.isEmpty(); }
    std::int64_t frames() const
    {
        return channels > 0 ? pcm.size() / (2 * std::int64_t(channels)) : 0;
    }
    const std::int16_t *samples() const
    {
        return reinterpret_cast<const std::int16_t *>(pcm.constData());
    }
};

// Decodes a whole WAV image held in memory (8-bit PCM, Microsoft ADPCM,
// MPEG Layer-3 inside WAV, and whatever else libsndfile reads). A null result
// for bytes that do not decode, for an absurd header (no channels, a rate of
// 0), and for a sound longer than a cue could sensibly be (`maxSeconds`).
DecodedSound decodeSound(const QByteArray &wav, int maxSeconds = 60);

} // namespace platform
