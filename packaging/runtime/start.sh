#!/bin/sh
# Quadrifoglio 3D: starts the game of this folder. When it cannot start (no
# desktop to show it on, a system too old, a library missing) it says why in
# the puzzle's language, on the terminal and in a window where it can.
# Works without its run bit too:  sh quadrifoglio

here=$(dirname "$(readlink -f "$0" 2>/dev/null || echo "$0")")
game=$here/quadrifoglio-game
glibc_needed=@GLIBC_NEEDED@

language=0
if IFS= read -r line <"$here/Matrix.dat" || [ -n "$line" ]; then
    case $line in
    1*) language=1 ;; 2*) language=2 ;; 3*) language=3 ;; 4*) language=4 ;;
    esac
fi 2>/dev/null

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

# A desktop to show the window on: X11, or Wayland (its named socket or the
# default one).
if [ -z "$DISPLAY$WAYLAND_DISPLAY$QT_QPA_PLATFORM" ] && ! [ -S "${XDG_RUNTIME_DIR:-/nonexistent}/wayland-0" ]; then
    tell "$(pick \
        "non trovo un desktop grafico su cui aprire la finestra (né X11 né Wayland). Avvia il gioco dal desktop, non da una console di testo o da una sessione remota senza grafica." \
        "no graphical desktop was found to open the window on (neither X11 nor Wayland). Start the game from the desktop, not from a text console or a remote session without graphics." \
        "aucun bureau graphique n'a été trouvé pour ouvrir la fenêtre (ni X11 ni Wayland). Lance le jeu depuis le bureau, pas depuis une console texte ou une session distante sans graphisme." \
        "es wurde keine grafische Oberfläche für das Fenster gefunden (weder X11 noch Wayland). Starte das Spiel vom Desktop aus, nicht von einer Textkonsole oder einer entfernten Sitzung ohne Grafik." \
        "no se encontró un escritorio gráfico donde abrir la ventana (ni X11 ni Wayland). Arranca el juego desde el escritorio, no desde una consola de texto o una sesión remota sin gráficos.")"
    exit 1
fi

# The C library: GNU libc of the version the game was built against or newer.
have=$(getconf GNU_LIBC_VERSION 2>/dev/null)
have=${have#glibc }
too_old=yes
case $have in
[0-9]*.[0-9]*)
    major=${have%%.*} minor=${have#*.}
    minor=${minor%%[!0-9]*}
    need_major=${glibc_needed%%.*} need_minor=${glibc_needed#*.}
    if [ "$major" -gt "$need_major" ] || { [ "$major" -eq "$need_major" ] && [ "$minor" -ge "$need_minor" ]; }; then
        too_old=
    fi
    ;;
esac
if [ -n "$too_old" ]; then
    tell "$(pick \
        "questo sistema è troppo vecchio per il gioco: serve la libreria C GNU (glibc) $glibc_needed o più recente, qui c'è ${have:-un'altra libreria C}. Va bene per esempio Debian 12, Ubuntu 22.04, Fedora 36 o più recenti." \
        "this system is too old for the game: it needs the GNU C library (glibc) $glibc_needed or newer, and here is ${have:-another C library}. Debian 12, Ubuntu 22.04, Fedora 36 or newer will do." \
        "ce système est trop ancien pour le jeu : il faut la bibliothèque C GNU (glibc) $glibc_needed ou plus récente, ici c'est ${have:-une autre bibliothèque C}. Debian 12, Ubuntu 22.04, Fedora 36 ou plus récents conviennent." \
        "dieses System ist zu alt für das Spiel: es braucht die GNU-C-Bibliothek (glibc) $glibc_needed oder neuer, hier ist ${have:-eine andere C-Bibliothek}. Debian 12, Ubuntu 22.04, Fedora 36 oder neuer sind geeignet." \
        "este sistema es demasiado antiguo para el juego: necesita la biblioteca C de GNU (glibc) $glibc_needed o más reciente, y aquí hay ${have:-otra biblioteca C}. Sirven Debian 12, Ubuntu 22.04, Fedora 36 o más recientes.")"
    exit 1
fi

# A download or an archive may have dropped the run bit.
[ -x "$game" ] || chmod u+x "$game" 2>/dev/null

"$game" "$@" &
pid=$!
trap 'kill -TERM $pid 2>/dev/null' INT TERM HUP
wait $pid
status=$?
while kill -0 $pid 2>/dev/null; do
    wait $pid
    status=$?
done
trap - INT TERM HUP

# 127: the loader could not start the game; 134: Qt found no way to open its
# window. What was missing is asked of the loader itself.
case $status in
127 | 134) ;;
*) exit $status ;;
esac

