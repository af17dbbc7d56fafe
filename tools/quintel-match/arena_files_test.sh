#!/usr/bin/env bash
# The arena's own files: its temporary folder goes when the run ends, however it ends, and a
# player's file that cannot be written ends the run with status 1 and a message naming the file.
#
# usage: arena_files_test.sh QUINTEL_SELFPLAY CASE
#   CASE: temporary-folder, file-size-limit, full-disk, unsaved-profile, record-read-only,
#         record-folder, record-link
# Exits 77 (skipped) when the case needs a small tmpfs and this machine cannot mount one.
set -uo pipefail

arena=${1:?usage: arena_files_test.sh QUINTEL_SELFPLAY CASE}
case=${2:?usage: arena_files_test.sh QUINTEL_SELFPLAY CASE}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
play=(--seed 17 --options both --policy honest)

fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/err" ] && { echo "the arena wrote:" >&2; cat "$work/err" >&2; }
    exit 1
}

# Runs the arena with the given settings; leaves its status in $status, its errors in $work/err.
run() {
    "$@" >"$work/out" 2>"$work/err"
    status=$?
}

expect_write_failure() { # status, file the message must name
    [ "$status" -eq 1 ] || fail "exit status $status, not 1"
    grep -qF "could not be written" "$work/err" || fail "no word of the failed write"
    grep -qF "$1" "$work/err" || fail "the message does not name $1"
}

expect_record_failure() {
    [ "$status" -eq 1 ] || fail "exit status $status, not 1, for a record that cannot be written"
    grep -qF "cannot be recorded in $work/data/record.sqlite" "$work/err" ||
        fail "no word of the record"
}

# A small tmpfs of these options on $work/disk for the command, in a mount namespace of its own.
on_small_disk() { # options, command...
    local options=$1
    shift
    mkdir -p "$work/disk"
    unshare -m sh -c 'mount --make-rprivate / && mount -t tmpfs -o "$0" quintel-test "$1" &&
                      shift && exec "$@"' "$options" "$work/disk" "$@"
}

need_small_disk() {
    if ! on_small_disk size=64k true 2>"$work/err"; then
        echo "SKIP: a small tmpfs cannot be mounted here ($(cat "$work/err")); needs root or" \
            "CAP_SYS_ADMIN in a mount namespace"
        exit 77
    fi
}

case $case in
temporary-folder)
    mkdir "$work/tmp"
    run env TMPDIR="$work/tmp" "$arena" --games 3 "${play[@]}"
    [ "$status" -eq 0 ] || fail "a short run ended with $status"
    [ -z "$(ls -A "$work/tmp")" ] || fail "a finished run left $(ls -A "$work/tmp")"

    TMPDIR="$work/tmp" "$arena" --games 100000000 "${play[@]}" >/dev/null 2>"$work/err" &
    pid=$!
    for _ in $(seq 100); do
        [ -n "$(ls -A "$work/tmp")" ] && break
        sleep 0.1
    done
    [ -n "$(ls -A "$work/tmp")" ] || fail "the run made no temporary folder"
    kill -TERM "$pid"
    wait "$pid"
    status=$?
    [ "$status" -eq 143 ] || fail "a run stopped by SIGTERM ended with $status, not 143"
    [ -z "$(ls -A "$work/tmp")" ] || fail "a run stopped by SIGTERM left $(ls -A "$work/tmp")"
    ;;
file-size-limit)
    # 8 KiB: the sign-in fits, the first games do not.
    mkdir "$work/data"
    run bash -c 'ulimit -f 8 && exec "$@"' arena "$arena" --games 1000 "${play[@]}" \
        --data "$work/data"
    expect_write_failure "$work/data/Arena_0.txt"
    ;;
full-disk)
    need_small_disk
    run on_small_disk size=16k "$arena" --games 1000 "${play[@]}" --data "$work/disk"
    expect_write_failure "$work/disk/Arena_0.txt"
    ;;
unsaved-profile)
    # Inodes for the folder and the history file only: the profile cannot be saved.
    need_small_disk
    run on_small_disk size=1m,nr_inodes=2 "$arena" --games 3 "${play[@]}" --data "$work/disk"
    expect_write_failure "ArenaProfile.txt"
    ;;
record-read-only)
    # A record the arena may not write (immutable, which holds for root too): the run stops with
    # status 1, and SQLite leaves no empty log files beside it.
    mkdir "$work/data"
    run "$arena" --games 2 "${play[@]}" --data "$work/data"
    [ "$status" -eq 0 ] || fail "the first run ended with $status"
    chattr +i "$work/data/record.sqlite" 2>/dev/null || {
        echo "SKIP: the immutable flag cannot be set here"
        exit 77
    }
    trap 'chattr -i "$work/data/record.sqlite"; rm -rf "$work"' EXIT
    run "$arena" --games 20 "${play[@]}" --data "$work/data"
    expect_record_failure
    for log in record.sqlite-wal record.sqlite-shm; do
        [ ! -e "$work/data/$log" ] || fail "the run left $log behind"
    done
    ;;
record-folder | record-link)
    mkdir -p "$work/data" "$work/elsewhere"
    if [ "$case" = record-folder ]; then
        mkdir "$work/data/record.sqlite"
    else
        ln -s "$work/elsewhere/record.sqlite" "$work/data/record.sqlite"
    fi
    run "$arena" --games 20 "${play[@]}" --data "$work/data"
    expect_record_failure
    [ -z "$(ls -A "$work/elsewhere")" ] || fail "the run wrote through the link"
    ;;
*)
    echo "unknown case $case" >&2
    exit 2
    ;;
esac
echo "PASS: $case"
