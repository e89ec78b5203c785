#!/bin/sh
# Makes the portable runtime's ICU data library smaller: of ICU's 31 MB of
# data the game and Qt need little (Qt draws, breaks lines and converts UTF-8
# with code of its own; ICU answers the odd locale-aware call). What goes:
# collation, time zone names, units, currencies, language and region names,
# transliteration, number spelling, the dictionaries of word breaking,
# character names, the large East Asian converters, and the locales other
# than the game's five languages. Rewrites LIBRARY (libicudata.so.NN) in place
# as a library of the same name and symbol holding the trimmed data.
# Usage: trim-icu.sh LIBRARY CC          (needs icupkg, from icu-devtools)
set -eu

library=$1 cc=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The data is the one symbol icudtNN_dat.
symbol=$(readelf -sW "$library" | awk '$8 ~ /^icudt[0-9]+_dat$/ { print $8; exit }')
[ -n "$symbol" ] || { echo "trim-icu: no ICU data symbol in $library" >&2; exit 1; }
set -- $(readelf -sW "$library" | awk -v s="$symbol" '$8 == s { print $2, $3; exit }')
value=$((0x$1)) size=$(($2))
set -- $(readelf -SW "$library" | sed 's/^ *\[ *[0-9]*\]//' | awk '$1 == ".rodata" { print $3, $4; exit }')
address=$((0x$1)) offset=$((0x$2))
# icupkg names the items after the data file's name (icudt72l/...).
name=${symbol%_dat}l.dat
mkdir "$work/full" "$work/trimmed"
tail -c +$((value - address + offset + 1)) "$library" | head -c "$size" >"$work/full/$name"

icupkg -l "$work/full/$name" >"$work/items"
grep -E '^(coll|zone|unit|curr|lang|region|translit|rbnf)/|\.dict$|^unames\.icu$|^(euc|gb|ibm-(1390|1399|16684|5478|964|1375|1388|1386|1383|33722|943|954|5471|930|939|933|935|937|942|949|950|1364|1371|1392))' \
    "$work/items" >"$work/remove.txt" || true
# Locales: the five languages of the game and the root stay.
grep -E '^(brkitr/)?[a-z]{2,3}(_[A-Za-z0-9_]+)?\.res$' "$work/items" |
    grep -vE '^(brkitr/)?(root|res_index|pool|supplementalData|likelySubtags|metadata|icuver|icustd|zoneinfo64|timezoneTypes|windowsZones|keyTypeData|numberingSystems|plurals|dayPeriods|grammaticalFeatures|genderList|currencyNumericCodes|tzdbNames|(it|en|fr|de|es)(_[A-Za-z0-9_]+)?)\.res$' \
        >>"$work/remove.txt" || true
icupkg --ignore-deps -r "$work/remove.txt" "$work/full/$name" "$work/trimmed/$name"

cat >"$work/data.S" <<EOF
    .section .rodata
    .globl $symbol
    .type $symbol, @object
    .balign 16
$symbol:
    .incbin "$work/trimmed/$name"
    .size $symbol, .-$symbol
    .section .note.GNU-stack,"",@progbits
EOF
soname=$(readelf -dW "$library" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
"$cc" -shared -nostdlib -Wl,-soname,"$soname" -Wl,-z,noexecstack -o "$work/library.so" "$work/data.S"
mv "$work/library.so" "$library"
echo "trim-icu: $(wc -l <"$work/remove.txt") of $(wc -l <"$work/items") items removed, $size -> $(wc -c <"$work/trimmed/$name") bytes"
