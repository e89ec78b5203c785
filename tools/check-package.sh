#!/usr/bin/env bash
# Makes the Debian package from a build (cpack -G DEB), has lintian look at
# it, installs it into this machine, checks what it put there, and removes it
# again, checking that nothing of it is left. Installing needs root; a machine
# that already has a quadrifoglio package is left alone (status 77: skipped).
#
#   tools/check-package.sh [build folder]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }

if [[ $(id -u) -ne 0 ]]; then
    echo "SKIP: installing a package needs root"
    exit 77
fi
if dpkg-query -W -f='${Status}' quadrifoglio 2>/dev/null | grep -q installed; then
    echo "SKIP: a quadrifoglio package is installed already; it is left as it is"
    exit 77
fi

# dpkg does not wait for a lock that another apt or dpkg holds: it is asked
# again, every two seconds, for up to ten minutes.
dpkg_when_free() {
    local deadline=$((SECONDS + 600)) out
    while :; do
        if out=$(dpkg "$@" 2>&1); then
            printf '%s\n' "$out"
            return 0
        fi
        if [[ $out == *"locked by another process"* ]] && ((SECONDS < deadline)); then
            sleep 2
            continue
        fi
        printf '%s\n' "$out"
        return 1
    done
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) \
    || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/quadrifoglio_*.deb)
echo "made $(basename "$deb") ($(du -k "$deb" | cut -f1) KB)"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
[[ $depends == *libqt6widgets6* && $depends == *libc6* ]] || fail "dpkg-shlibdeps did not work out the libraries"

lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" | tee "$work/lintian.log"
grep -q '^E:' "$work/lintian.log" && fail "lintian reports errors"

dpkg_when_free -i "$deb" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "dpkg -i"; }
dpkg -L quadrifoglio >"$work/files"
remove() { dpkg_when_free -r quadrifoglio >"$work/remove.log" 2>&1 || { cat "$work/remove.log"; fail "dpkg -r"; }; }
for path in /usr/bin/quadrifoglio /usr/bin/quadrifoglio-maker /usr/lib/quadrifoglio/Matrix.jpg \
    /usr/lib/quadrifoglio/quadrifoglio-sound.so /usr/lib/quadrifoglio/quadrifoglio-pictures.so \
    /usr/share/applications/quadrifoglio.desktop /usr/share/metainfo/org.example.quadrifoglio.metainfo.xml \
    /usr/share/man/man6/quadrifoglio.6.gz /usr/share/icons/hicolor/scalable/apps/quadrifoglio.svg; do
    [[ -e $path ]] || { remove; fail "$path is not installed"; }
done
# The game's modules find every library they need in the package's dependencies.
for module in /usr/lib/quadrifoglio/quadrifoglio-*.so; do
    ! ldd "$module" | grep -q 'not found' || { remove; fail "$module lacks a library: $(ldd "$module" | grep 'not found')"; }
done
version=$(env -u DISPLAY quadrifoglio --version) || { remove; fail "quadrifoglio --version"; }
[[ $version == "Quadrifoglio 3D "* ]] || { remove; fail "--version says '$version'"; }
man -w quadrifoglio-maker >/dev/null || { remove; fail "man quadrifoglio-maker"; }
echo "installed: $version"

# The packaged maker makes complete copies: a folder with the game, its
# libraries and plugins, and one file, from the pack alone.
convert -size 64x64 xc:gold "$work/picture.png"
env -u DISPLAY HOME="$work/home" quadrifoglio-maker "$work/picture.png" --language en --out "$work/gift" >"$work/maker.log" 2>&1 &&
    env -u DISPLAY HOME="$work/home" quadrifoglio-maker "$work/picture.png" --language en --single-file "$work/gift.run" \
        >>"$work/maker.log" 2>&1 || { cat "$work/maker.log"; remove; fail "the packaged maker made no copy"; }
for part in quadrifoglio quadrifoglio-game lib/libQt6Core.so.6 lib/libicudata.so.72 plugins/platforms/libqxcb.so \
    lib/quadrifoglio-sound.so \
    plugins/platforms/libqwayland-generic.so Matrix.jpg README.txt; do
    [[ -e $work/gift/$part ]] || { remove; fail "the packaged maker's copy lacks $part"; }
done
head -c 200 "$work/gift.run" | grep -q 'in one file' || { remove; fail "the packaged maker's single file is not one"; }
echo "the packaged maker made a folder ($(du -sm "$work/gift" | cut -f1) MB) and one file ($(du -m "$work/gift.run" | cut -f1) MB)"

remove
dpkg-query -W -f='${Status}' quadrifoglio 2>/dev/null | grep -q '^install' && fail "still installed"
left=0
while read -r path; do
    if [[ -e $path && ! -d $path ]]; then echo "left behind: $path" >&2; left=1; fi
done <"$work/files"
((left == 0)) || fail "files left behind after dpkg -r"
echo "removed: nothing left"
