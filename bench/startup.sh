#!/usr/bin/env bash
# Start-up of the board against a minimal Qt Widgets window (the floor), in a
# real X server (Xvfb): time from exec until the window is mapped and painted,
# peak resident memory, and the OpenGL libraries mapped into the process.
#
#   bench/startup.sh [build-dir] [runs]      (defaults: build, 15)
#
# Both programs run in turn, alternating which goes first, in one Xvfb and in
# the same small environment. One unmeasured run of each comes first, so that
# neither pays alone for a cold file cache or font cache.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-15}
game=$build/quorvane
floor=$build/quorvane_floor
watch=$build/quorvane_startup_watch
for f in "$game" "$floor" "$watch"; do
    [[ -x $f ]] || { echo "missing $f: build everything in $build first" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
[[ -s $work/display ]] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
display=:$(head -n1 "$work/display")
mkdir -m 700 "$work/runtime"

measure() {  # program name -> appends one result line to $work/<name>
    env -i PATH="$PATH" HOME="$work" LANG=C.UTF-8 DISPLAY="$display" XDG_RUNTIME_DIR="$work/runtime" \
        QT_QPA_PLATFORM=xcb "$watch" -- "$1" >>"$work/$2" 2>>"$work/$2.err" || {
        echo "run of $2 failed:" >&2
        cat "$work/$2.err" >&2
        exit 1
    }
}

measure "$floor" warmup
measure "$game" warmup
for ((i = 1; i <= runs; i++)); do
    if ((i % 2)); then
        measure "$floor" floor
        measure "$game" game
    else
        measure "$game" game
        measure "$floor" floor
    fi
    printf '\r%d/%d runs' "$i" "$runs" >&2
done
echo >&2

field() { grep -o "$1=[^ ]*" "$work/$2" | cut -d= -f2; }
# Median and nearest-rank 90th percentile of the numbers on stdin.
stats() { sort -g | awk '{v[NR] = $1} END {p = int(0.9 * NR + 0.999); printf "%.1f %.1f", (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), v[p]}'; }

read -r floor_ready floor_ready90 <<<"$(field ready_ms floor | stats)"
read -r game_ready game_ready90 <<<"$(field ready_ms game | stats)"
read -r floor_map _ <<<"$(field map_ms floor | stats)"
read -r game_map _ <<<"$(field map_ms game | stats)"
read -r floor_hwm _ <<<"$(field hwm_kib floor | stats)"
read -r game_hwm _ <<<"$(field hwm_kib game | stats)"

echo "Start-up on Xvfb, $runs runs each, interleaved ($(nproc) cores, Qt $(qtpaths6 --qt-version 2>/dev/null || echo '?'))"
printf '%-8s %12s %14s %14s %14s %10s\n' program "mapped (ms)" "ready med (ms)" "ready p90 (ms)" "VmHWM med (MiB)" size
printf '%-8s %12s %14s %14s %14.1f %10s\n' floor "$floor_map" "$floor_ready" "$floor_ready90" \
    "$(awk -v k="$floor_hwm" 'BEGIN {print k / 1024}')" "$(field size floor | head -n1)"
printf '%-8s %12s %14s %14s %14.1f %10s\n' game "$game_map" "$game_ready" "$game_ready90" \
    "$(awk -v k="$game_hwm" 'BEGIN {print k / 1024}')" "$(field size game | head -n1)"
awk -v g="$game_ready" -v f="$floor_ready" -v g9="$game_ready90" -v f9="$floor_ready90" \
    -v gh="$game_hwm" -v fh="$floor_hwm" 'BEGIN {
    r = g / f; d = (gh - fh) / 1024
    printf "game/floor: ready median x%.3f (target <= 1.15: %s), ready p90 x%.3f\n", r, r <= 1.15 ? "met" : "MISSED", g9 / f9
    printf "game - floor: VmHWM median %+.2f MiB (target <= +5 MiB: %s)\n", d, d <= 5 ? "met" : "MISSED"
}'
echo "damage events per run (median): floor $(field damages floor | stats | cut -d' ' -f1)," \
    "game $(field damages game | stats | cut -d' ' -f1)"

echo "OpenGL libraries mapped at ready:"
echo "  floor: $(field gl floor | sort | uniq -c | sed 's/^ *//' | paste -sd';')"
echo "  game:  $(field gl game | sort | uniq -c | sed 's/^ *//' | paste -sd';')"
echo "  game's own NEEDED: $(readelf -d "$game" | grep -o 'NEEDED.*\[.*\]' | grep -o '\[.*\]' | tr -d '[]' | paste -sd' ')"
qtgui=$(ldd "$game" | awk '/libQt6Gui/ {print $3}')
echo "  $(basename "$qtgui") NEEDED: $(readelf -d "$qtgui" | grep -o 'NEEDED.*\[.*\]' | grep -o '\[.*\]' | tr -d '[]' \
    | grep -E 'GL|EGL' | paste -sd' ')"
