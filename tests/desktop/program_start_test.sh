#!/usr/bin/env bash
# The program's start, without a display: past the file-size limit it keeps running (a write then
# fails and is reported) instead of being ended by SIGXFSZ. Under a limit of 0 bytes the check of
# the data folder at start-up already writes past it.
#
# usage: program_start_test.sh QUINTEL_BINARY
set -uo pipefail

binary=${1:?usage: program_start_test.sh QUINTEL_BINARY}
work=$(mktemp -d)
pid=""
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        wait "$pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/log" ] && { echo "the program wrote:" >&2; cat "$work/log" >&2; }
    exit 1
}

cp "$binary" "$work/quintel"
# HOME points into the work folder: the program may fall back on the user's data folder.
(ulimit -f 0 && cd "$work" && HOME=$work XDG_DATA_HOME='' QT_QPA_PLATFORM=offscreen \
    exec ./quintel) >"$work/log" 2>&1 &
pid=$!

sigxfsz_bit=$((1 << 24)) # signal 25, counted from bit 0
for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || break
    ignored=$(awk '/^SigIgn:/ { print $2 }' "/proc/$pid/status" 2>/dev/null)
    if [ -n "$ignored" ] && (((0x$ignored & sigxfsz_bit) != 0)); then
        sleep 1 # past the check of the data folder
        kill -0 "$pid" 2>/dev/null || break
        echo "PASS: SIGXFSZ is ignored and the program runs under a file-size limit of 0"
        exit 0
    fi
    sleep 0.1
done
if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    status=$?
    pid=""
    fail "the program ended under a file-size limit of 0, status $status"
fi
fail "the program does not ignore SIGXFSZ"
