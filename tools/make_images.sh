#!/usr/bin/env bash
# Builds the game's pictures:
#   src/assets/cursors/100.png 101.png 102.png   hand cursors (32x32 RGBA)
#   src/assets/icons/1.png 1-256.png              the four-leaf clover icon
#   src/assets/icons/502.png ... 505.png          wait / happy / content / time over
#   src/assets/custom/310.jpg                     light marble tile (143x118)
#   src/assets/pictures/logo.png icona.png image1.png image2.png   About window
#
# Everything is drawn here: the cursors pixel by pixel (tools/draw_cursors.py),
# the rest with ImageMagick vector drawing (MVG).  Needs python3, ImageMagick 6
# (convert) and the DejaVu fonts (fonts-dejavu-core) for the logo's lettering.
# Running it again rebuilds the same pictures.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
res="$here/../src/assets"
mkdir -p "$res/cursors" "$res/icons" "$res/custom" "$res/pictures"
res=$(cd "$res" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# PNG writes without time stamps or other chunks that change on every run;
# PNG32: always RGBA (8 bits per channel, colour type 6).
png() { convert "$@" -strip -define png:exclude-chunks=date,time "PNG32:${!#}"; }
# usage: draw W H MVGFILE OUT  -- draws MVGFILE on a transparent W x H canvas
draw() {
    convert -size "$1x$2" xc:none -draw "$(cat "$3")" -strip \
        -define png:exclude-chunks=date,time "PNG32:$4"
}

# ---------------------------------------------------------------------------
# Cursors: crisp black and white, drawn pixel by pixel.
python3 "$here/draw_cursors.py" "$work/cursors" >/dev/null
for id in 100 101 102; do
    convert "$work/cursors/$id.pam" -strip -define png:exclude-chunks=date,time \
        "PNG32:$res/cursors/$id.png"
done

# ---------------------------------------------------------------------------
# The four-leaf clover, designed on a 256 x 256 grid.
#   clover_mvg SCALE OUTLINE DETAIL  -- stroke widths in grid units
clover_mvg() {
    local s=$1 ow=$2 dw=$3
    cat <<EOF
scale $s,$s
stroke-linecap round
stroke-linejoin round
# the stem, curving away to the lower right
push graphic-context
  fill none
  stroke '#1f6b25'
  stroke-width $((ow + 14))
  path 'M 128,120 C 140,170 150,205 186,236'
  stroke '#4caf50'
  stroke-width 12
  path 'M 128,120 C 140,170 150,205 186,236'
pop graphic-context
EOF
    local a
    for a in 45 135 225 315; do
        cat <<EOF
# one heart-shaped leaf, its point at the middle of the clover
push graphic-context
  translate 128,116
  rotate $a
  fill '#35a24a'
  stroke '#145a1c'
  stroke-width $ow
  path 'M 0,-4 C -10,-16 -60,-40 -58,-70 C -56,-96 -22,-104 0,-78 C 22,-104 56,-96 58,-70 C 60,-40 10,-16 0,-4 Z'
  # a lighter half to give the leaf some body
  fill '#5cc165'
  stroke none
  path 'M 0,-10 C -10,-20 -50,-42 -49,-69 C -47,-90 -20,-95 0,-72 Z'
  # the pale chevron that four-leaf clovers carry
  fill none
  stroke '#c4efb4'
  stroke-width $dw
  path 'M -34,-66 L 0,-46 L 34,-66'
  # the middle vein
  stroke '#1e7a2a'
  stroke-width $((dw * 2 / 3))
  line 0,-12 0,-70
pop graphic-context
EOF
    done
    cat <<EOF
# where the leaves meet
fill '#2b8a3a'
stroke '#145a1c'
stroke-width $((ow / 2 + 1))
circle 128,116 128,126
EOF
}
clover_mvg 1 6 8 >"$work/clover256.mvg"
draw 256 256 "$work/clover256.mvg" "$res/icons/1-256.png"
# at 32 x 32 the lines must stay about a pixel wide
clover_mvg 0.125 10 12 >"$work/clover32.mvg"
draw 32 32 "$work/clover32.mvg" "$res/icons/1.png"

# ---------------------------------------------------------------------------
# 502 "please wait": an hourglass in the old sixteen-colour palette, drawn
# without anti-aliasing so only those colours appear.
cat >"$work/502.mvg" <<'EOF'
stroke-antialias 0
# glass: two bulbs meeting at a narrow neck
fill '#ffffff'
stroke '#000000'
stroke-width 1
polygon 9,6 22,6 22,9 17,15 17,16 22,22 22,25 9,25 9,22 14,16 14,15 9,9
# a cyan glint on the glass
stroke '#00ffff'
line 11,8 11,9
line 11,22 11,23
stroke none
# sand left in the top bulb
fill '#ffff00'
polygon 11,10 20,10 16,14 15,14
# the thin stream falling through the neck
fill '#808000'
rectangle 15,15 16,21
# the heap in the bottom bulb
fill '#ffff00'
polygon 10,24 21,24 21,23 18,20 13,20 10,23
fill '#808000'
rectangle 15,19 16,19
# wooden frame: top and bottom boards and two posts
fill '#800000'
stroke '#000000'
rectangle 4,2 27,5
rectangle 4,26 27,29
fill '#808000'
rectangle 5,6 7,25
rectangle 24,6 26,25
stroke none
fill '#ff0000'
line 5,3 26,3
line 5,27 26,27
fill '#ffff00'
line 6,7 6,24
line 25,7 25,24
EOF
draw 32 32 "$work/502.mvg" "$res/icons/502.png"

# Faces for the results: a round yellow face with a dark rim.
face_base() {
    cat <<'EOF'
fill '#ffd42a'
stroke '#7a5200'
stroke-width 1.3
circle 16,16 16,1.8
# soft shine in the upper left
fill '#fff3a8'
stroke none
ellipse 11,8.5 4,2.2 0,360
EOF
}

# 503 happy: laughing eyes, a wide open smile, rosy cheeks
{ face_base; cat <<'EOF'
fill '#f59a6c'
ellipse 7.6,19 2.6,1.6 0,360
ellipse 24.4,19 2.6,1.6 0,360
fill none
stroke '#4a3000'
stroke-width 1.6
stroke-linecap round
path 'M 8.5,13.5 Q 11,10 13.5,13.5'
path 'M 18.5,13.5 Q 21,10 23.5,13.5'
fill '#8a1f10'
stroke '#4a3000'
stroke-width 1.2
path 'M 8.5,18 Q 16,30.5 23.5,18 Z'
fill '#ff7a8a'
stroke none
path 'M 12.5,24.2 Q 16,21.3 19.5,24.2 Q 16,26.3 12.5,24.2 Z'
EOF
} >"$work/503.mvg"
draw 32 32 "$work/503.mvg" "$res/icons/503.png"

# 504 content: calm open eyes, a gentle closed smile
{ face_base; cat <<'EOF'
fill '#4a3000'
stroke none
ellipse 11,12.5 1.7,2.4 0,360
ellipse 21,12.5 1.7,2.4 0,360
fill none
stroke '#4a3000'
stroke-width 1.6
stroke-linecap round
path 'M 10,20 Q 16,24.5 22,20'
EOF
} >"$work/504.mvg"
draw 32 32 "$work/504.mvg" "$res/icons/504.png"

# 505 time over: a red alarm clock ringing, hands at twelve
cat >"$work/505.mvg" <<'EOF'
stroke-linecap round
stroke-linejoin round
# feet
stroke '#3a0a0a'
stroke-width 2.2
line 9,25 6.5,29.5
line 23,25 25.5,29.5
# the two bells and their striker
fill '#e8b830'
stroke '#5a3a00'
stroke-width 1.2
path 'M 2.8,9.5 A 6,6 0 0 1 10.5,3 Z'
path 'M 29.2,9.5 A 6,6 0 0 0 21.5,3 Z'
stroke '#3a0a0a'
stroke-width 1.4
line 16,3.5 16,6
# the case
fill '#d32020'
stroke '#5a0808'
stroke-width 1.3
circle 16,17.5 16,5.5
# the dial
fill '#ffffff'
stroke '#7a1010'
stroke-width 0.8
circle 16,17.5 16,8.2
# hour marks
fill '#202020'
stroke none
circle 16,10.3 16,9.6
circle 23.2,17.5 23.9,17.5
circle 16,24.7 16,25.4
circle 8.8,17.5 9.5,17.5
# both hands at twelve: time is up
stroke '#101010'
stroke-width 1.6
line 16,17.5 16,10.8
stroke-width 1.1
line 16,17.5 16.01,13
fill '#101010'
stroke none
circle 16,17.5 16,18.6
# ringing lines beside the bells
fill none
stroke '#202020'
stroke-width 1
line 0.8,13.5 2.6,14.5
line 31.2,13.5 29.4,14.5
line 1.2,4 2.8,5
line 30.8,4 29.2,5
EOF
draw 32 32 "$work/505.mvg" "$res/icons/505.png"

# ---------------------------------------------------------------------------
# 310: the light marble tile painted over the coloured background.  It is
# mostly near-white (white leaves the colour as it is) with soft grey veins
# and grain.  Both noises are blurred with wrap-around edges and the veins
# run a whole number of times across the tile, so it repeats without seams.
W=143 H=118
for noise in "coarse 11 9" "fine 23 1.6"; do
    set -- $noise
    convert -size ${W}x$H xc: -seed "$2" +noise Random -channel G -separate +channel \
        -virtual-pixel tile -blur "0x$3" -auto-level "$work/noise-$1.png"
done
# u: coarse swirl that bends the veins; v: fine grain
convert "$work/noise-coarse.png" "$work/noise-fine.png" -colorspace Gray \
    -fx "m = abs(sin(2*pi*(2*i/w + j/h) + 5.5*u));
         vein = pow(1 - m, 9) + 0.35*pow(1 - abs(sin(2*pi*(3*i/w - 2*j/h) + 4*u)), 14);
         1 - 0.30*vein - 0.075*v - 0.02*u" \
    -colorspace sRGB -type TrueColor \
    -quality 92 -sampling-factor 1x1 -strip "$res/custom/310.jpg"

# ---------------------------------------------------------------------------
# About window.
pics="$res/pictures"

# A small clover for the wordmark and the badge (24 x 24).
clover_mvg 0.09375 12 12 >"$work/clover24.mvg"
draw 24 24 "$work/clover24.mvg" "$work/clover24.png"

# logo.png 147 x 26: the clover and "Quadrifoglio" in dark green lettering
# with a pale offset underneath so it reads on dark and light backgrounds.
convert -size 147x26 xc:none \
    "$work/clover24.png" -geometry +1+1 -composite \
    -font DejaVu-Sans-Bold -pointsize 16 -gravity West \
    -fill '#cfeccb' -annotate +30+2 'Quadrifoglio' \
    -fill '#1d6b2a' -annotate +29+1 'Quadrifoglio' \
    -strip -define png:exclude-chunks=date,time "PNG32:$pics/logo.png"

# icona.png: the clover on a round badge
cat >"$work/badge.mvg" <<'EOF'
fill '#f4fbef'
stroke '#2f8a3c'
stroke-width 2
circle 16,16 16,1.5
fill none
stroke '#a8dca0'
stroke-width 1
circle 16,16 16,4
EOF
convert -size 32x32 xc:none -draw "$(cat "$work/badge.mvg")" \
    "$work/clover24.png" -geometry +4+4 -composite \
    -strip -define png:exclude-chunks=date,time "PNG32:$pics/icona.png"

# image1.png: a jigsaw piece with two knobs and two sockets, on a 256 grid
cat >"$work/piece.mvg" <<'EOF'
scale 0.125,0.125
translate -25,22
stroke-linejoin round
fill '#f08c28'
stroke '#7a3a00'
stroke-width 12
path 'M 48,48 L 101.5,48 A 32,32 0 1 1 154.5,48 L 208,48 L 208,101.5 A 32,32 0 1 1 208,154.5 L 208,208 L 154.5,208 A 32,32 0 1 0 101.5,208 L 48,208 L 48,154.5 A 32,32 0 1 0 48,101.5 Z'
# light falling on the upper left edges
fill none
stroke '#ffc27a'
stroke-width 12
path 'M 70,190 L 70,166'
path 'M 70,88 L 70,70 L 96,70'
path 'M 160,70 L 186,70'
EOF
draw 32 32 "$work/piece.mvg" "$pics/image1.png"

# image2.png 14 x 11: a little green pennant on a pole
cat >"$work/flag.mvg" <<'EOF'
stroke-linecap round
stroke '#5a4a3a'
stroke-width 1.4
line 1.6,0.8 1.6,10.4
fill '#33a447'
stroke '#165d20'
stroke-width 0.8
path 'M 2.4,1 Q 7,0 13.3,3.6 Q 7,5.2 2.4,6.8 Z'
fill none
stroke '#ffe066'
stroke-width 0.9
path 'M 3.5,3.9 Q 7,3.3 10,3.7'
EOF
draw 14 11 "$work/flag.mvg" "$pics/image2.png"

echo "images written under $res"
