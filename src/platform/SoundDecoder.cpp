#include "platform/SoundDecoder.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace platform {

namespace {

// libsndfile reads the cue straight from the bytes in memory.
struct MemoryFile
{
    const QByteArray *bytes = nullptr;
    sf_count_t position = 0;
};

sf_count_t memoryLength(void *user)
{
    return static_cast<MemoryFile *>(user)->bytes->size();
}

sf_count_t memorySeek(sf_count_t offset, int whence, void *user)
{
    auto *file = static_cast<MemoryFile *>(user);
    const sf_count_t length = file->bytes->size();
    sf_count_t target = offset;
    if (whence == SEEK_CUR)
        target = file->position + offset;
    else if (whence == SEEK_END)
        target = length + offset;
    file->position = std::clamp<sf_count_t>(target, 0, length);
    return file->position;
}

sf_count_t memoryRead(void *destination, sf_count_t count, void *user)
{
    auto *file = static_cast<MemoryFile *>(user);
    const sf_count_t available = file->bytes->size() - file->position;
    const sf_count_t n = std::clamp<sf_count_t>(count, 0, available);
    if (n > 0)
        std::memcpy(destination, file->bytes->constData() + file->position, size_t(n));
    file->position += n;
    return n;
}

sf_count_t memoryWrite(const void *, sf_count_t, void *)
{
    return 0; // read only
}

sf_count_t memoryTell(void *user)
{
    return static_cast<MemoryFile *>(user)->position;
}

std::int16_t toSample(float v)
{
    // Decoded MP3 can overshoot full scale slightly.
    const float scaled = std::round(v * 32767.0f);
    return std::int16_t(std::clamp(scaled, -32768.0f, 32767.0f));
}

} // namespace

DecodedSound decodeSound(const QByteArray &wav, int maxSeconds)
{
    if (wav.isEmpty())
        return {};

    SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
    MemoryFile file{&wav, 0};
    SF_INFO info{};
    SNDFILE *sound = sf_open_virtual(&io, SFM_READ, &info, &file);
    if (!sound)
        return {};

    DecodedSound result;
    if (info.channels >= 1 && info.channels <= 8 && info.samplerate >= 1
        && info.samplerate <= 384000) {
        const std::int64_t maxFrames = std::int64_t(maxSeconds) * info.samplerate;
        // The frame count of a compressed stream is only an estimate: read
        // until the decoder runs dry.
        constexpr sf_count_t ChunkFrames = 4096;
        std::vector<float> chunk(size_t(ChunkFrames) * size_t(info.channels));
        std::vector<std::int16_t> samples;
        std::int64_t frames = 0;
        bool tooLong = false;
        for (;;) {
            const sf_count_t got = sf_readf_float(sound, chunk.data(), ChunkFrames);
            if (got <= 0)
                break;
            frames += got;
            if (frames > maxFrames) {
                tooLong = true;
                break;
            }
            const size_t values = size_t(got) * size_t(info.channels);
            for (size_t i = 0; i < values; ++i)
                samples.push_back(toSample(chunk[i]));
        }
        if (!tooLong && !samples.empty()) {
            result.sampleRate = info.samplerate;
            result.channels = info.channels;
            result.pcm = QByteArray(reinterpret_cast<const char *>(samples.data()),
                                    qsizetype(samples.size() * sizeof(std::int16_t)));
        }
    }
    sf_close(sound);
    return result;
}

} // namespace platform
