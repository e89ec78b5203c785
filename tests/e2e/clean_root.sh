#!/usr/bin/env bash
# A Debian root that holds the friend's desktop and nothing more: made with
# debootstrap (minbase) plus the packages of packaging/runtime/desktop-libraries.txt,
# kept for later runs. A root is made aside and renamed into place, so a run
# killed halfway never leaves a root that looks finished.
# Usage: clean_root.sh RELEASE ROOT     (RELEASE: bookworm or trixie; needs root)
set -euo pipefail

release=$1 root=$2
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}

# The friend's desktop by release: glibc and libstdc++ (in minbase), X11 and
# the xcb core, libGL and libEGL (glvnd with Mesa), fontconfig and FreeType
# with DejaVu alone, GLib, cairo, xkbcommon and its X11 part, ALSA, the
# PulseAudio client, D-Bus, zlib, libpng.
common=libx11-6,libx11-xcb1,libxcb1,libxext6,libxrender1,libgl1,libegl1,libfontconfig1,libfreetype6,\
fonts-dejavu-core,libcairo2,libxkbcommon0,libxkbcommon-x11-0,libpulse0,libdbus-1-3,zlib1g
case $release in
bookworm) packages=$common,libglib2.0-0,libasound2,libpng16-16 ;;
trixie) packages=$common,libglib2.0-0t64,libasound2t64,libpng16-16t64 ;;
*) echo "unknown release $release" >&2; exit 2 ;;
esac

[[ -x $root/bin/sh && -f $root/.friends-desktop && $(cat "$root/.friends-desktop") == "$packages" ]] && exit 0
[[ $(id -u) -eq 0 ]] || { echo "debootstrap needs root" >&2; exit 77; }
command -v debootstrap >/dev/null || { echo "debootstrap is not installed" >&2; exit 77; }

stage=$root.new
rm -rf "$stage" "$root"
mkdir -p "$(dirname "$root")"
debootstrap --variant=minbase --include="$packages" "$release" "$stage" "$mirror" >"$stage.log" 2>&1 || {
    tail -20 "$stage.log" >&2
    exit 1
}
rm -rf "$stage"/var/cache/apt/archives/*.deb
# Mesa may bring an ICU of its own release (through LLVM and libxml2): the
# copy must not depend on it, which the copy's tests check by what it loads.
if chroot "$stage" sh -c 'ls /usr/lib/*/libQt6* /usr/lib/*/libOpenGL* 2>/dev/null' | grep -q .; then
    echo "the $release root holds Qt or libOpenGL: it would prove nothing" >&2
    exit 1
fi
echo "$packages" >"$stage/.friends-desktop"
mv "$stage" "$root"
rm -f "$stage.log"
echo "made the $release root in $root"
