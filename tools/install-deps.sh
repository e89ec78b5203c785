#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and be tested,
# and nothing when they are all there already.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev libgl-dev
    libsndfile1-dev libminini-dev
    # the texts: Qt Linguist files (lupdate, lrelease, qt_add_translations)
    qt6-l10n-tools qt6-tools-dev
    # every text is spell-checked in its language
    hunspell hunspell-it hunspell-en-us hunspell-fr hunspell-de-de hunspell-es
    # pictures in WebP, TIFF and other formats for the maker
    qt6-image-formats-plugins
    # large PNGs, TIFFs and WebPs are decoded a strip at a time, or straight to the
    # board's size; bench_pictures writes its 200-megapixel JPEGs and PNGs
    libjpeg-dev libpng-dev libtiff-dev libwebp-dev
    # the gift copy: its runtime's RUNPATH, the Wayland platform it carries,
    # the zstd decoder its single file carries (libzstd linked in) and the
    # packing of its runtime
    patchelf qt6-wayland libzstd-dev zstd
    # ICU's data trimmed to what the game needs (icupkg)
    icu-devtools
    # the game's font (built in, described to fontconfig), and the one font
    # of a bare desktop
    fonts-liberation2 fonts-dejavu-core libfontconfig-dev fontconfig
    # the friend's desktops for the copy's tests: Debian roots, and a
    # Wayland desktop without X11
    debootstrap weston
    # real-window tests and screenshots
    xvfb xauth xdotool imagemagick x11-utils python3
    # bench/screen_watch: the X server's DAMAGE events
    libxcb1-dev libxcb-damage0-dev
    # a window manager with a taskbar, as on a desktop
    icewm
    # the installed desktop entries and metainfo are checked; the Debian
    # package is made (dpkg-shlibdeps), checked by lintian and installed
    desktop-file-utils appstream dpkg-dev lintian man-db
    # tools/accessible_tree.sh: what a screen reader is told, through AT-SPI
    at-spi2-core python3-pyatspi dbus
    # a private sound server for the audio tests
    pulseaudio pulseaudio-utils
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
