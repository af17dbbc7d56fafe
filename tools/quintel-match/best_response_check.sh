#!/usr/bin/env bash
# The best-response player in seeded games against the computer: under every option set its win
# rate's 95 % interval must hold the chance of winning that its tables promise, and no game may
# break a rule of play.
# usage: best_response_check.sh PATH-TO-quintel-match [GAMES] [SEED]
set -euo pipefail

arena=$1
games=${2:-2000}
seed=${3:-29}
failed=0
for options in none any perm both; do
    line=$("$arena" --games "$games" --seed "$seed" --options "$options" --policy best-response)
    echo "$line"
    read -r low high promised < <(sed -nE \
        's/.*human win rate [0-9.]+ \(95 % interval ([0-9.]+) to ([0-9.]+)\), best response ([0-9.]+),.*/\1 \2 \3/p' \
        <<<"$line")
    if [ -z "${promised:-}" ]; then
        echo "no best-response figures in the line above" >&2
        exit 1
    fi
    if ! awk -v l="$low" -v h="$high" -v b="$promised" 'BEGIN { exit !(l <= b && b <= h) }'; then
        echo "options $options: $promised lies outside $low to $high" >&2
        failed=1
    fi
    unset low high promised
done
exit "$failed"
