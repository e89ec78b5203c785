#!/usr/bin/env bash
# Builds the game's sound cues into src/assets/sounds/<id>.wav.
#
# Every cue is synthesized here with sox and then packed by ffmpeg into the
# exact WAV encoding the game loads for that id (unsigned 8-bit PCM, MPEG
# Layer-3 inside WAV, or Microsoft ADPCM). All cues are mono.
#
# Needs: sox, ffmpeg (built with libmp3lame).  Run from anywhere:
#     tools/make_sounds.sh
# Running it again rebuilds the same files.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out="$here/../src/assets/sounds"
mkdir -p "$out"
out=$(cd "$out" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# -R: the same "random" noise on every run, so rebuilding gives the same cue.
SOX=(sox -R -V1)

# note NAME RATE SECONDS SYNTH-ARGS... -- EFFECTS...
# One synthesized mono segment, written as 32-bit float at RATE.
note() {
    local name=$1 rate=$2 len=$3
    shift 3
    local synth=() fx=()
    while (($#)) && [[ $1 != -- ]]; do synth+=("$1"); shift; done
    (($#)) && shift
    fx=("$@")
    "${SOX[@]}" -n -r "$rate" -c 1 -e floating-point -b 32 "$work/$name.wav" \
        synth "$len" "${synth[@]}" "${fx[@]}"
}

# finish NAME ... : normalise to -3 dBFS (head-room: no clipping, also after
# MP3 decoding) and put a few milliseconds of fade on both ends against pops.
finish() {
    local name=$1 len
    len=$(soxi -D "$work/$name.wav")
    "${SOX[@]}" "$work/$name.wav" "$work/$name.fin.wav" \
        fade h 0.004 "$len" 0.012 gain -n -3
}

# Packing into the game's encodings.  -bitexact and no metadata keep ffmpeg
# from stamping its version into the files, so rebuilds are stable.
FF=(ffmpeg -nostdin -hide_banner -loglevel error -y)
pack_u8() {     # id rate
    "${FF[@]}" -i "$work/$1.fin.wav" -map_metadata -1 -fflags +bitexact \
        -ac 1 -ar "$2" -c:a pcm_u8 -flags +bitexact "$out/$1.wav"
}
pack_mp3() {    # id rate
    "${FF[@]}" -i "$work/$1.fin.wav" -map_metadata -1 -fflags +bitexact \
        -ac 1 -ar "$2" -c:a libmp3lame -b:a 32k -flags +bitexact \
        -f wav "$out/$1.wav"
}
pack_adpcm() {  # id rate
    "${FF[@]}" -i "$work/$1.fin.wav" -map_metadata -1 -fflags +bitexact \
        -ac 1 -ar "$2" -c:a adpcm_ms -flags +bitexact "$out/$1.wav"
}

# mix OUT IN... : add segments together.   seq OUT IN... : one after another.
mix() { local o=$1; shift; "${SOX[@]}" -m "${@/#/$work/}" "$work/$o"; }
seq_() { local o=$1; shift; "${SOX[@]}" "${@/#/$work/}" "$work/$o"; }

# ---------------------------------------------------------------------------
# 201  a soft pick-up click (also heard when a piece snaps home)
#      A short woody knock: a low thump with a brighter tap on top, both
#      dying away within a few hundredths of a second.
R=11025
note 201a $R 0.07 sine 520/300 -- fade l 0 0.07 0.068
note 201b $R 0.07 sine 1650 -- fade l 0 0.07 0.062 vol 0.45
note 201c $R 0.07 whitenoise -- lowpass 3000 fade l 0 0.07 0.066 vol 0.25
mix 201.wav 201a.wav 201b.wav 201c.wav
finish 201
pack_u8 201 $R

# 202  bounce-back: the piece springs home with a short falling "boing"
note 202a $R 0.38 sine 760/210 -- tremolo 17 55 fade q 0.003 0.38 0.3
note 202b $R 0.38 triangle 1520/420 -- tremolo 17 55 fade q 0.003 0.38 0.33 vol 0.25
mix 202.wav 202a.wav 202b.wav
finish 202
pack_u8 202 $R

# 203  a light select tick
note 203a $R 0.03 sine 2900 -- fade l 0 0.03 0.028
note 203b $R 0.03 whitenoise -- highpass 2500 fade l 0 0.03 0.025 vol 0.3
mix 203.wav 203a.wav 203b.wav
finish 203
pack_u8 203 $R

# ---------------------------------------------------------------------------
# 204  start flourish: a quick rising arpeggio C5 E5 G5 C6, last note rings
R=8000
i=0
for f in 523.25 659.26 783.99 1046.5; do
    len=0.09; ((i == 3)) && len=0.34
    note "204n$i" $R $len square "$f" -- lowpass 2200 \
        fade q 0.004 $len "$(awk -v l=$len 'BEGIN{print l*0.8}')" vol 0.6
    note "204h$i" $R $len sine "$f" -- \
        fade q 0.004 $len "$(awk -v l=$len 'BEGIN{print l*0.8}')"
    mix "204s$i.wav" "204n$i.wav" "204h$i.wav"
    i=$((i + 1))
done
seq_ 204.wav 204s0.wav 204s1.wav 204s2.wav 204s3.wav
finish 204
pack_mp3 204 $R

# 206  "time over": a slow falling phrase G4 E4 C4 with a long low last note
R=8000
i=0
for f in 392.00 329.63 261.63; do
    len=0.22; ((i == 2)) && len=0.6
    note "206a$i" $R $len triangle "$f" -- \
        fade q 0.01 $len "$(awk -v l=$len 'BEGIN{print l*0.85}')"
    note "206b$i" $R $len square "$f" -- lowpass 1200 \
        fade q 0.01 $len "$(awk -v l=$len 'BEGIN{print l*0.85}')" vol 0.3
    mix "206s$i.wav" "206a$i.wav" "206b$i.wav"
    i=$((i + 1))
done
seq_ 206.wav 206s0.wav 206s1.wav 206s2.wav
finish 206
pack_adpcm 206 $R

# 207  a chime: bell-like partials (1, 2.76, 5.4 times the base) that ring out
R=8402
note 207a $R 1.1 sine 1046.5 -- fade l 0.002 1.1 1.09
note 207b $R 1.1 sine 2888 -- fade l 0.002 1.1 0.7 vol 0.45
note 207c $R 1.1 sine 2093 -- fade l 0.002 1.1 0.9 vol 0.3
note 207d $R 1.1 sine 3750 -- fade l 0.002 1.1 0.35 vol 0.15
mix 207.wav 207a.wav 207b.wav 207c.wav 207d.wav
finish 207
pack_u8 207 $R

# ---------------------------------------------------------------------------
# 208  reset swoosh: a band of noise sweeping down from high to low.
#      Low-passed noise multiplied by a sine sweep moves the whole noise band
#      to sit around the sweeping sine: a real moving band-pass.
R=12000
note 208n $R 0.55 whitenoise -- lowpass 350 lowpass 350
note 208c $R 0.55 sine 4200/350
"${SOX[@]}" -T "$work/208n.wav" "$work/208c.wav" "$work/208m.wav"
# let it swell in and die away: the "whoosh" shape
"${SOX[@]}" "$work/208m.wav" "$work/208.wav" fade q 0.2 0.55 0.33
finish 208
pack_mp3 208 $R

# 210  winning fanfare: da-da-da-DAAA then a bright major chord
R=8000
i=0
for f in 523.25 523.25 523.25 659.26 783.99; do
    len=0.11; ((i == 3)) && len=0.16; ((i == 4)) && len=0.2
    note "210n$i" $R $len sawtooth "$f" -- lowpass 2000 \
        fade q 0.005 $len "$(awk -v l=$len 'BEGIN{print l*0.75}')" vol 0.5
    note "210h$i" $R $len sine "$f" -- \
        fade q 0.005 $len "$(awk -v l=$len 'BEGIN{print l*0.75}')"
    mix "210s$i.wav" "210n$i.wav" "210h$i.wav"
    i=$((i + 1))
done
i=0
for f in 523.25 659.26 783.99 1046.5; do
    note "210c$i" $R 0.75 sawtooth "$f" -- lowpass 1800 tremolo 6 12 \
        fade q 0.01 0.75 0.5 vol 0.35
    i=$((i + 1))
done
mix 210chord.wav 210c0.wav 210c1.wav 210c2.wav 210c3.wav
seq_ 210.wav 210s0.wav 210s1.wav 210s2.wav 210s3.wav 210s4.wav 210chord.wav
finish 210
pack_mp3 210 $R

# 211  a warning tick, short and a little harsh (under 0.2 s)
R=8000
note 211a $R 0.09 square 1000 -- lowpass 3000 fade l 0 0.09 0.08
note 211b $R 0.09 sine 2000 -- fade l 0 0.09 0.05 vol 0.4
mix 211.wav 211a.wav 211b.wav
finish 211
pack_u8 211 $R

echo "sounds written to $out:"
ls -l "$out"
