#!/usr/bin/env bash
# The single file's unpacking, without a screen: the game is started with no
# desktop to show it on, so the copy's start script answers in the gift's
# language and ends. A first start unpacks into the cache keyed by the file's
# checksum; a damaged or partial copy there is unpacked again, never used; a
# file cut short says so; without a cache a private folder is used and
# removed; a copy without its run bits starts with sh; a first start on a
# desktop shows at once that the game is on its way.
# Usage: single_file_cache.sh <folder with quadrifoglio-maker>
set -euo pipefail

maker_dir=$1
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

convert -size 64x64 xc:gold "$work/picture.png"
"$maker_dir/quadrifoglio-maker" "$work/picture.png" --language de --greeting 'Alles Gute!' \
    --single-file "$work/gift.run" >/dev/null
"$maker_dir/quadrifoglio-maker" "$work/picture.png" --language fr --out "$work/folder" >/dev/null

# Starts the file as a friend without a desktop would; its words and status.
run() {
    env -i HOME="$work/home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@" >"$work/said" 2>&1 && status=0 || status=$?
}
no_desktop_in_german() { grep -q 'keine grafische Oberfläche' "$work/said"; }

mkdir -p "$work/home"
run sh "$work/gift.run"
((status == 1)) && no_desktop_in_german || { cat "$work/said"; fail "no German words about the missing desktop"; }
copies=("$work"/home/.cache/quadrifoglio/*/)
((${#copies[@]} == 1)) || fail "expected one unpacked copy in the cache, found ${#copies[@]}"
copy=${copies[0]%/}
[[ ${copy##*/} =~ ^[0-9a-f]{16}$ ]] || fail "the cache's copy is not named by a checksum: $copy"
[[ -x $copy/quadrifoglio-game && -f $copy/Matrix.dat && -f $copy/LIESMICH.txt ]] || fail "the unpacked copy is incomplete"
[[ -z $(ls -A "$work/home/.cache/quadrifoglio" | grep -v "^${copy##*/}\$") ]] || fail "the unpacking left something beside the copy"

# On a desktop a first start, which unpacks, shows at once that the game is
# on its way, in the gift's language; a later start goes straight to the game.
mkdir -p "$work/bin"
printf '#!/bin/sh\necho "$*" >>"%s/notified"\n' "$work" >"$work/bin/notify-send"
chmod +x "$work/bin/notify-send"
mv "$copy" "$work/kept"
run env DISPLAY=:999 PATH="$work/bin:/usr/bin:/bin" sh "$work/gift.run"
for _ in $(seq 100); do [[ -s $work/notified ]] && break; sleep 0.05; done
grep -q 'Quadrifoglio 3D wird vorbereitet' "$work/notified" || fail "the first start showed nothing at once"
rm "$work/notified"
run env DISPLAY=:999 PATH="$work/bin:/usr/bin:/bin" sh "$work/gift.run"
[[ ! -e $work/notified ]] || fail "a later start showed the notice: $(cat "$work/notified")"
rm -rf "$work/kept"

# A later start uses the copy as it is.
before=$(stat -c %i "$copy/quadrifoglio-game")
run sh "$work/gift.run"
no_desktop_in_german || fail "the later start said something else"
[[ $(stat -c %i "$copy/quadrifoglio-game") == "$before" ]] || fail "a whole copy was unpacked again"

# Damaged (a library cut short) or partial (no mark of a finished unpacking):
# unpacked again.
library=$(ls "$copy"/lib/libQt6Core.so.*)
size=$(stat -c %s "$library")
for damage in "truncate -s 1000 $library" "rm $copy/.manifest"; do
    $damage
    run sh "$work/gift.run"
    no_desktop_in_german || fail "after '$damage' the start said something else"
    [[ $(stat -c %s "$library") == "$size" ]] || fail "after '$damage' the damaged copy was used"
done

# A file cut short is told as such, in the gift's language.
head -c 5000000 "$work/gift.run" >"$work/cut.run"
run sh "$work/cut.run"
((status == 1)) && grep -q 'unvollständig oder beschädigt' "$work/said" || { cat "$work/said"; fail "a cut file was not told"; }

# No cache (its folder cannot be made): a private folder under TMPDIR,
# removed at the end.
rm -rf "$work/home/.cache"
touch "$work/home/.cache"
mkdir -p "$work/tmp"
run env TMPDIR="$work/tmp" sh "$work/gift.run"
no_desktop_in_german || { cat "$work/said"; fail "without a cache the game did not start"; }
[[ -z $(ls -A "$work/tmp") ]] || fail "the private folder was left in TMPDIR: $(ls -A "$work/tmp")"
# A killed run's folder (its process gone) is removed by the next start.
mkdir -p "$work/tmp/quadrifoglio-999999-abcdef/lib"
run env TMPDIR="$work/tmp" sh "$work/gift.run"
[[ -z $(ls -A "$work/tmp") ]] || fail "a killed run's folder was not removed: $(ls -A "$work/tmp")"

# A folder copy whose run bits a download dropped starts with sh.
chmod -R a-x "$work/folder/quadrifoglio" "$work/folder/quadrifoglio-game"
run sh "$work/folder/quadrifoglio"
((status == 1)) && grep -q "aucun bureau graphique" "$work/said" || { cat "$work/said"; fail "no French words from the folder copy"; }
# A library the copy needs is missing (as a friend's desktop may lack one of
# the list): named with the packages that bring it, in the gift's language.
chmod u+w "$work/folder/quadrifoglio-game"
patchelf --add-needed libxkbcommon-x11.so.99 "$work/folder/quadrifoglio-game"
run env DISPLAY=:999 sh "$work/folder/quadrifoglio"
((status == 127)) && grep -q "il manque sur cet ordinateur des bibliothèques dont le jeu a besoin : libxkbcommon-x11.so.99. Installe-les avec :  sudo apt install libxkbcommon-x11-0  (Debian, Ubuntu, Mint)   sudo dnf install libxkbcommon-x11  (Fedora)" "$work/said" ||
    { cat "$work/said"; fail "the missing library and its packages were not named in French"; }
# An older C library than the game needs.
sed -i 's/^glibc_needed=.*/glibc_needed=9.99/' "$work/folder/quadrifoglio"
run env DISPLAY=:999 sh "$work/folder/quadrifoglio"
((status == 1)) && grep -q "ce système est trop ancien pour le jeu : il faut la bibliothèque C GNU (glibc) 9.99" "$work/said" ||
    { cat "$work/said"; fail "an old glibc was not told in French"; }
echo "the single file unpacks once, checks its cache, and tells what is wrong in the gift's language"