packages() {
    while read -r pattern apt dnf; do
        if printf '%s\n' "$1" | grep -qE "$pattern"; then
            printf '%s %s\n' "$apt" "$dnf"
            return
        fi
    done <<'EOF'
@LIBRARY_PACKAGES@
EOF
}

loader=/lib64/ld-linux-x86-64.so.2
missing=$(
    {
        LD_TRACE_LOADED_OBJECTS=1 "$game"
        if [ -n "$DISPLAY" ]; then
            "$loader" --list "$here/plugins/platforms/libqxcb.so"
        else
            "$loader" --list "$here/plugins/platforms/libqwayland-generic.so"
        fi
    } 2>&1 | sed -n 's/^[[:space:]]*\([^[:space:]]*\) => not found.*/\1/p' | sort -u
)
if [ -n "$missing" ]; then
    names= apt= dnf=
    for library in $missing; do
        names="$names $library"
        set -- $(packages "$library")
        if [ -n "$1" ] && [ "$1" != "-" ]; then
            case " $apt " in *" $1 "*) ;; *) apt="$apt $1" ;; esac
            case " $dnf " in *" $2 "*) ;; *) dnf="$dnf $2" ;; esac
        fi
    done
    install=
    [ -n "$apt" ] && install="sudo apt install$apt  (Debian, Ubuntu, Mint)   sudo dnf install$dnf  (Fedora)"
    tell "$(pick \
        "mancano su questo computer delle librerie che il gioco usa:$names. ${install:+Installale con:  $install}" \
        "this computer lacks libraries the game uses:$names. ${install:+Install them with:  $install}" \
        "il manque sur cet ordinateur des bibliothèques dont le jeu a besoin :$names. ${install:+Installe-les avec :  $install}" \
        "auf diesem Rechner fehlen Bibliotheken, die das Spiel braucht:$names. ${install:+Installiere sie mit:  $install}" \
        "faltan en este ordenador bibliotecas que el juego necesita:$names. ${install:+Instálalas con:  $install}")"
elif [ $status -eq 134 ]; then
    tell "$(pick \
        "il gioco non è riuscito ad aprire la sua finestra su questo desktop (${DISPLAY:+X11 $DISPLAY}${WAYLAND_DISPLAY:+ Wayland $WAYLAND_DISPLAY}). I messaggi qui sopra dicono di più." \
        "the game could not open its window on this desktop (${DISPLAY:+X11 $DISPLAY}${WAYLAND_DISPLAY:+ Wayland $WAYLAND_DISPLAY}). The messages above tell more." \
        "le jeu n'a pas pu ouvrir sa fenêtre sur ce bureau (${DISPLAY:+X11 $DISPLAY}${WAYLAND_DISPLAY:+ Wayland $WAYLAND_DISPLAY}). Les messages ci-dessus en disent plus." \
        "das Spiel konnte sein Fenster auf diesem Desktop nicht öffnen (${DISPLAY:+X11 $DISPLAY}${WAYLAND_DISPLAY:+ Wayland $WAYLAND_DISPLAY}). Die Meldungen darüber sagen mehr." \
        "el juego no pudo abrir su ventana en este escritorio (${DISPLAY:+X11 $DISPLAY}${WAYLAND_DISPLAY:+ Wayland $WAYLAND_DISPLAY}). Los mensajes de arriba dicen más.")"
fi
exit $status
