#!/usr/bin/env bash
# Start-up of the board against a minimal Qt Widgets window (the floor), in a
# real X server (Xvfb) and as native clients of a Wayland compositor (a
# headless weston, its pixman renderer, as the tests run it): time from exec
# until the window is painted, CPU time and peak resident memory by then, and
# the OpenGL libraries mapped into the process.
#
#   bench/startup.sh [build-dir] [runs]      (defaults: build, 15)
#
# Both programs run in turn on both, alternating which goes first, in one Xvfb
# and one weston and in the same small environment. One unmeasured run of each
# comes first, so that neither pays alone for a cold file cache or font cache.
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

for tool in Xvfb weston; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: ./check installs it" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
weston_pid=
cleanup() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    [[ -n $weston_pid ]] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
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

# weston as tests/wayland.sh starts it, in a runtime folder of its own.
mkdir -m 700 "$work/wayland"
printf '[core]\nidle-time=0\nrequire-input=false\n[shell]\npanel-position=none\nlocking=false\nanimation=none\nstartup-animation=none\n' \
    >"$work/weston.ini"
env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$work/wayland" weston --backend=headless-backend.so \
    --shell=desktop-shell.so --socket=bench --config="$work/weston.ini" --width=1280 --height=1024 --use-pixman \
    --log="$work/weston.log" </dev/null >/dev/null 2>&1 &
weston_pid=$!
for _ in $(seq 150); do [[ -S $work/wayland/bench ]] && break; sleep 0.1; done
[[ -S $work/wayland/bench ]] || { echo "weston did not start:" >&2; cat "$work/weston.log" >&2; exit 1; }

measure() {  # program name -> appends one result line to $work/<name>
    env -i PATH="$PATH" HOME="$work" LANG=C.UTF-8 DISPLAY="$display" XDG_RUNTIME_DIR="$work/runtime" \
        QT_QPA_PLATFORM=xcb "$watch" -- "$1" >>"$work/$2" 2>>"$work/$2.err" || {
        echo "run of $2 failed:" >&2
        cat "$work/$2.err" >&2
        exit 1
    }
}

