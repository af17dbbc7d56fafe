#!/usr/bin/env bash
# Runs each benchmark of one program for a moment and fails when any of them reports an answer
# that differs from its reference (a benchmark skips itself with an error then) or does not run.
set -euo pipefail
program=$1
output=$("$program" --benchmark_min_time=0.001 --benchmark_format=console 2>&1) || {
    printf '%s\n' "$output"
    exit 1
}
printf '%s\n' "$output"
expected=$("$program" --benchmark_list_tests | wc -l)
ran=$(grep -cE '^[A-Za-z_][^ ]* +[0-9.]+ [mun]?s ' <<<"$output" || true)
if grep -q 'ERROR OCCURRED' <<<"$output" || [ "$ran" -ne "$expected" ]; then
    echo "$(basename "$program"): $ran of $expected benchmarks ran with verified answers" >&2
    exit 1
fi
echo "$(basename "$program"): all $expected benchmarks ran with verified answers"
