#!/usr/bin/env bash
# quintel-solve refuses what would write a reduced variant over the game's own data files, serve
# one as the game, or solve with a tolerance that is no number, and reports a data file it cannot
# read instead of aborting.
# usage: arguments_test.sh QUINTEL_SOLVE SOLVED_DATA_FOLDER
set -uo pipefail
solve=$1
data=$2
work=$(mktemp -d)
# A regression here would write over the source tree's data file: a copy goes back in any case.
if [ -f "$data/none.qsolved" ]; then
    cp -p "$data/none.qsolved" "$work/kept.qsolved"
fi
restore() {
    if [ -f "$work/kept.qsolved" ] && ! cmp -s "$work/kept.qsolved" "$data/none.qsolved"; then
        cp -p "$work/kept.qsolved" "$data/none.qsolved"
        echo "FAIL: $data/none.qsolved was written over (put back)" >&2
        status=1
    fi
    rm -rf "$work"
    exit "$status"
}
status=0
trap restore EXIT

fail() {
    echo "FAIL: $*" >&2
    cat "$work/err" >&2
    status=1
}

# Runs quintel-solve with its arguments and an empty standard input; expects status 2 and the
# message on standard error.
expect_refused() { # message, arguments...
    local message=$1
    shift
    "$solve" "$@" </dev/null >"$work/out" 2>"$work/err"
    local got=$?
    [ "$got" -eq 2 ] || fail "'$*' ended with $got, not 2"
    grep -qF -- "$message" "$work/err" || fail "'$*' did not say '$message'"
}

expect_refused "name it with --out FILE" --options none --faces 2 --dice 2
expect_refused "no --faces or --dice" --options none --faces 2 --dice 2 --against classic
for tolerance in nan inf -inf 0 -1; do
    expect_refused "--tolerance must be a positive number" --options none --faces 2 --dice 2 \
        --out "$work/small.qsolved" --tolerance "$tolerance"
done
mkdir "$work/folder.qsolved"
expect_refused "is a folder" --options none --query --out "$work/folder.qsolved"

# A reduced variant solved into its own file is answered only when asked as that variant.
"$solve" --options none --faces 2 --dice 2 --out "$work/small.qsolved" >/dev/null 2>"$work/err" ||
    fail "a small variant could not be solved into its own file"
expect_refused "holds the variant of 2 faces and 2 dice" --options none --query \
    --out "$work/small.qsolved"
echo open | "$solve" --options none --faces 2 --dice 2 --query --out "$work/small.qsolved" \
    >"$work/out" 2>"$work/err" || fail "the small variant's file was not answered"
grep -qE '^0\.[0-9]+$' "$work/out" || fail "no value of the small variant: $(cat "$work/out")"
[ "$status" -eq 0 ] && echo "PASS"
