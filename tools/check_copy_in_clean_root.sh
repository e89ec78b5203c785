#!/usr/bin/env bash
# A portable copy checked by hand (as root; the first run downloads about
# 150 MB): a Debian root made with debootstrap that holds only the friend's
# desktop (tests/e2e/clean_root.sh) starts the copy, whose window must show
# on an X server of this machine. The tests e2e_friend_copy_* do the same
# and more for copies they make.
# Usage: tools/check_copy_in_clean_root.sh COPY-FOLDER [bookworm|trixie [ROOT-FOLDER]]
# ROOT-FOLDER is kept for the next run (default /var/tmp/quadrifoglio-clean-root-RELEASE).
set -euo pipefail

copy=$(realpath "$1")
release=${2:-bookworm}
root=${3:-/var/tmp/quadrifoglio-clean-root-$release}
[[ -x $copy/quadrifoglio ]] || { echo "no copy of the game in $copy" >&2; exit 2; }
[[ $(id -u) -eq 0 ]] || { echo "debootstrap and chroot need root" >&2; exit 2; }
"$(dirname "$0")/../tests/e2e/clean_root.sh" "$release" "$root"

rm -rf "$root/home/friend"
mkdir -p "$root/home/friend" "$root/tmp/.X11-unix"
cp -a "$copy" "$root/home/friend/gift"

# The X server runs here; the root reaches it through its socket.
display=:$((RANDOM % 200 + 300))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
# As on any desktop: the loader finds $ORIGIN, and the game its folder,
# through /proc/self/exe.
mount -t proc proc "$root/proc"
cleanup() {
    kill "${game:-}" 2>/dev/null || true
    umount "$root/proc" 2>/dev/null || true
    umount "$root/tmp/.X11-unix" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1

chroot "$root" env -i DISPLAY="$display" HOME=/home/friend LANG=C.UTF-8 \
    sh /home/friend/gift/quadrifoglio >"$root/home/friend/game.log" 2>&1 &
game=$!
for _ in $(seq 120); do
    if DISPLAY=$display xdotool search --onlyvisible --name '^Quadrifoglio 3D$' >/dev/null 2>&1; then
        sleep 2
        DISPLAY=$display import -window root "$root/home/friend/screen.png" 2>/dev/null || true
        echo "The copy started in the clean root and showed its window (screenshot: $root/home/friend/screen.png)."
        exit 0
    fi
    kill -0 "$game" 2>/dev/null || break
    sleep 0.5
done
echo "The copy did not show its window in the clean root:" >&2
cat "$root/home/friend/game.log" >&2
exit 1
