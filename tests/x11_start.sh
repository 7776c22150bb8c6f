#!/usr/bin/env bash
# The game started on X11 as a player starts it, with the help probe
# preloaded (the board shown, then the help window): once on a fresh Xvfb
# named as the local display ":N", as a kiosk's X server that has no other
# client, and once on another reached by TCP as "localhost:N.0", the form an
# ssh-forwarded display takes. The check the game makes before Qt starts
# may refuse only a display that cannot answer, and must not disturb one
# that does: the game starts on both and prints nothing but the probe's lines.
# Then -platform names a display that does not answer.
# Needs QUORVANE_GAME, QUORVANE_PROBE (the help probe module) and Xvfb.
set -u
command -v Xvfb >/dev/null || { echo "x11_start.sh: Xvfb is missing (apt-get install xvfb)"; exit 1; }
work=$(mktemp -d)
servers=()
stop() {
    for pid in "${servers[@]}"; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap stop EXIT

# A new Xvfb; its display number in $n. -displayfd: it takes a free number
# and names it once it listens.
serve() {
    rm -f "$work/number"
    Xvfb -displayfd 3 "$@" -screen 0 1024x768x24 3>"$work/number" >"$work/xvfb.log" 2>&1 &
    servers+=($!)
    for _ in $(seq 100); do
        [ -s "$work/number" ] && break
        sleep 0.1
    done
    n=$(head -n 1 "$work/number")
    [ -n "$n" ] || { echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1; }
}

start() {  # the display, as DISPLAY names it
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$1" LD_PRELOAD="$QUORVANE_PROBE" "$QUORVANE_GAME" \
        >"$work/out" 2>"$work/err" || { echo "$1: the probe failed:"; cat "$work/out" "$work/err"; exit 1; }
    grep -q '^help page found: yes' "$work/out" || { echo "$1: the help page was not shown"; exit 1; }
    if [ -s "$work/err" ]; then
        echo "$1: the game printed on start:"
        cat "$work/err"
        exit 1
    fi
    echo "started on X11 display $1: the board and its help, nothing printed"
}

serve
start ":$n"
serve -listen tcp
start "localhost:$n.0"

# -platform on the command line wins over QT_QPA_PLATFORM, and the display
# it stands for, one where no server listens, is refused in one line.
dead=":$((n + 100))"
env -u WAYLAND_DISPLAY -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C QT_QPA_PLATFORM=wayland DISPLAY="$dead" \
    "$QUORVANE_GAME" -platform xcb >"$work/out" 2>&1
status=$?
said=$(cat "$work/out")
[ "$status" = 1 ] && [ "$said" = "quorvane: cannot open display $dead" ] \
    || { echo "-platform xcb on $dead: status $status, and it said:"; echo "$said"; exit 1; }
echo "-platform xcb on $dead, where no server listens: one line, status 1"
