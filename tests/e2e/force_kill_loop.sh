#!/usr/bin/env bash
# A --force replacement killed at random moments leaves the old copy or the
# new one, whole, under the copy's name; each one starts. A file of the
# gift-maker's beside the copy is never touched. The copy left at the end
# is started as the friend would (its window must show); when a clean
# Debian root made by tools/check_copy_in_clean_root.sh is cached and this
# runs as root, the copy is started there too.
# Usage: force_kill_loop.sh <folder with quadrifoglio-maker> <artifact folder> [rounds]
set -euo pipefail

maker_dir=$1 artifacts=$2 rounds=${3:-20}
here=$(cd "$(dirname "$0")" && pwd)
work=$(realpath "$(mktemp -d)")
trap 'rm -rf "$work"' EXIT
mkdir -p "$artifacts"
fail() { echo "FAIL: $*" >&2; exit 1; }

convert -size 900x700 xc:navy -fill gold -draw 'rectangle 0,0 899,300' "$work/picture.png"
echo "my own notes" >"$work/notes.txt"
maker=$maker_dir/quadrifoglio-maker
"$maker" "$work/picture.png" --language it --greeting 'Prima' --out "$work/gift" >/dev/null

# Whole: the list is there and every path it names is.
check_whole() {
    local list=$work/gift/.quadrifoglio-copy
    [[ -f $list ]] || fail "round $1: no copy list in the copy"
    while IFS= read -r path; do
        [[ -z $path || $path == \#* ]] && continue
        [[ -e $work/gift/$path || -L $work/gift/$path ]] || fail "round $1: $path is missing from the copy"
    done <"$list"
    [[ -x $work/gift/quadrifoglio ]] || fail "round $1: the game is missing"
    local dat
    dat=$(cat "$work/gift/Matrix.dat")
    [[ $dat == 0Prima || $dat == 1Second ]] || fail "round $1: Matrix.dat holds '$dat'"
    [[ $(cat "$work/notes.txt") == "my own notes" ]] || fail "round $1: the gift-maker's file changed"
}

seen_new=0 seen_old=0
for round in $(seq "$rounds"); do
    "$maker" "$work/picture.png" --language en --greeting 'Second' --out "$work/gift" --force >/dev/null 2>&1 &
    pid=$!
    # A moment anywhere in a replacement, which takes about a second here.
    sleep "0.$(( (RANDOM % 95) + 3 ))$(( RANDOM % 10 ))"
    kill -KILL $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
    check_whole "$round"
    if [[ $(cat "$work/gift/Matrix.dat") == 1Second ]]; then
        seen_new=$((seen_new + 1))
        # Back to the old one for the next round, unkilled.
        "$maker" "$work/picture.png" --language it --greeting 'Prima' --out "$work/gift" --force >/dev/null
    else
        seen_old=$((seen_old + 1))
    fi
    # Starting the copy on the host, now and then (each start takes seconds).
    if ((round % 5 == 0)); then
        "$here/own_display.sh" 1024x768 "$here/copy_closure.sh" --probe "$work/gift/quadrifoglio" "$work/maps" \
            || fail "round $round: the copy did not start"
    fi
done
leftover=$(find "$work" -mindepth 1 -maxdepth 1 -name '.quadrifoglio-maker-*' | wc -l)
echo "$rounds kills during --force: the old copy $seen_old times, the new one $seen_new times; files lost: 0; staging folders left for the next run: $leftover"

# The next run clears what the killed ones left.
"$maker" "$work/picture.png" --language en --greeting 'Second' --out "$work/gift" --force >/dev/null
check_whole final
[[ $(find "$work" -mindepth 1 -maxdepth 1 -name '.quadrifoglio-maker-*' | wc -l) == 0 ]] \
    || fail "staging folders are left after a run that was not killed"
"$here/own_display.sh" 1024x768 "$here/copy_closure.sh" --probe "$work/gift/quadrifoglio" "$work/maps" \
    || fail "the copy made last did not start"

root=${QUADRIFOGLIO_CLEAN_ROOT:-/var/tmp/quadrifoglio-clean-root}
if [[ $(id -u) -eq 0 && -x $root/bin/sh ]]; then
    "$here/../../tools/check_copy_in_clean_root.sh" "$work/gift" "$root" || fail "the copy did not start in the clean root"
else
    echo "no cached clean root (or not root): the copy was started on this machine only"
fi
