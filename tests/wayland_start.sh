#!/usr/bin/env bash
# Run inside wayland.sh: the game started as a player starts it on Wayland,
# with the help probe preloaded (the board shown, then the help window). It
# prints the probe's lines and nothing else, and loads no OpenGL driver (Qt's
# Wayland client would load Mesa's for its window decorations). Started again
# with the player's own QT_WAYLAND_DISABLE_WINDOWDECORATION=0, Qt decorates
# its windows and loads the driver that ./check installs: the player's setting
# wins, and the first run could have seen a driver load.
# Needs QUORVANE_GAME and QUORVANE_PROBE (the help probe module).
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
driver='libEGL_mesa|_dri\.so|libLLVM|libGLX_mesa'

start() {  # name, then settings of the player's
    env -u QT_WAYLAND_DISABLE_WINDOWDECORATION -u QT_WAYLAND_DECORATION -u QT_WAYLAND_CLIENT_BUFFER_INTEGRATION "${@:2}" \
        LD_DEBUG=files LD_DEBUG_OUTPUT="$work/$1.libs" LD_PRELOAD="$QUORVANE_PROBE" "$QUORVANE_GAME" \
        >"$work/$1.out" 2>"$work/$1.err" || { echo "$1: the probe failed:"; cat "$work/$1.out" "$work/$1.err"; exit 1; }
    grep -q '^help page found: yes' "$work/$1.out" || { echo "$1: the help page was not shown"; exit 1; }
}

start plain
if [ -s "$work/plain.err" ]; then
    echo "the game printed on start:"
    cat "$work/plain.err"
    exit 1
fi
if grep -hE "file=[^ ]*($driver)" "$work"/plain.libs.*; then
    echo "the game loaded an OpenGL driver (above)"
    exit 1
fi
echo "started on Wayland: the board and its help, nothing printed, no OpenGL driver loaded"

start decorated QT_WAYLAND_DISABLE_WINDOWDECORATION=0
grep -qE "file=[^ ]*($driver)" "$work"/decorated.libs.* \
    || { echo "with QT_WAYLAND_DISABLE_WINDOWDECORATION=0 no driver was loaded: is Mesa (libegl-mesa0, libgl1-mesa-dri) missing?"; exit 1; }
echo "with QT_WAYLAND_DISABLE_WINDOWDECORATION=0 from the player, Qt loads its driver"
