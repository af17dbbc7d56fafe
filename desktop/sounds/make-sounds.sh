#!/usr/bin/env bash
# Makes the table's three sounds with sox (Debian's package sox) into this folder. The sounds are
# the project's own, made by this script from nothing but sox's generators, and carry the
# program's licence (MIT, see LICENSE at the top of the repository).
#
#   throw.wav    dice rattling in a cup and landing: short bursts of filtered noise, fading
#   call.wav     a call announced: two soft rising tones
#   verdict.wav  the dice shown: a short falling chord
#
# usage: desktop/sounds/make-sounds.sh
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
format=(-r 22050 -c 1 -b 16)
# Repeatable: the noise comes out the same on every run, so the files change only with the script.
sox() { command sox -R "$@"; }

seconds() { printf '0.%03d' "$1"; } # of milliseconds under a second

# One click of a die: a few milliseconds of band-passed noise at a volume.
click() { # file, milliseconds, centre frequency, volume
    sox -n "${format[@]}" "$1" synth "$(seconds "$2")" whitenoise band "$3" 1200 \
        fade 0.001 "$(seconds "$2")" "$(seconds $(($2 - 2)))" vol "$4"
}
gap() { sox -n "${format[@]}" "$1" trim 0 "$(seconds "$2")"; }

parts=()
index=0
for step in "12 2600 0.9 18" "10 3100 0.7 26" "14 2300 0.8 15" "9 2900 0.6 34" "11 2500 0.5 22" \
    "8 3300 0.4 45" "10 2700 0.3 60"; do
    read -r length centre volume pause <<<"$step"
    click "$work/click$index.wav" "$length" "$centre" "$volume"
    gap "$work/gap$index.wav" "$pause"
    parts+=("$work/click$index.wav" "$work/gap$index.wav")
    index=$((index + 1))
done
sox "${parts[@]}" throw.wav norm -3

sox -n "${format[@]}" "$work/low.wav" synth 0.09 sine 660 fade 0.005 0.09 0.05
sox -n "${format[@]}" "$work/high.wav" synth 0.14 sine 880 fade 0.005 0.14 0.1
sox "$work/low.wav" "$work/high.wav" call.wav vol 0.6 norm -6

sox -n "${format[@]}" verdict.wav synth 0.45 sine 784 sine 659 sine 523 remix - \
    fade 0.005 0.45 0.35 norm -6
