#!/usr/bin/env bash
# The self-play signature: seeded runs of every option set and policy, summarised without their
# speed, and the digests of the history and profile files that shorter seeded runs write, compared
# with what signature.txt keeps. The runs are played through the table's rules and again through
# the screens; both must give the same. Any change to how the computer or the table plays shows
# up here; such a change rewrites the file (--update) in the same commit and says so.
# usage: signature.sh PATH-TO-quintel-match [--update]
set -euo pipefail

arena=$1
expected="$(dirname "$0")/signature.txt"
games=5000
seed=17

file_games=200
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

digest() { sha256sum <"$1" | cut -c1-16; }

summaries() { # extra options of every run
    for options in none any perm both; do
        for policy in honest bluffer cautious; do
            "$arena" --games "$games" --seed "$seed" --options "$options" --policy "$policy" "$@" |
                sed 's/, games per second [0-9.]*$//'
        done
    done
    for options in none any perm both; do
        for policy in honest bluffer cautious; do
            rm -rf "${folder:?}"/*
            "$arena" --games "$file_games" --seed "$seed" --options "$options" --policy "$policy" \
                --data "$folder" "$@" >/dev/null
            echo "files of options $options, policy $policy, seed $seed, games $file_games:" \
                "history $(digest "$folder/Arena_0.txt"), profile $(digest "$folder/ArenaProfile.txt")"
        done
    done
}

actual=$(summaries)
if [ "${2:-}" = --update ]; then
    printf '%s\n' "$actual" >"$expected"
    echo "signature written to $expected"
    exit 0
fi
if ! diff -u "$expected" <(printf '%s\n' "$actual"); then
    echo "The self-play signature changed (lines above: - kept, + now)." >&2
    echo "If play changed on purpose, run $0 $arena --update and say so in the commit." >&2
    exit 1
fi
if ! diff -u "$expected" <(summaries --through-screens); then
    echo "Played through the screens, the games differ from those played through the table" >&2
    echo "(lines above: - kept, + through the screens)." >&2
    exit 1
fi
echo "self-play signature unchanged, through the table and through the screens" \
    "($(wc -l <"$expected") lines of $expected)"
