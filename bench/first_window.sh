#!/usr/bin/env bash
# What a person trying the game from source waits for: ./play in a fresh
# clone, from the clone to the first window painted (Xvfb), then the
# compiler CPU of the game target alone, built again from clean.
#
#   bench/first_window.sh [watcher] [commit]
#
# watcher: quorvane_startup_watch (default build/quorvane_startup_watch);
# commit: what to clone (default HEAD of this repository). The packages
# must be installed already, so that ./play only configures and builds.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
watch=$(realpath "${1:-$root/build/quorvane_startup_watch}")
commit=${2:-HEAD}
[[ -x $watch ]] || { echo "missing $watch: cmake --build build --target quorvane_startup_watch" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

git clone -q "$root" "$work/clone"
git -C "$work/clone" checkout -q "$commit"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
[[ -s $work/display ]] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
mkdir -m 700 "$work/runtime"

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
env -i PATH="$PATH" HOME="$work" LANG=C.UTF-8 DISPLAY=":$(head -n1 "$work/display")" XDG_RUNTIME_DIR="$work/runtime" \
    QT_QPA_PLATFORM=xcb "$watch" --timeout-ms 900000 -- "$work/clone/play" >"$work/watch" 2>"$work/play.log" || {
    echo "./play did not show a painted window:" >&2
    tail -n 20 "$work/play.log" >&2
    exit 1
}
# ./play's own output (the build's) comes first; the watcher's line is the last.
echo "./play, clone to first window painted: $(awk -F'[= ]' '/^map_ms=/ {printf "%.1f s", $4 / 1000}' "$work/watch")"

cmake --build "$work/clone/build" --target clean >/dev/null
/usr/bin/time -f '%e %U %S' -o "$work/time" cmake --build "$work/clone/build" -j"$(nproc)" --target quorvane >/dev/null
read -r wall user sys <"$work/time"
awk -v w="$wall" -v u="$user" -v s="$sys" 'BEGIN {
    printf "game target from clean: %.1f s wall, %.1f s CPU (user %.1f + system %.1f)\n", w, u + s, u, s }'
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
