/*
 * Checks that every sound cue in src/assets/sounds decodes with
 * libsndfile in the encoding the game expects, is mono, has the right
 * sample rate, is short, and actually makes a sound without clipping.
 *
 * Build and run (from the repository root; needs libsndfile1-dev):
 *     cc -O2 -Wall -o /tmp/check_sounds tools/check_sounds.c -lsndfile -lm
 *     /tmp/check_sounds src/assets/sounds
 * Exit status is non-zero if any cue is wrong.
 */
#include <math.h>
#include <stdio.h>
#include <string.h>

#include <sndfile.h>

struct cue {
    int id;
    int rate;
    int subtype; /* SF_FORMAT_PCM_U8, SF_FORMAT_MS_ADPCM, ... */
    double max_seconds;
};

static const struct cue cues[] = {
    {201, 11025, SF_FORMAT_PCM_U8, 2.0},
    {202, 11025, SF_FORMAT_PCM_U8, 2.0},
    {203, 11025, SF_FORMAT_PCM_U8, 2.0},
    {204, 8000, SF_FORMAT_MPEG_LAYER_III, 2.0},
    {206, 8000, SF_FORMAT_MS_ADPCM, 2.0},
    {207, 8402, SF_FORMAT_PCM_U8, 2.0},
    {208, 12000, SF_FORMAT_MPEG_LAYER_III, 2.0},
    {210, 8000, SF_FORMAT_MPEG_LAYER_III, 2.0},
    {211, 8000, SF_FORMAT_PCM_U8, 0.2},
};

static const char *subtype_name(int st)
{
    switch (st) {
    case SF_FORMAT_PCM_U8: return "PCM u8";
    case SF_FORMAT_MS_ADPCM: return "MS ADPCM";
    case SF_FORMAT_MPEG_LAYER_III: return "MPEG Layer III";
    default: return "other";
    }
}

int main(int argc, char **argv)
{
    const char *dir = argc > 1 ? argv[1] : "src/assets/sounds";
    int passed = 0, failed = 0;

    for (size_t i = 0; i < sizeof cues / sizeof cues[0]; i++) {
        const struct cue *c = &cues[i];
        char path[4096];
        snprintf(path, sizeof path, "%s/%d.wav", dir, c->id);

        SF_INFO info;
        memset(&info, 0, sizeof info);
        SNDFILE *f = sf_open(path, SFM_READ, &info);
        if (!f) {
            printf("FAIL %d: cannot open: %s\n", c->id, sf_strerror(NULL));
            failed++;
            continue;
        }

        /* Read everything in chunks until the decoder says it is done. */
        float buf[1024];
        sf_count_t n, total = 0;
        double peak = 0.0;
        while ((n = sf_readf_float(f, buf, (sf_count_t)(sizeof buf / sizeof buf[0]) / (info.channels > 0 ? info.channels : 1))) > 0) {
            for (sf_count_t k = 0; k < n * info.channels; k++)
                if (fabs(buf[k]) > peak)
                    peak = fabs(buf[k]);
            total += n;
        }
        int err = sf_error(f);
        sf_close(f);

        double seconds = info.samplerate > 0 ? (double)total / info.samplerate : 0.0;
        int major = info.format & SF_FORMAT_TYPEMASK;
        int sub = info.format & SF_FORMAT_SUBMASK;

        char why[256] = "";
        if (err)
            snprintf(why, sizeof why, "decode error %d", err);
        else if (major != SF_FORMAT_WAV)
            snprintf(why, sizeof why, "container is not WAV (0x%x)", major);
        else if (sub != c->subtype)
            snprintf(why, sizeof why, "encoding is %s, want %s", subtype_name(sub), subtype_name(c->subtype));
        else if (info.samplerate != c->rate)
            snprintf(why, sizeof why, "rate %d, want %d", info.samplerate, c->rate);
        else if (info.channels != 1)
            snprintf(why, sizeof why, "%d channels, want mono", info.channels);
        else if (total == 0)
            snprintf(why, sizeof why, "no frames");
        else if (seconds >= c->max_seconds)
            snprintf(why, sizeof why, "%.3f s long, want under %.2f s", seconds, c->max_seconds);
        else if (peak < 0.1)
            snprintf(why, sizeof why, "nearly silent (peak %.3f)", peak);
        else if (peak >= 0.99)
            snprintf(why, sizeof why, "clipping (peak %.3f)", peak);

        printf("%s %d: %-14s %5d Hz  %d ch  %6ld frames  %.3f s  peak %.3f%s%s\n",
               why[0] ? "FAIL" : "ok  ", c->id, subtype_name(sub), info.samplerate,
               info.channels, (long)total, seconds, peak, why[0] ? "  -- " : "", why);
        if (why[0])
            failed++;
        else
            passed++;
    }
    printf("%d passed, %d failed\n", passed, failed);
    return failed ? 1 : 0;
}
