#!/usr/bin/env bash
# Checks every #include of the sources against the layers of the program and names each file and
# line that includes across them. Usage: check-layers.sh [SOURCE_FOLDER]
#
#   model/            the standard library only
#   match/            model/: the rules of play, which know no screen
#   forms/            model/
#   opponent/engine/  model/
#   solver/           model/ and opponent/engine/ (and zlib, GLPK)
#   the game: opponent/ records/ app/ but for the screens   model/, match/, the engine, the solver
#   the screens: table/ call/ the welcome screen, app/game.*   the game and forms/ as well
#   desktop/          the screens and Qt;   app/main.cpp: desktop/ as well
#   testing/          the screens;   tools/*/: the screens;   bench/: testing/ and tools/ as well
#   tests/ fuzz/      anything
#
# Only desktop/, app/main.cpp and tests/ may include Qt; model/, match/, forms/, opponent/engine/
# and solver/ may include nothing from outside the project but the C++ standard library (the
# solver zlib's <zlib.h> and GLPK's <glpk.h> as well).
set -euo pipefail

root=$(cd "${1:-$(dirname "$0")/..}" && pwd)
cd "$root"

layer_of() {
    case $1 in
    app/main.cpp) echo main ;;
    model/*) echo model ;;
    match/*) echo match ;;
    forms/*) echo forms ;;
    opponent/engine/*) echo engine ;;
    solver/*) echo solver ;;
    table/* | call/* | records/form_welcome.* | records/welcome_accessible.cpp | app/game.* | \
        app/game_screen.h) echo screens ;;
    records/* | opponent/* | app/*) echo game ;;
    desktop/*) echo desktop ;;
    testing/*) echo testing ;;
    tools/*) echo tools ;;
    bench/*) echo bench ;;
    tests/* | fuzz/*) echo tests ;;
    *) echo none ;;
    esac
}

# The layers a layer's files may include, itself first.
usable_layers() {
    local game="game match model engine solver"
    local screens="screens forms $game"
    case $1 in
    model) echo "model" ;;
    match) echo "match model" ;;
    forms) echo "forms model" ;;
    engine) echo "engine model" ;;
    solver) echo "solver model engine" ;;
    game) echo "$game" ;;
    screens) echo "$screens" ;;
    desktop) echo "desktop $screens" ;;
    main) echo "main desktop $screens" ;;
    testing) echo "testing $screens" ;;
    tools) echo "tools $screens" ;;
    bench) echo "bench testing tools $screens" ;;
    tests) echo "tests testing tools bench main desktop $screens" ;;
    esac
}

source_files() {
    if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$root" ]; then
        git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' | sort -u
    else
        find . \( -name '.git' -o -name 'build*' \) -prune -o -type f \
            \( -name '*.cpp' -o -name '*.h' \) -print | sed 's#^\./##' | sort
    fi
}

# The project file a quoted include names: next to the including file, from the top folder, or
# from a tool's folder (the tools' libraries export their folders); empty when there is none.
resolve() {
    local file=$1 name=$2 candidate
    for candidate in "$(dirname "$file")/$name" "$name" tools/*/"$name"; do
        if [ -f "$candidate" ]; then
            realpath --relative-to=. "$candidate"
            return
        fi
    done
}

faults=0
fault() {
    echo "$1: $2" >&2
    faults=$((faults + 1))
}

include_pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*([<"])([^>"]*)[>"]'
while IFS= read -r file; do
    [ -f "$file" ] || continue
    layer=$(layer_of "$file")
    if [ "$layer" = none ]; then
        fault "$file" "lies in no layer's folder"
        continue
    fi
    usable=" $(usable_layers "$layer") "
    number=0
    while IFS= read -r line || [ -n "$line" ]; do
        number=$((number + 1))
        [[ $line =~ $include_pattern ]] || continue
        quote=${BASH_REMATCH[1]} name=${BASH_REMATCH[2]}
        where="$file:$number"
        if [ "$quote" = '<' ]; then
            if [[ $name == Q* ]] && [[ " main desktop tests " != *" $layer "* ]]; then
                fault "$where" "includes the Qt header <$name>; only desktop/ and app/main.cpp use Qt"
            elif [ "$layer" = solver ] && [[ " zlib.h glpk.h " == *" $name "* ]]; then
                continue # the solver's data files are compressed with zlib, its stages solved by GLPK
            elif [[ ! $name =~ ^[a-z_]+$ ]] && [[ " model match forms engine solver " == *" $layer "* ]]; then
                fault "$where" "includes <$name>; $layer may use only the C++ standard library"
            fi
            continue
        fi
        target=$(resolve "$file" "$name")
        if [ -z "$target" ]; then
            fault "$where" "includes \"$name\", which is no file of the project"
            continue
        fi
        target_layer=$(layer_of "$target")
        if [[ $usable != *" $target_layer "* ]]; then
            fault "$where" "includes \"$name\" ($target_layer); $layer may use only $(usable_layers "$layer")"
        fi
    done <"$file"
done < <(source_files)

if [ "$faults" -gt 0 ]; then
    echo "$faults include(s) across the layers" >&2
    exit 1
fi
