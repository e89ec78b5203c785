/* The decoder a single-file copy of the game carries: a friend's system may
 * have no zstd program (Debian 12 has none by default). Writes the zstd
 * stream that lies in FILE at OFFSET, LENGTH bytes long, decoded to standard
 * output; fails, saying why, on a stream that is cut short or damaged (each
 * frame carries a checksum of its contents).
 * Usage: unpack FILE OFFSET LENGTH
 * Linked with libzstd statically and with nothing newer than glibc 2.2.5. */
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>
#include <zstd.h>

static int writeAll(const char *data, size_t size)
{
    while (size > 0) {
        ssize_t n = write(STDOUT_FILENO, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return 0;
        data += n;
        size -= (size_t)n;
    }
    return 1;
}

int main(int argc, char **argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: %s FILE OFFSET LENGTH\n", argv[0]);
        return 2;
    }
    char *end = NULL;
    const long long offset = strtoll(argv[2], &end, 10);
    if (*end != '\0' || offset < 0)
        return 2;
    long long left = strtoll(argv[3], &end, 10);
    if (*end != '\0' || left < 0)
        return 2;

    FILE *in = fopen(argv[1], "rb");
    if (!in || fseeko(in, offset, SEEK_SET) != 0) {
        fprintf(stderr, "cannot read %s: %s\n", argv[1], strerror(errno));
        return 1;
    }
    ZSTD_DCtx *context = ZSTD_createDCtx();
    /* The runtime is packed with a long window; more than this is refused. */
    ZSTD_DCtx_setParameter(context, ZSTD_d_windowLogMax, 27);
    const size_t inSize = ZSTD_DStreamInSize(), outSize = ZSTD_DStreamOutSize();
    char *inBuffer = malloc(inSize), *outBuffer = malloc(outSize);
    if (!context || !inBuffer || !outBuffer)
        return 1;
    size_t pending = 0; /* 0 once a frame has ended */
    while (left > 0) {
        const size_t wanted = left < (long long)inSize ? (size_t)left : inSize;
        const size_t got = fread(inBuffer, 1, wanted, in);
        if (got == 0) {
            fprintf(stderr, "%s is cut short\n", argv[1]);
            return 1;
        }
        left -= (long long)got;
        ZSTD_inBuffer input = {inBuffer, got, 0};
        while (input.pos < input.size) {
            ZSTD_outBuffer output = {outBuffer, outSize, 0};
            pending = ZSTD_decompressStream(context, &output, &input);
            if (ZSTD_isError(pending)) {
                fprintf(stderr, "%s is damaged: %s\n", argv[1], ZSTD_getErrorName(pending));
                return 1;
            }
            if (!writeAll(outBuffer, output.pos)) {
                fprintf(stderr, "cannot write: %s\n", strerror(errno));
                return 1;
            }
        }
    }
    /* The decoder keeps the last byte of a frame until it has written the
     * whole frame out: a stream that ended mid-frame is one cut short. */
    if (pending != 0) {
        fprintf(stderr, "%s is cut short\n", argv[1]);
        return 1;
    }
    return 0;
}
