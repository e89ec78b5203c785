#!/bin/sh
# Quadrifoglio 3D: a jigsaw puzzle made for you, in one file. Start it with
#     sh THIS-FILE
# It unpacks the game once into your cache folder and starts it from there
# (later starts only check that copy); where that cannot be, into a private
# temporary folder that goes away when the game ends.
key=@KEY@
language=@LANGUAGE@
header_bytes=@HEADER_BYTES@
unpack_bytes=@UNPACK_BYTES@
runtime_bytes=@RUNTIME_BYTES@
gift_bytes=@GIFT_BYTES@

self=$0
total=$((header_bytes + unpack_bytes + runtime_bytes + gift_bytes))

# One text in the puzzle's language: it, en, fr, de, es.
pick() {
    case $language in
    1) printf '%s' "$2" ;; 2) printf '%s' "$3" ;; 3) printf '%s' "$4" ;; 4) printf '%s' "$5" ;;
    *) printf '%s' "$1" ;;
    esac
}

# On the terminal, and in a window when the desktop has a program for one.
tell() {
    printf 'Quadrifoglio 3D: %s\n' "$1" >&2
    [ -n "$DISPLAY$WAYLAND_DISPLAY" ] || return 0
    if command -v zenity >/dev/null 2>&1; then
        zenity --error --no-markup --title="Quadrifoglio 3D" --text="$1" >/dev/null 2>&1
    elif command -v kdialog >/dev/null 2>&1; then
        kdialog --title "Quadrifoglio 3D" --sorry "$1" >/dev/null 2>&1
    elif [ -n "$DISPLAY" ] && command -v xmessage >/dev/null 2>&1; then
        xmessage -center -title "Quadrifoglio 3D" "$1" >/dev/null 2>&1
    fi
}

size=$(wc -c <"$self" 2>/dev/null)
if [ "${size:-0}" -ne "$total" ]; then
    tell "$(pick \
        "il file $self è incompleto o rovinato ($size byte invece di $total): scaricalo o copialo di nuovo." \
        "the file $self is incomplete or damaged ($size bytes instead of $total): download or copy it again." \
        "le fichier $self est incomplet ou abîmé ($size octets au lieu de $total) : télécharge-le ou copie-le à nouveau." \
        "die Datei $self ist unvollständig oder beschädigt ($size Bytes statt $total): lade oder kopiere sie noch einmal." \
        "el archivo $self está incompleto o dañado ($size bytes en lugar de $total): descárgalo o cópialo de nuevo.")"
    exit 1
fi

# What a copy holds, with sizes, times and modes: a copy that differs in
# anything (cut short, a file missing or changed) is not used.
manifest() {
    find "$1" -type f ! -name '.manifest*' -printf '%P %s %T@ %m\n' | LC_ALL=C sort | cksum
}

cache=${XDG_CACHE_HOME:-${HOME:-/nonexistent}/.cache}/quadrifoglio
copy=$cache/$key
if [ -f "$copy/.manifest" ] && IFS= read -r expected <"$copy/.manifest" && [ "$(manifest "$copy")" = "$expected" ]; then
    touch "$copy" 2>/dev/null # the most recently used copies are kept
    exec "$copy/quadrifoglio" "$@"
fi

# Unpacking takes a moment: the desktop shows at once that the game is on
# its way, as a notification where it has a program for one, else as a
# small window that goes when the game starts.
ready_window=
getting_ready() {
    [ -n "$DISPLAY$WAYLAND_DISPLAY" ] || return 0
    text=$(pick "Quadrifoglio 3D si sta preparando..." "Quadrifoglio 3D is getting ready..." \
        "Quadrifoglio 3D se prépare..." "Quadrifoglio 3D wird vorbereitet..." "Quadrifoglio 3D se está preparando...")
    if command -v notify-send >/dev/null 2>&1; then
        notify-send --expire-time=3000 --app-name="Quadrifoglio 3D" "Quadrifoglio 3D" "$text" >/dev/null 2>&1 &
    elif command -v gdbus >/dev/null 2>&1; then
        gdbus call --session --dest org.freedesktop.Notifications --object-path /org/freedesktop/Notifications \
            --method org.freedesktop.Notifications.Notify "Quadrifoglio 3D" 0 "" "Quadrifoglio 3D" "$text" \
            "[]" "{}" 3000 >/dev/null 2>&1 &
    elif command -v zenity >/dev/null 2>&1; then
        zenity --progress --pulsate --no-cancel --title="Quadrifoglio 3D" --text="$text" >/dev/null 2>&1 &
        ready_window=$!
    fi
}
ready() {
    [ -z "$ready_window" ] || kill "$ready_window" 2>/dev/null
    ready_window=
}

