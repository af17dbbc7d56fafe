#!/usr/bin/env bash
# The record survives kills: the arena, recording into a data folder, is killed at random moments
# several times, and every game the record holds is whole. Then the summary's games and wins per
# option set equal what the arena itself reported for the same seeded games.
# usage: kill_test.sh PATH-TO-quintel-match PATH-TO-quintel-record
set -euo pipefail
arena=$1
record=$2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

for round in 1 2 3 4 5 6; do
    "$arena" --games 1000000 --seed "$round" --options both --policy bluffer \
        --data "$folder/killed" >/dev/null 2>&1 &
    pid=$!
    sleep "0.$((RANDOM % 6 + 2))"
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null || true
done
summary=$("$record" "$folder/killed")
echo "$summary"
if grep -q '^Incomplete' <<<"$summary"; then
    echo "a kill left an incomplete game in the record" >&2
    exit 1
fi
games=$(sed -n 's/^All: \([0-9,]*\) games.*/\1/p' <<<"$summary" | tr -d ,)
if [ -z "$games" ] || [ "$games" -eq 0 ]; then
    echo "no game was recorded before the kills" >&2
    exit 1
fi
if ls "$folder/killed" | grep -q damaged; then
    echo "a kill damaged the record" >&2
    exit 1
fi

declare -A name=([none]="no options" [any]="Fix Any" [perm]="Fix Permanent"
                 [both]="Fix Any + Fix Permanent")
for options in none any perm both; do
    report=$("$arena" --games 700 --seed 11 --options "$options" --policy cautious \
        --data "$folder/counted")
    games=$(sed -n 's/.*: games \([0-9]*\), human wins \([0-9]*\),.*/\1 games, \2 won/p' \
        <<<"$report")
    line=$("$record" "$folder/counted" | grep "^${name[$options]} against classic:")
    counted=$(sed -n 's/^[^:]*: \([0-9,]*\) games, \([0-9,]*\) won.*/\1 games, \2 won/p' \
        <<<"$line" | sed 's/\([0-9]\),\([0-9]\)/\1\2/g')
    if [ "$games" != "$counted" ]; then
        echo "options $options: the arena reported '$games', the record counts '$counted'" >&2
        exit 1
    fi
done
"$record" "$folder/counted"
echo "every game whole after the kills; the record counts what the arena reported"
