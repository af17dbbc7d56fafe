#!/usr/bin/env bash
# The desktop program on Wayland: Debian's weston with its headless backend as the compositor,
# QT_QPA_PLATFORM=wayland. The welcome window appears (the compositor's protocol log shows its
# title), a game is started by pressing OK through the program's accessibility interface (the
# headless compositor has no keyboard or pointer), the table appears and the history of the
# sign-in is written; the compositor's screenshot of the table goes to RESULTS_FOLDER.
#
# usage: wayland_start.sh QUINTEL_BINARY RESULTS_FOLDER
set -euo pipefail

binary=$(realpath "${1:?usage: wayland_start.sh QUINTEL_BINARY RESULTS_FOLDER}")
results=${2:?usage: wayland_start.sh QUINTEL_BINARY RESULTS_FOLDER}
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
weston_pid=""
cleanup() {
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "wayland: FAIL: $*" >&2
    for log in "$work"/*.log; do
        [ -s "$log" ] && { echo "--- $log" >&2; tail -n 30 "$log" >&2; }
    done
    exit 1
}
for tool in weston weston-screenshooter dbus-run-session; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (packages weston, dbus)"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "pyatspi is not installed (package python3-pyatspi)"
mkdir -p "$results"

# The compositor's sockets live in a runtime folder of its own; --debug lets a client take a
# screenshot.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY=quintel-test
# The pixman renderer draws into memory, so that there are pixels to take a screenshot of.
weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" --width=1280 \
    --height=1024 --idle-time=0 --debug --log="$work/weston.log" --logger-scopes=log,proto >/dev/null 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
    kill -0 "$weston_pid" 2>/dev/null || fail "weston ended at its start"
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || fail "weston opened no socket"

# The program from a folder of its own, offering the last sign-in's name.
mkdir -p "$work/program" "$work/config/Quintel"
cp "$binary" "$work/program/quintel"
printf '[lastSignIn]\nname=Tester\n' >"$work/config/Quintel/Quintel.conf"
export XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export WORK=$work RESULTS=$results PRESS=$here/press_button.py
# A session bus of its own carries the accessibility interface.
dbus-run-session -- bash -c '
    set -u
    (cd "$WORK/program" && exec ./quintel) >"$WORK/program.log" 2>&1 &
    program=$!
    status=0
    /usr/bin/python3 "$PRESS" WELCOME OK >"$WORK/press.log" 2>&1 || status=1
    for _ in $(seq 50); do
        [ -f "$WORK/program/Tester_0.txt" ] && break
        sleep 0.1
    done
    sleep 1 # the table drawn
    (cd "$RESULTS" && rm -f wayland-screenshot*.png && exec timeout 10 weston-screenshooter) \
        >"$WORK/shot.log" 2>&1 ||
        echo "no screenshot: the compositor refused it" >>"$WORK/shot.log"
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    exit "$status"
' || fail "the welcome window's OK could not be pressed"

grep -q 'set_title("WELCOME")' "$work/weston.log" || fail "the welcome window never reached the compositor"
grep -q 'set_title("Quintel [^"]' "$work/weston.log" || fail "the table never reached the compositor"
[ -f "$work/program/Tester_0.txt" ] || fail "signing in wrote no history file"
shot=$(ls "$results"/wayland-screenshot*.png 2>/dev/null | head -1 || true)
if [ -n "$shot" ]; then
    mv "$shot" "$results/wayland-table.png"
    echo "wayland: screenshot $results/wayland-table.png"
fi
echo "wayland: PASS: the welcome window and the table appeared on weston, and a game started"
