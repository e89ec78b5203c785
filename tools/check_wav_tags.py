#!/usr/bin/env python3
"""Reads the RIFF chunks of every sound cue and checks the fmt chunk:
format tag (1 = PCM, 0x55 = MPEG Layer-3, 2 = Microsoft ADPCM), mono,
sample rate and, for PCM, 8 bits per sample.  Also checks that the RIFF
size and chunk sizes add up and that a data chunk is present.

    python3 tools/check_wav_tags.py [src/assets/sounds]

Exit status is non-zero if any file is wrong.
"""
import struct
import sys
from pathlib import Path

PCM, ADPCM_MS, MP3 = 0x0001, 0x0002, 0x0055
EXPECTED = {
    201: (PCM, 11025),
    202: (PCM, 11025),
    203: (PCM, 11025),
    204: (MP3, 8000),
    206: (ADPCM_MS, 8000),
    207: (PCM, 8402),
    208: (MP3, 12000),
    210: (MP3, 8000),
    211: (PCM, 8000),
}


def chunks(data):
    if len(data) < 12 or data[0:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise ValueError("not a RIFF/WAVE file")
    riff_size = struct.unpack_from("<I", data, 4)[0]
    if riff_size + 8 != len(data):
        raise ValueError(f"RIFF size {riff_size + 8} != file size {len(data)}")
    pos = 12
    while pos < len(data):
        if pos + 8 > len(data):
            raise ValueError("truncated chunk header")
        cid, size = data[pos:pos + 4], struct.unpack_from("<I", data, pos + 4)[0]
        if pos + 8 + size > len(data):
            raise ValueError(f"chunk {cid!r} runs past end of file")
        yield cid, data[pos + 8:pos + 8 + size]
        pos += 8 + size + (size & 1)


def check(path, tag_want, rate_want):
    found = dict(chunks(path.read_bytes()))
    if b"fmt " not in found or b"data" not in found:
        raise ValueError("missing fmt or data chunk")
    if not found[b"data"]:
        raise ValueError("empty data chunk")
    tag, ch, rate, _bps, _align, bits = struct.unpack_from("<HHIIHH", found[b"fmt "])
    desc = f"tag 0x{tag:04x} ch {ch} rate {rate} bits {bits} data {len(found[b'data'])} bytes"
    if tag != tag_want:
        raise ValueError(f"{desc}: want tag 0x{tag_want:04x}")
    if ch != 1:
        raise ValueError(f"{desc}: want mono")
    if rate != rate_want:
        raise ValueError(f"{desc}: want rate {rate_want}")
    if tag == PCM and bits != 8:
        raise ValueError(f"{desc}: want 8-bit PCM")
    return desc


def main():
    d = Path(sys.argv[1] if len(sys.argv) > 1 else "src/assets/sounds")
    passed = failed = 0
    for cid, (tag, rate) in sorted(EXPECTED.items()):
        p = d / f"{cid}.wav"
        try:
            print(f"ok   {cid}: {check(p, tag, rate)}")
            passed += 1
        except (OSError, ValueError, struct.error) as e:
            print(f"FAIL {cid}: {e}")
            failed += 1
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