# On Wayland nothing outside the program sees its window drawn, so the
# program's own protocol log tells (WAYLAND_DEBUG, some 150 lines, stamped
# with the real-time clock in microseconds modulo 2^32): painted is the first
# commit of a buffer to the surface of its top-level window. Then, as on X11,
# the log must be quiet for 500 ms before memory, CPU time and libraries are read.
measure_wayland() {  # program name -> appends one result line to $work/<name>
    local trace=$work/trace pid t0 surface ready last size
    : >"$trace"
    (
        date +%s%6N >"$work/t0"
        exec env -i PATH="$PATH" HOME="$work" LANG=C.UTF-8 XDG_RUNTIME_DIR="$work/wayland" WAYLAND_DISPLAY=bench \
            QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$1" >/dev/null 2>"$trace"
    ) &
    pid=$!
    ready=
    for _ in $(seq 1500); do
        surface=$(awk 'match($0, /get_xdg_surface\(new id xdg_surface@[0-9]+, wl_surface@[0-9]+/) {
            s = substr($0, RSTART, RLENGTH); sub(/.*@/, "", s); print s; exit }' "$trace")
        [[ -n $surface ]] && ready=$(awk -v s="$surface" '
            index($0, "-> wl_surface@" s ".attach(wl_buffer") { attached = 1 }
            attached && index($0, "-> wl_surface@" s ".commit()") { t = $0; sub(/^\[ */, "", t); sub(/\].*/, "", t); print t; exit }' "$trace")
        [[ -n $ready ]] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.02
    done
    [[ -n $ready ]] || { echo "run of $2 on Wayland: no buffer committed:" >&2; grep -v '^\[' "$trace" >&2; kill "$pid" 2>/dev/null; exit 1; }
    last=-1
    while size=$(stat -c %s "$trace") && [[ $size != "$last" ]]; do last=$size; sleep 0.5; done
    t0=$(cat "$work/t0")
    awk -v t0="$t0" -v ready="$ready" -v hwm="$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")" \
        -v cpu="$(cat /proc/"$pid"/task/*/schedstat | awk '{ns += $1} END {printf "%.1f", ns / 1e6}')" \
        -v gl="$(grep -oE '[^/]*(libEGL_[^/ ]*|libGLX_[^/ ]*|_dri\.so|libLLVM[^/ ]*)$' "/proc/$pid/maps" | sort -u | paste -sd, -)" 'BEGIN {
        start = (t0 % 4294967296) / 1000; r = ready - start; if (r < 0) r += 4294967.296
        printf "ready_ms=%.1f hwm_kib=%d cpu_ms=%.1f gl=%s\n", r, hwm, cpu, gl == "" ? "none" : gl }' >>"$work/$2"
    kill "$pid"
    wait "$pid" 2>/dev/null || true  # ended by the signal above
    grep -v '^\[' "$trace" | grep -v '^ *$' >>"$work/$2.err" || true  # whatever it printed besides the log
}

measure "$floor" warmup
measure "$game" warmup
measure_wayland "$floor" warmup
measure_wayland "$game" warmup
for ((i = 1; i <= runs; i++)); do
    if ((i % 2)); then
        measure "$floor" floor
        measure "$game" game
        measure_wayland "$floor" wl_floor
        measure_wayland "$game" wl_game
    else
        measure "$game" game
        measure "$floor" floor
        measure_wayland "$game" wl_game
        measure_wayland "$floor" wl_floor
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

read -r floor_cpu _ <<<"$(field cpu_ms floor | stats)"
read -r game_cpu _ <<<"$(field cpu_ms game | stats)"
echo "CPU time by then (median): floor $floor_cpu ms, game $game_cpu ms"

read -r wl_floor_ready wl_floor_ready90 <<<"$(field ready_ms wl_floor | stats)"
read -r wl_game_ready wl_game_ready90 <<<"$(field ready_ms wl_game | stats)"
read -r wl_floor_hwm _ <<<"$(field hwm_kib wl_floor | stats)"
read -r wl_game_hwm _ <<<"$(field hwm_kib wl_game | stats)"
read -r wl_floor_cpu _ <<<"$(field cpu_ms wl_floor | stats)"
read -r wl_game_cpu _ <<<"$(field cpu_ms wl_game | stats)"
echo
echo "The same runs on Wayland (headless weston $(weston --version 2>/dev/null | awk '{print $2}'), first buffer committed"
printf '%-8s %14s %14s %12s %15s\n' program "ready med (ms)" "ready p90 (ms)" "CPU med (ms)" "VmHWM med (MiB)"
printf '%-8s %14s %14s %12s %15.1f\n' floor "$wl_floor_ready" "$wl_floor_ready90" "$wl_floor_cpu" \
    "$(awk -v k="$wl_floor_hwm" 'BEGIN {print k / 1024}')"
printf '%-8s %14s %14s %12s %15.1f\n' game "$wl_game_ready" "$wl_game_ready90" "$wl_game_cpu" \
    "$(awk -v k="$wl_game_hwm" 'BEGIN {print k / 1024}')"
awk -v g="$wl_game_ready" -v f="$wl_floor_ready" -v gh="$wl_game_hwm" -v fh="$wl_floor_hwm" -v xh="$game_hwm" \
    -v gc="$wl_game_cpu" -v xc="$game_cpu" 'BEGIN {
    printf "game/floor on Wayland: ready median x%.3f, VmHWM median %+.2f MiB\n", g / f, (gh - fh) / 1024
    r = gh / xh
    printf "game on Wayland/on X11: VmHWM median x%.3f (target <= 1.05: %s), CPU time median x%.2f\n", r, r <= 1.05 ? "met" : "MISSED", gc / xc
}'
echo "OpenGL drivers mapped on Wayland: floor $(field gl wl_floor | sort | uniq -c | sed 's/^ *//' | paste -sd';')," \
    "game $(field gl wl_game | sort | uniq -c | sed 's/^ *//' | paste -sd';')"
for name in wl_floor wl_game; do
    [[ -s $work/$name.err ]] && { echo "printed by the ${name#wl_} on Wayland:"; sort "$work/$name.err" | uniq -c; }
done

echo
echo "OpenGL libraries mapped at ready on X11:"
echo "  floor: $(field gl floor | sort | uniq -c | sed 's/^ *//' | paste -sd';')"
echo "  game:  $(field gl game | sort | uniq -c | sed 's/^ *//' | paste -sd';')"
echo "  game's own NEEDED: $(readelf -d "$game" | grep -o 'NEEDED.*\[.*\]' | grep -o '\[.*\]' | tr -d '[]' | paste -sd' ')"
qtgui=$(ldd "$game" | awk '/libQt6Gui/ {print $3}')
echo "  $(basename "$qtgui") NEEDED: $(readelf -d "$qtgui" | grep -o 'NEEDED.*\[.*\]' | grep -o '\[.*\]' | tr -d '[]' \
    | grep -E 'GL|EGL' | paste -sd' ')"