# Unpacks the game into the empty folder $1; fails where programs cannot run
# (a folder on a noexec mount) or the file does not decode.
unpack_into() {
    tail -c +$((header_bytes + 1)) "$self" | head -c "$unpack_bytes" >"$1/.unpack" && chmod 700 "$1/.unpack" || return 1
    "$1/.unpack" >/dev/null 2>&1
    [ $? -eq 2 ] || return 1 # it ran: it answers a call without arguments with 2
    { "$1/.unpack" "$self" $((header_bytes + unpack_bytes)) "$runtime_bytes" || echo failed >"$1/.failed"; } |
        tar -xf - -C "$1" || return 1
    [ ! -e "$1/.failed" ] || return 1
    tail -c +$((header_bytes + unpack_bytes + runtime_bytes + 1)) "$self" | tar -xf - -C "$1" || return 1
    [ -x "$1/quadrifoglio" ]
}

# Folders left by runs that were killed: named after their process, which is
# gone.
remove_leftovers() {
    for folder in "$1"/$2*; do
        [ -d "$folder" ] && [ -O "$folder" ] || continue
        owner=${folder##*/$2}
        owner=${owner%%-*}
        case $owner in '' | *[!0-9]*) continue ;; esac
        kill -0 "$owner" 2>/dev/null || rm -rf "$folder"
    done
}

getting_ready
if mkdir -p "$cache" 2>/dev/null; then
    remove_leftovers "$cache" .unpack-
    rm -rf "$copy" # damaged or unfinished
    stage=$(mktemp -d "$cache/.unpack-$$-XXXXXX" 2>/dev/null)
    if [ -n "$stage" ] && unpack_into "$stage" && manifest "$stage" >"$stage/.manifest.new" &&
        mv "$stage/.manifest.new" "$stage/.manifest" && mv -T "$stage" "$copy" 2>/dev/null; then
        # Three puzzles are kept at most: the oldest go.
        ls -td "$cache"/[0-9a-f][0-9a-f][0-9a-f][0-9a-f]*/ 2>/dev/null | tail -n +4 | while IFS= read -r old; do
            rm -rf "$old"
        done
        ready
        exec "$copy/quadrifoglio" "$@"
    fi
    [ -z "$stage" ] || rm -rf "$stage"
    [ ! -f "$copy/.manifest" ] || { ready; exec "$copy/quadrifoglio" "$@"; } # another start put it in place
fi

# No cache: a private temporary folder, removed when the game ends.
folder=
for base in "$XDG_RUNTIME_DIR" "$TMPDIR" /tmp; do
    [ -n "$base" ] && [ -d "$base" ] && [ -w "$base" ] || continue
    remove_leftovers "$base" quadrifoglio-
    folder=$(mktemp -d "$base/quadrifoglio-$$-XXXXXX" 2>/dev/null) || continue
    trap 'rm -rf "$folder"' EXIT
    unpack_into "$folder" && break
    rm -rf "$folder"
    folder=
done
ready
if [ -z "$folder" ]; then
    tell "$(pick \
        "non c'è una cartella dove il gioco possa essere estratto e avviato (la cartella della cache ${cache} e quella temporanea ${TMPDIR:-/tmp} sono piene, di sola lettura o non permettono di avviare programmi). Libera un po' di spazio e riprova." \
        "there is no folder where the game can be unpacked and started (the cache folder ${cache} and the temporary folder ${TMPDIR:-/tmp} are full, read-only or do not allow programs to run). Free some space and try again." \
        "il n'y a aucun dossier où le jeu puisse être décompressé et lancé (le dossier de cache ${cache} et le dossier temporaire ${TMPDIR:-/tmp} sont pleins, en lecture seule ou n'autorisent pas les programmes). Libère de la place et réessaie." \
        "es gibt keinen Ordner, in den das Spiel entpackt und aus dem es gestartet werden kann (der Cache-Ordner ${cache} und der temporäre Ordner ${TMPDIR:-/tmp} sind voll, schreibgeschützt oder erlauben keine Programme). Schaffe etwas Platz und versuche es noch einmal." \
        "no hay ninguna carpeta donde el juego pueda descomprimirse y arrancar (la carpeta de caché ${cache} y la temporal ${TMPDIR:-/tmp} están llenas, son de solo lectura o no permiten programas). Libera algo de espacio y vuelve a intentarlo.")"
    exit 1
fi

"$folder/quadrifoglio" "$@" &
pid=$!
trap 'kill -TERM $pid 2>/dev/null' INT TERM HUP
wait $pid
status=$?
while kill -0 $pid 2>/dev/null; do
    wait $pid
    status=$?
done
rm -rf "$folder"
exit $status
