#!/usr/bin/env bash
# The strong check of a portable copy, run by hand (as root; it downloads
# about 150 MB): a Debian 12 root made with debootstrap that holds only what
# every desktop has (packaging/runtime/desktop-libraries.txt) and no Qt
# starts the copy, whose window must show on an X server of this machine.
# Usage: tools/check_copy_in_clean_root.sh COPY-FOLDER [ROOT-FOLDER]
# ROOT-FOLDER is kept for the next run (default /var/tmp/quadrifoglio-clean-root).
set -euo pipefail

copy=$(realpath "$1")
root=${2:-/var/tmp/quadrifoglio-clean-root}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
[[ -x $copy/quadrifoglio ]] || { echo "no copy of the game in $copy" >&2; exit 2; }
[[ $(id -u) -eq 0 ]] || { echo "debootstrap and chroot need root" >&2; exit 2; }

# The desktop of the list, by Debian 12 package: X11 and xcb, GL/EGL with
# Mesa, fontconfig with DejaVu, GLib, ALSA, the PulseAudio client (with
# libsndfile), D-Bus, zlib, libpng, ICU.
desktop=libx11-6,libx11-xcb1,libxcb1,libxcb-randr0,libxcb-render0,libxcb-shape0,libxcb-shm0,libxcb-sync1,\
libxcb-xfixes0,libxcb-xkb1,libxcb-xinput0,libxcb-glx0,libxcursor1,libxi6,libxrandr2,libxrender1,libxext6,\
libgl1,libegl1,libopengl0,libgl1-mesa-dri,libglx-mesa0,libegl-mesa0,libfontconfig1,libfreetype6,\
fonts-dejavu-core,libglib2.0-0,libasound2,libpulse0,libdbus-1-3,zlib1g,libpng16-16,libicu72,libsndfile1

if [[ ! -x $root/bin/sh ]]; then
    command -v debootstrap >/dev/null || apt-get install -y -qq --no-install-recommends debootstrap
    debootstrap --variant=minbase --include="$desktop" bookworm "$root" "$mirror"
fi
if chroot "$root" sh -c 'ls /usr/lib/*/libQt6* 2>/dev/null' | grep -q .; then
    echo "the root holds Qt: it proves nothing" >&2
    exit 2
fi

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
    /home/friend/gift/quadrifoglio >"$root/home/friend/game.log" 2>&1 &
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
