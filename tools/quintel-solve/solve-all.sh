#!/bin/bash
# Solves the game under every option set again and rewrites the data files the repository keeps
# in solver/data/, printing each set's value and time. It takes a few minutes a set; the test
# command does not run it, but checks a sample of the stored stages (DataFile tests).
#   tools/quintel-solve/solve-all.sh [build/quintel-solve]
set -euo pipefail
solve=${1:-build/quintel-solve}
cd "$(dirname "$0")/../.."
for options in none any perm both; do
    echo "== $options"
    # The tolerance is the largest gap a stored stage may leave either seat; the exact support
    # solve leaves far less.
    nice -n 10 "$solve" --options "$options" --tolerance 1e-9 2>&1 | grep -v '^last call'
done
