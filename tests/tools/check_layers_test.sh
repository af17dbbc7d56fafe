#!/usr/bin/env bash
# Runs the layer check on a small planted tree: clean, it must pass; with one include across the
# layers, it must fail and name the file and line. Usage: check_layers_test.sh CHECK_LAYERS
set -uo pipefail

check=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

plant() { # path, lines...
    local path=$1
    shift
    mkdir -p "$(dirname "$path")"
    printf '%s\n' "$@" >"$path"
}

clean="$work/clean"
(
    cd "$work" && mkdir clean && cd clean &&
        plant model/dice.h '#pragma once' '#include <array>' &&
        plant forms/control.h '#pragma once' '#include <string>' &&
        plant forms/screen.h '#include "forms/control.h"' '#include "model/dice.h"' &&
        plant opponent/engine/engine.h '#include "model/dice.h"' '#include <string_view>' &&
        plant opponent/engine/engine.cpp '#include "engine.h"' &&
        plant match/match.h '#include "model/dice.h"' '#include <vector>' &&
        plant opponent/computer_player.h '#include "opponent/engine/engine.h"' \
            '#include "match/match.h"' &&
        plant records/history_file.h '#include "match/match.h"' '#include <unistd.h>' &&
        plant records/form_welcome.h '#include "forms/screen.h"' '#include "records/history_file.h"' &&
        plant table/form_start.h '#include "forms/screen.h"' '#include "match/match.h"' &&
        plant app/game.h '#include "table/form_start.h"' '#include "opponent/computer_player.h"' \
            '#include "records/form_welcome.h"' '#include <unistd.h>' &&
        plant desktop/view.h '#include "app/game.h"' '#  include <QWidget>' &&
        plant app/main.cpp '#include "desktop/view.h"' '#include <QApplication>' &&
        plant testing/fixture.h '#include "app/game.h"' '#include <gtest/gtest.h>' &&
        plant tools/console/console.h '#include "opponent/engine/engine.h"' &&
        plant tools/console/main.cpp '#include "console.h"' &&
        plant bench/engine_bench.cpp '#include "testing/fixture.h"' '#include "console.h"' &&
        plant tests/model/dice_test.cpp '#include "testing/fixture.h"' '#include "model/dice.h"' &&
        plant tests/desktop/view_test.cpp '#include "desktop/view.h"' '#include <QTest>'
)

if ! output=$("$check" "$clean" 2>&1); then
    echo "FAIL: the clean tree is refused:"
    echo "$output"
    failures=$((failures + 1))
fi

# One planted fault: a file, the include added at its end, what the fault is, and where the refusal
# points (the added line unless given).
expect_refusal() {
    local file=$1 include=$2 why=$3 where=${4:-} tree="$work/case"
    rm -rf "$tree"
    cp -r "$clean" "$tree"
    mkdir -p "$(dirname "$tree/$file")"
    echo "$include" >>"$tree/$file"
    [ -n "$where" ] || where="$file:$(wc -l <"$tree/$file")"
    if output=$("$check" "$tree" 2>&1); then
        echo "FAIL: not refused: $why ($file: $include)"
        failures=$((failures + 1))
    elif ! grep -q "^$where: " <<<"$output"; then
        echo "FAIL: $why: the refusal does not name $where:"
        echo "$output"
        failures=$((failures + 1))
    fi
}

expect_refusal table/form_start.h '#include <QObject>' "Qt outside the desktop layer"
expect_refusal testing/fixture.h '#include <QString>' "Qt in the test support"
expect_refusal model/dice.h '#include "forms/control.h"' "the model using the forms"
expect_refusal model/dice.h '#include <unistd.h>' "the model using more than the standard library"
expect_refusal forms/screen.h '#include "app/game.h"' "the forms using the game"
expect_refusal opponent/engine/engine.h '#include "opponent/computer_player.h"' \
    "the engine using the computer's seat"
expect_refusal opponent/engine/engine.cpp '#include "table/form_start.h"' "the engine using a screen"
expect_refusal match/match.h '#include "table/form_start.h"' "the rules of play using a screen"
expect_refusal match/match.h '#include "opponent/computer_player.h"' "the rules of play using a seat"
expect_refusal match/match.h '#include <unistd.h>' "the rules of play using more than the library"
expect_refusal opponent/computer_player.h '#include "table/form_start.h"' "a seat using a screen"
expect_refusal opponent/computer_player.h '#include "forms/screen.h"' "a seat using the forms"
expect_refusal records/history_file.h '#include "records/form_welcome.h"' \
    "a listener using the welcome screen"
expect_refusal records/history_file.h '#include "app/game.h"' "a listener using the game's screens"
expect_refusal app/game.h '#include "desktop/view.h"' "the game using the desktop layer"
expect_refusal app/game.h '#include "testing/fixture.h"' "production code using the test support"
expect_refusal tools/console/main.cpp '#include "testing/fixture.h"' "a tool using the test support"
expect_refusal bench/engine_bench.cpp '#include "tests/model/dice_test.cpp"' "a benchmark using a test"
expect_refusal desktop/view.h '#include "model/missing.h"' "an include of no file"
expect_refusal extra/loose.cpp '#include <string>' "a file outside every layer" extra/loose.cpp

if [ "$failures" -gt 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "the layer check passes the clean tree and refuses each planted include"
