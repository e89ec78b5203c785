#!/usr/bin/env bash
# The friend's copy on a friend's desktop: a Debian root holding only the
# desktop list (clean_root.sh) starts the copies a maker makes, on an X
# server and on a Wayland desktop without X11 (weston, headless) of this
# machine. Copies: the folder, the single file, and a folder made by the
# maker as the Debian package installs it (its runtime packed only). Each
# start must show the picture on the board; on X11 the greeting must be laid
# out as on this machine (its ink within 2 px). Then the single file with a
# noexec TMPDIR and no cache, and a killed run followed by a new start.
# Prints one line per start with the seconds from start to picture.
# Usage: friend_copy.sh RELEASE ROOT BUILD-DIR ARTIFACTS     (as root)
set -euo pipefail

release=$1 root=$(realpath -m "$2") build=$(realpath "$3") artifacts=$4
here=$(dirname "$(realpath "$0")")
[[ $(id -u) -eq 0 ]] || { echo "chroot and mounts need root" >&2; exit 77; }
"$here/clean_root.sh" "$release" "$root" || exit $?
mkdir -p "$artifacts"

work=$(mktemp -d /tmp/friend-copy.XXXXXX)
friend=$root/home/friend
mounts=()
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount -l "${mounts[i]}" 2>/dev/null || true; done
    rm -rf "$work" "$friend"
}
trap cleanup EXIT
fail() {
    echo "FAIL ($release): $*" >&2
    cp "$work"/*.png "$work"/*.log "$artifacts/" 2>/dev/null || true
    exit 1
}

# Waits for a command to succeed, every 0.1 s, at most the given seconds.
until_within() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# A picture of four flat quarters kept as it is (a square bitmap): its
# magenta quarter is looked for on the screen, wherever the window lies.
convert -size 240x240 xc:'#00c000' -fill '#ff00ff' -draw 'rectangle 0,0 119,119' \
    -fill '#0000ff' -draw 'rectangle 120,120 239,239' -type truecolor "BMP3:$work/picture.bmp"
greeting='Tanti auguri, Anna! Un puzzle tutto per te, da fare con calma e finire prima che scada il tempo.'
maker=$build/src/quadrifoglio-maker
mkdir -p "$friend"
"$maker" "$work/picture.bmp" --language it --greeting "$greeting" --out "$friend/folder" >/dev/null
"$maker" "$work/picture.bmp" --language it --greeting "$greeting" --single-file "$friend/gift.run" >/dev/null
# The maker as the Debian package installs it: the runtime packed only.
cmake --install "$build" --prefix "$work/package" --component Unspecified >/dev/null
[[ ! -e $work/package/lib/quadrifoglio/runtime ]] || fail "the package's files hold a loose runtime"
XDG_CACHE_HOME=$work/maker-cache "$work/package/bin/quadrifoglio-maker" "$work/picture.bmp" --language it \
    --greeting "$greeting" --out "$friend/packaged" >/dev/null
chmod -R a+rX "$friend"

# The displays: an X server, and a Wayland desktop with no X server.
display=:$((RANDOM % 300 + 400))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
mkdir -m 0700 -p "$work/wayland"
XDG_RUNTIME_DIR=$work/wayland weston --backend=headless-backend.so --use-pixman --debug --socket=friend \
    --width=1024 --height=768 --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
until_within 30 test -S "/tmp/.X11-unix/X${display#:}" || fail "Xvfb did not start"
until_within 30 test -S "$work/wayland/friend" || fail "weston did not start"

mkdir -p "$root/tmp/.X11-unix" "$root/run/friend"
for pair in "/tmp/.X11-unix:$root/tmp/.X11-unix" "$work/wayland:$root/run/friend"; do
    mount --bind "${pair%%:*}" "${pair#*:}"
    mounts+=("${pair#*:}")
done
mount -t proc proc "$root/proc"
mounts+=("$root/proc")

# The share of the screen in the picture's magenta.
magenta() {
    convert "$1" -fuzz 4% -fill black +opaque '#ff00ff' -fill white -opaque '#ff00ff' -format '%[fx:mean]' info:
}
shot_x11() { DISPLAY=$display import -window root "$1" 2>/dev/null; }
shot_wayland() {
    (cd "$work" && rm -f wayland-screenshot*.png &&
        XDG_RUNTIME_DIR=$work/wayland WAYLAND_DISPLAY=friend timeout 10 weston-screenshooter >/dev/null 2>&1 &&
        mv wayland-screenshot*.png "$1")
}
shows_picture() {
    "shot_$1" "$work/screen.png" || return 1
    awk -v m="$(magenta "$work/screen.png")" 'BEGIN { exit !(m > 0.02) }'
}

taken_and_shows() {
    date +%s.%N >"$work/shot-time"
    shows_picture "$1"
}

# Starts COMMAND in the root as the friend would on DISPLAY-KIND and waits
# for the picture; the seconds go in $seconds, the started game stays ($game).
start() {
    local kind=$1 name=$2
    shift 2
    local env=(HOME=/home/friend LANG=C.UTF-8 PATH=/usr/bin:/bin)
    if [[ $kind == x11 ]]; then
        env+=(DISPLAY="$display")
    else
        env+=(XDG_RUNTIME_DIR=/run/friend WAYLAND_DISPLAY=friend XDG_SESSION_TYPE=wayland)
    fi
    local began=$(date +%s.%N)
    # In a session of its own, with Ctrl+C's signal as a terminal leaves it
    # (a background job of this script would ignore it).
    python3 -c 'import os, signal, sys; os.setsid(); signal.signal(signal.SIGINT, signal.SIG_DFL); os.execvp(sys.argv[1], sys.argv[1:])' \
        chroot "$root" env -i "${env[@]}" "$@" >"$work/$name.log" 2>&1 &
    game=$!
    pids+=($game)
    # Timed to the screenshot that first showed the picture, not to the end
    # of its check.
    if ! until_within 60 taken_and_shows "$kind"; then
        cp "$work/screen.png" "$artifacts/$name.png" 2>/dev/null || true
        cat "$work/$name.log" >&2
        fail "$name: the picture did not show"
    fi
    seconds=$(awk -v a="$began" -v b="$(cat "$work/shot-time")" 'BEGIN { printf "%.2f", b - a }')
}
# The games running inside the root (other tests may run copies meanwhile).
games_in_root() {
    local pid
    for pid in $(pgrep -f '[q]uadrifoglio-game'); do
        [[ $(readlink "/proc/$pid/root") == "$root" ]] && echo "$pid"
    done
    return 0
}
no_game_in_root() { [[ -z $(games_in_root) ]]; }

# Ends the started game and waits until its window has gone from the screen,
# so that the next start is judged by its own window.
stop() {
    kill -TERM -- -"$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
    until_within 20 no_game_in_root || fail "the game did not end"
    until_within 20 not_showing x11 || fail "the game's window stayed on the X screen"
    until_within 20 not_showing wayland || fail "the game's window stayed on the Wayland screen"
}
not_showing() { ! shows_picture "$1"; }

# The greeting's ink in the text box of the panel above the board (1024 x
# 768, no window manager: the panel's corner is at 322,20), as
# WIDTHxHEIGHT+X+Y: only the black of the letters, not the panel's pins.
greeting_ink() {
    convert "$1" -crop 356x56+334+30 +repage -colorspace gray -threshold 15% -negate -trim \
        -format '%wx%h%O' info: 2>/dev/null
}
within_2px() {
    local a=(${1//[x+]/ }) b=(${2//[x+]/ })
    for i in 0 1 2 3; do
        ((a[i] - b[i] <= 2 && b[i] - a[i] <= 2)) || return 1
    done
}
# The greeting as this machine's copy shows it.
QT_QPA_PLATFORM=xcb DISPLAY=$display HOME=$work XDG_CONFIG_HOME=$work/config "$friend/folder/quadrifoglio-game" \
    >"$work/host.log" 2>&1 &
host=$!
pids+=($host)
until_within 60 shows_picture x11 || fail "the copy did not show its picture on this machine"
sleep 0.5
shot_x11 "$work/host.png"
kill "$host"
wait "$host" 2>/dev/null || true
expected=$(greeting_ink "$work/host.png")
# Two lines of text across the box.
[[ $expected =~ ^3[0-9][0-9]x(2[0-9]|3[0-5])\+ ]] || { cp "$work/host.png" "$artifacts/"; fail "the greeting here is $expected, not two lines"; }

report() { printf '%-8s %-12s %-8s %s\n' "$release" "$1" "$2" "$3"; }
for kind in x11 wayland; do
    for copy in folder single-file packaged; do
        rm -rf "$friend/.cache" "$friend/.config"
        seen=
        case $copy in
        folder) start "$kind" "$copy-$kind" sh /home/friend/folder/quadrifoglio ;;
        single-file) start "$kind" "$copy-$kind" sh /home/friend/gift.run ;;
        packaged) start "$kind" "$copy-$kind" /home/friend/packaged/quadrifoglio ;;
        esac
        if [[ $kind == x11 ]]; then
            sleep 0.5
            shot_x11 "$work/$copy.png"
            seen=$(greeting_ink "$work/$copy.png")
            within_2px "$seen" "$expected" ||
                { cp "$work/$copy.png" "$work/host.png" "$artifacts/"; fail "$copy: the greeting's ink is $seen, here $expected"; }
        else
            grep -q 'plugins/platforms/libqwayland' "/proc/$(games_in_root | tail -1)/maps" ||
                fail "$copy: the game did not start on Wayland"
        fi
        stop
        report "$copy" "$kind" "started, ${seconds} s to the picture${seen:+; greeting ink $seen, here $expected}"
        if [[ $copy == single-file ]]; then
            # A later start: the unpacked copy in the cache.
            start "$kind" "$copy-again-$kind" sh /home/friend/gift.run
            stop
            report "$copy" "$kind" "later start from the cache, ${seconds} s"
        fi
    done
done

# No cache (a read-only home) and a noexec TMPDIR: the game unpacks into
# /tmp, which is removed when the game ends.
rm -rf "$friend/.cache"
mkdir -p "$root/tmp/noexec"
mount -t tmpfs -o noexec,size=64m tmpfs "$root/tmp/noexec"
mounts+=("$root/tmp/noexec")
chmod 1777 "$root/tmp/noexec"
touch "$friend/.cache" # the cache folder cannot be made
start x11 noexec env TMPDIR=/tmp/noexec sh /home/friend/gift.run
ls -d "$root"/tmp/quadrifoglio-* >/dev/null 2>&1 || fail "no private folder in /tmp"
# (The game itself may keep its lock's socket there.)
[[ -z $(ls -d "$root"/tmp/noexec/quadrifoglio-* 2>/dev/null) ]] || fail "a folder was left in the noexec TMPDIR"
stop
[[ -z $(ls -d "$root"/tmp/quadrifoglio-* 2>/dev/null) ]] || fail "the private folder was not removed at the end"
report single-file x11 "noexec TMPDIR, no cache: ${seconds} s; its folder removed at the end"

# Ctrl+C in the terminal ends the game, and its private folder goes.
start x11 ctrl-c sh /home/friend/gift.run
ls -d "$root"/tmp/quadrifoglio-* >/dev/null 2>&1 || fail "no private folder in /tmp"
kill -INT -- -"$game"
until_within 20 no_game_in_root || fail "Ctrl+C did not end the game"
wait "$game" 2>/dev/null || true
[[ -z $(ls -d "$root"/tmp/quadrifoglio-* 2>/dev/null) ]] || fail "the private folder was not removed after Ctrl+C"
report single-file x11 "Ctrl+C: the game ended, its folder removed"

# A killed run leaves its folder; the next start removes it.
start x11 killed sh /home/friend/gift.run
kill -KILL -- -"$game"
wait "$game" 2>/dev/null || true
until_within 20 no_game_in_root || true
left=$(ls -d "$root"/tmp/quadrifoglio-* 2>/dev/null || true)
[[ -n $left ]] || fail "the killed run left nothing to test with"
start x11 after-kill sh /home/friend/gift.run
[[ ! -e $left ]] || fail "the killed run's folder $left is still there"
stop
rm -f "$friend/.cache"
report single-file x11 "after a killed run: its folder removed, ${seconds} s"
