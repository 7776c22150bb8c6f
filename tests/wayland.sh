#!/usr/bin/env bash
# Runs test programs one after another as native Wayland clients (Qt's
# wayland platform plugin) of a private, headless weston, and fails if any
# of them fails. Needs nothing from the calling environment: the runtime
# folder and socket are its own, DISPLAY is dropped.
# Usage: wayland.sh PROGRAM...
# They run on a session bus of their own, with the accessibility bus
# started and Qt's bridge to screen readers switched on: every
# event a screen reader would be sent goes through the real bridge.
set -u
if [ -z "${QUORVANE_SESSION_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "wayland.sh: dbus-run-session is missing (apt-get install dbus-daemon at-spi2-core)"; exit 1; }
    QUORVANE_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
a11y_pid=$!
for _ in $(seq 50); do
    dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
done
dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 \
    || { echo "wayland.sh: the accessibility bus did not start"; exit 1; }
for tool in weston setsid setpriv timeout; do
    command -v "$tool" >/dev/null || { echo "wayland.sh: $tool is missing (apt-get install weston qt6-wayland)"; exit 1; }
done
run=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-wayland.XXXXXX") && chmod 0700 "$run" || exit 1
socket=wayland-quorvane-$$
weston_pid=
stop() {
    kill "$a11y_pid" 2>/dev/null
    if [ -n "$weston_pid" ]; then
        kill -TERM "$weston_pid" 2>/dev/null
        for _ in $(seq 50); do kill -0 "$weston_pid" 2>/dev/null || break; sleep 0.1; done
        kill -KILL -- "-$weston_pid" 2>/dev/null
        wait "$weston_pid" 2>/dev/null
    fi
    rm -rf "$run"
}
trap stop EXIT
trap 'exit 143' TERM INT

cat >"$run/weston.ini" <<INI
[core]
idle-time=0
require-input=false
[shell]
panel-position=none
locking=false
animation=none
startup-animation=none
close-animation=none
focus-animation=none
INI
# The pixman renderer hands buffers back at once; weston's default headless
# renderer makes Qt wait for them. weston gets its own process group, and the
# kernel ends it should this script be killed outright.
env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$run" \
    setpriv --pdeathsig TERM setsid weston --backend=headless-backend.so --shell=desktop-shell.so \
    --socket="$socket" --config="$run/weston.ini" --width=1280 --height=1024 --use-pixman \
    --log="$run/weston.log" </dev/null >/dev/null 2>&1 &
weston_pid=$!
for _ in $(seq 150); do
    [ -S "$run/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
done
[ -S "$run/$socket" ] || { echo "wayland.sh: weston did not start"; cat "$run/weston.log"; exit 1; }

# Qt 6.4's input context crashes on a key when the compositor has no seat,
# as a headless one has not: no input method.
failed=()
for program in "$@"; do
    echo "== $(basename "$program") on wayland"
    env -u DISPLAY XDG_RUNTIME_DIR="$run" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland QT_IM_MODULE=none \
        setpriv --pdeathsig TERM timeout --kill-after=10 240 "$program" || failed+=("$(basename "$program")")
done
if ((${#failed[@]})); then
    echo "failed on wayland: ${failed[*]}"
    exit 1
fi
echo "all passed on wayland: $#"
