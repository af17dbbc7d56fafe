#!/usr/bin/env bash
# Start-up time to the welcome window, resident memory and idle CPU of the desktop program, on a
# virtual X server of its own. For notes on a change, not a test: run it on two builds and compare.
#
# usage: tools/measure-start.sh QUINTEL_BINARY [RUNS]
set -euo pipefail

binary=$(realpath "${1:?usage: measure-start.sh QUINTEL_BINARY [RUNS]}")
runs=${2:-5}
work=$(mktemp -d)
xvfb_pid=""
program_pid=""

cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

for n in $(seq 170 220); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        break
    fi
done
Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$n"
until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done

ticks=$(getconf CLK_TCK)
# Fields 14 and 15 of /proc/PID/stat: user and system time in clock ticks (the name in field 2
# has no spaces here).
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

for run in $(seq "$runs"); do
    folder=$work/run$run
    mkdir -p "$folder"
    cp "$binary" "$folder/quintel"
    begin=$(date +%s%N)
    (cd "$folder" && XDG_CONFIG_HOME="$folder/config" QT_QPA_PLATFORM=xcb exec ./quintel) \
        >/dev/null 2>&1 &
    program_pid=$!
    # Polled every 10 ms: xdotool's own --sync waits half a second between its looks.
    until xdotool search --onlyvisible --name '^WELCOME$' >/dev/null 2>&1; do sleep 0.01; done
    shown=$(date +%s%N)
    sleep 2 # settle
    rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$program_pid/status")
    before=$(cpu_ticks "$program_pid")
    sleep 10
    after=$(cpu_ticks "$program_pid")
    echo "run $run: welcome window after $(((shown - begin) / 1000000)) ms," \
        "resident $((rss / 1024)) MiB, CPU over 10 s idle $(((after - before) * 1000 / ticks)) ms"
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
done
