#!/usr/bin/env bash
# Builds the puzzle that ships with the game:
#   sample/Matrix.jpg  1260 x 1260 picture, the largest board the game draws
#                      (at 3840 x 2160), cut 6 x 6
#   sample/Matrix.dat  language digit + greeting shown when it is opened
#
# The picture is a sunny countryside painted with ImageMagick vector
# drawing: sky, sun, rainbow, balloon, mountains, hills, a cottage, a tree,
# a stream, a fence, flowers and a big four-leaf clover.  Everything is laid
# out so each of the 36 pieces shows something of its own.
# Needs ImageMagick 6 (convert).  Running it again rebuilds the same files.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out="$here/../sample"
mkdir -p "$out"
out=$(cd "$out" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mvg="$work/scene.mvg"

# ---------------------------------------------------------------------------
# Background to foreground.
cat >"$mvg" <<'EOF'
stroke-linecap round
stroke-linejoin round

# rainbow arching over the mountains
fill none
stroke-width 11
stroke '#e53935'
circle 360,740 360,235
stroke '#fb8c00'
circle 360,740 360,246
stroke '#fdd835'
circle 360,740 360,257
stroke '#43a047'
circle 360,740 360,268
stroke '#1e88e5'
circle 360,740 360,279
stroke '#5e35b1'
circle 360,740 360,290

# the sun with its rays, top right
stroke '#ffb300'
stroke-width 7
line 610,20 610,2
line 610,190 610,208
line 525,105 505,105
line 695,105 715,105
line 550,45 536,31
line 670,45 684,31
line 550,165 536,179
line 670,165 684,179
stroke-width 5
line 575,26 568,10
line 645,26 652,10
line 531,140 515,147
line 689,140 705,147
line 531,70 515,63
line 689,70 705,63
line 575,184 568,200
line 645,184 652,200
fill '#ffe14d'
stroke '#ff9800'
stroke-width 4
circle 610,105 610,45
fill '#fff6b0'
stroke none
circle 592,88 592,70

# clouds
fill '#ffffff'
stroke '#d7e6f5'
stroke-width 2
circle 280,80 280,48
circle 318,66 318,26
circle 358,82 358,50
circle 320,96 320,66
circle 470,200 470,172
circle 505,185 505,150
circle 540,203 540,178
circle 60,300 60,276
circle 92,288 92,256
circle 126,302 126,278
fill '#eef5fc'
stroke none
ellipse 410,255 42,11 0,360

# birds
fill none
stroke '#22324a'
stroke-width 3
path 'M 408,52 Q 418,42 428,52 Q 438,42 448,52'
path 'M 440,80 Q 447,73 454,80 Q 461,73 468,80'
path 'M 205,215 Q 214,206 223,215 Q 232,206 241,215'
path 'M 676,262 Q 683,255 690,262 Q 697,255 704,262'

# a kite on a long string
fill none
stroke '#5d4037'
stroke-width 1.5
path 'M 396,176 C 380,230 360,260 330,300'
stroke '#ff7043'
stroke-width 3
path 'M 396,176 q -10,12 0,22 q 10,12 0,24'
fill '#ffca28'
stroke '#6d4c00'
stroke-width 2
polygon 396,112 424,146 396,176 368,146
fill '#26c6da'
stroke none
polygon 396,115 421,146 396,146
polygon 396,173 371,146 396,146
stroke '#6d4c00'
stroke-width 2
line 396,112 396,176
line 368,146 424,146

# hot-air balloon, top left
stroke '#6d1b1b'
stroke-width 2
line 96,178 108,214
line 144,178 132,214
fill '#e53935'
stroke '#7a1515'
stroke-width 3
ellipse 120,118 52,62 0,360
fill '#fdd835'
stroke none
ellipse 120,118 34,61 0,360
fill '#1e88e5'
ellipse 120,118 14,61 0,360
fill none
stroke '#7a1515'
stroke-width 3
ellipse 120,118 52,62 0,360
fill '#8d5a2b'
stroke '#4e2f12'
stroke-width 2
rectangle 104,212 136,236
line 104,224 136,224

# far mountains with snow
fill '#8a8fd0'
stroke '#5c5f9e'
stroke-width 2
path 'M -10,430 L 80,330 L 150,300 L 215,260 L 290,330 L 350,300 L 430,240 L 520,320 L 570,290 L 640,250 L 730,320 L 730,430 Z'
fill '#ffffff'
stroke none
path 'M 190,278 L 215,260 L 242,284 L 226,280 L 214,292 L 202,282 Z'
path 'M 402,262 L 430,240 L 462,270 L 444,266 L 430,278 L 416,266 Z'
path 'M 612,270 L 640,250 L 672,275 L 655,272 L 642,282 L 628,274 Z'

# rolling hills
fill '#9ccc65'
stroke '#6a9a3a'
stroke-width 2
path 'M -10,400 C 120,340 260,360 380,400 C 470,430 600,350 730,370 L 730,730 L -10,730 Z'
fill '#66bb6a'
stroke '#3f8a44'
path 'M -10,470 C 150,420 300,440 420,475 C 540,505 640,440 730,450 L 730,730 L -10,730 Z'
fill '#43a047'
stroke '#2e7031'
path 'M -10,560 C 120,520 260,540 380,560 C 500,580 620,530 730,540 L 730,730 L -10,730 Z'

# a field of ploughed stripes on the middle hill, right
fill none
stroke '#c5a25a'
stroke-width 5
path 'M 470,455 C 520,450 560,440 610,430'
path 'M 480,470 C 530,463 575,452 630,443'
path 'M 492,486 C 545,478 590,467 650,457'

# stream from the mountains down to the bottom right corner
fill '#4fc3f7'
stroke '#0288d1'
stroke-width 3
path 'M 428,404 C 440,430 470,450 500,470 C 560,510 520,560 560,600 C 600,640 650,650 730,660 L 730,730 L 650,730 C 610,690 540,660 510,620 C 470,570 520,520 470,490 C 440,470 420,440 418,404 Z'
fill none
stroke '#e1f5fe'
stroke-width 3
path 'M 520,585 q 12,-6 24,0'
path 'M 600,660 q 14,-6 28,0'
path 'M 660,690 q 14,-6 28,0'
path 'M 478,505 q 10,-5 20,0'

# stepping stones
fill '#9e9e9e'
stroke '#616161'
stroke-width 2
ellipse 548,640 14,8 0,360
ellipse 585,655 12,7 0,360

# a duck on the stream
fill '#ffffff'
stroke '#555555'
stroke-width 2
ellipse 672,700 22,12 0,360
circle 690,684 690,674
fill '#ff9800'
stroke none
polygon 698,684 712,687 698,690
fill '#000000'
circle 692,682 692,680

# dirt path from the cottage down to the bottom
fill '#d7b57a'
stroke '#a6844a'
stroke-width 2
path 'M 150,462 C 170,500 140,540 190,580 C 240,620 220,680 250,730 L 330,730 C 300,680 300,620 250,575 C 200,535 215,495 180,462 Z'

# the cottage
fill '#f3e3b5'
stroke '#8a6d3b'
stroke-width 3
rectangle 80,392 220,470
fill '#c0392b'
stroke '#7b1f16'
polygon 66,396 150,330 234,396
fill '#8d6e63'
stroke '#4e342e'
rectangle 180,340 198,372
fill '#9e9e9e'
stroke none
circle 189,326 189,318
circle 198,308 198,302
circle 209,292 209,288
fill '#6d4c41'
stroke '#3e2723'
stroke-width 2
rectangle 138,420 166,470
fill '#ffd54f'
circle 160,446 160,448
fill '#81d4fa'
stroke '#5d4037'
stroke-width 3
rectangle 94,410 126,440
rectangle 178,410 210,440
line 110,410 110,440
line 94,425 126,425
line 194,410 194,440
line 178,425 210,425

# apple tree on the right
fill '#795548'
stroke '#4e342e'
stroke-width 3
path 'M 608,560 L 616,440 L 628,440 L 640,560 Z'
fill '#2e7d32'
stroke '#1b5e20'
circle 622,400 622,342
circle 576,430 576,392
circle 668,430 668,392
circle 600,370 600,335
circle 648,370 648,335
fill '#e53935'
stroke '#8e0000'
stroke-width 1.5
circle 590,400 590,392
circle 640,385 640,377
circle 662,438 662,430
circle 600,448 600,440
circle 622,352 622,344
circle 568,425 568,418

# fence across the bottom left
fill '#fafafa'
stroke '#757575'
stroke-width 2
rectangle 0,600 150,610
rectangle 0,632 150,642
polygon 10,660 10,592 18,584 26,592 26,660
polygon 50,660 50,592 58,584 66,592 66,660
polygon 90,660 90,592 98,584 106,592 106,660
polygon 130,660 130,592 138,584 146,592 146,660

# mushrooms by the stream
fill '#fff3e0'
stroke '#8d6e63'
stroke-width 2
rectangle 438,556 448,582
rectangle 470,566 478,586
fill '#d32f2f'
stroke '#7f0000'
path 'M 422,560 Q 443,528 464,560 Z'
path 'M 458,569 Q 474,548 490,569 Z'
fill '#ffffff'
stroke none
circle 436,550 436,546
circle 450,546 450,543
circle 472,561 472,558

# butterfly
fill '#ab47bc'
stroke '#4a148c'
stroke-width 2
ellipse 282,470 14,10 330,690
ellipse 306,470 14,10 210,570
ellipse 284,486 9,7 0,360
ellipse 304,486 9,7 0,360
stroke-width 3
line 294,462 294,494
EOF

# Flowers: x y petal-colour radius
while read -r x y c r; do
    cat >>"$mvg" <<EOF
fill '$c'
stroke '#00000040'
stroke-width 1
circle $((x - r)),$y $((x - r)),$((y - r * 2 / 3))
circle $((x + r)),$y $((x + r)),$((y - r * 2 / 3))
circle $x,$((y - r)) $x,$((y - r - r * 2 / 3))
circle $x,$((y + r)) $x,$((y + r - r * 2 / 3))
fill '#ffeb3b'
stroke '#f57f17'
circle $x,$y $x,$((y - r / 2))
EOF
done <<'EOF'
40 520 #ff4081 10
95 545 #ffffff 9
210 530 #7e57c2 10
30 700 #ffeb3b 11
80 690 #ff7043 12
135 705 #e040fb 10
190 650 #29b6f6 11
175 710 #ef5350 9
310 505 #ff80ab 8
380 500 #fff176 8
440 640 #ba68c8 9
470 700 #ff5252 10
560 510 #f8bbd0 8
700 580 #ffffff 9
680 520 #ff6e40 9
260 400 #ffd740 7
330 430 #ff4081 7
700 480 #b388ff 8
EOF

# The big four-leaf clover at the front, with a ladybird on one leaf.
cat >>"$mvg" <<'EOF'
fill none
stroke '#1b5e20'
stroke-width 12
path 'M 360,600 C 372,650 380,690 410,728'
stroke '#66bb6a'
stroke-width 6
path 'M 360,600 C 372,650 380,690 410,728'
EOF
for a in 45 135 225 315; do
    cat >>"$mvg" <<EOF
push graphic-context
  translate 360,598
  rotate $a
  fill '#2fa84a'
  stroke '#0f5a1e'
  stroke-width 4
  path 'M 0,-3 C -9,-13 -54,-34 -52,-62 C -50,-86 -20,-93 0,-70 C 20,-93 50,-86 52,-62 C 54,-34 9,-13 0,-3 Z'
  fill '#58c468'
  stroke none
  path 'M 0,-9 C -9,-18 -45,-37 -44,-61 C -42,-80 -18,-85 0,-64 Z'
  fill none
  stroke '#c8f0b8'
  stroke-width 5
  path 'M -30,-60 L 0,-42 L 30,-60'
  stroke '#1e7a2a'
  stroke-width 3
  line 0,-10 0,-64
pop graphic-context
EOF
done
cat >>"$mvg" <<'EOF'
fill '#238a3a'
stroke '#0f5a1e'
stroke-width 3
circle 360,598 360,607
# ladybird
fill '#e53935'
stroke '#000000'
stroke-width 2
ellipse 412,640 13,11 0,360
line 412,629 412,651
fill '#000000'
circle 412,627 412,621
circle 405,636 405,633
circle 419,636 419,633
circle 406,646 406,643
circle 418,646 418,643
EOF

# Paint on a sky that fades from deep blue to pale near the horizon, add a
# touch of grain so no patch is perfectly flat, and save. The scene is drawn
# on a 720 grid and scaled to the picture's side.
side=1260
convert -size ${side}x${side} gradient:'#1f5fb4'-'#d6efff' \
    -draw "affine $(echo "$side / 720" | bc -l | cut -c1-6),0,0,$(echo "$side / 720" | bc -l | cut -c1-6),0,0 $(cat "$mvg")" \
    -seed 31 -attenuate 0.35 +noise Gaussian \
    -quality 90 -sampling-factor 2x2 -strip "$out/Matrix.jpg"

# Language digit 1 (English), then the greeting, then one line feed.
printf '1%s\n' 'Happy birthday! A little puzzle made just for you.' >"$out/Matrix.dat"

echo "wrote $out/Matrix.jpg and $out/Matrix.dat"
