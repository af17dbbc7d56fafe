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

# Sets `layer` to the layer of a file (a variable, not a subshell: the check runs it for every
# include of every file).
layer_of() {
    case $1 in
    app/main.cpp) layer=main ;;
    model/*) layer=model ;;
    match/*) layer=match ;;
    forms/*) layer=forms ;;
    opponent/engine/*) layer=engine ;;
    solver/*) layer=solver ;;
    table/* | call/* | records/form_welcome.* | records/welcome_accessible.cpp | app/game.* | \
        app/game_screen.h) layer=screens ;;
    records/* | opponent/* | app/*) layer=game ;;
    desktop/*) layer=desktop ;;
    testing/*) layer=testing ;;
    tools/*) layer=tools ;;
    bench/*) layer=bench ;;
    tests/* | fuzz/*) layer=tests ;;
    *) layer=none ;;
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

# Sets `target` to the project file a quoted include names: next to the including file, from the
# top folder, or from a tool's folder (the tools' libraries export their folders); empty when there
# is none.
resolve() {
    local file=$1 name=$2 candidate folder=.
    [[ $file == */* ]] && folder=${file%/*}
    target=
    for candidate in "$folder/$name" "$name" tools/*/"$name"; do
        if [ -f "$candidate" ]; then
            if [[ $candidate == *..* ]]; then
                target=$(realpath --relative-to=. "$candidate")
            else
                target=${candidate#./}
            fi
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
declare -A usable_of
check_include() { # file, line number, line
    local file=$1 where="$1:$2" line=$3 quote name usable target_layer
    [[ $line =~ $include_pattern ]] || return 0
    quote=${BASH_REMATCH[1]} name=${BASH_REMATCH[2]}
    layer_of "$file"
    usable=${usable_of[$layer]}
    if [ "$quote" = '<' ]; then
        if [[ $name == Q* ]] && [[ " main desktop tests " != *" $layer "* ]]; then
            fault "$where" "includes the Qt header <$name>; only desktop/ and app/main.cpp use Qt"
        elif [ "$layer" = solver ] && [[ " zlib.h glpk.h " == *" $name "* ]]; then
            return 0 # the solver's data files are compressed with zlib, its stages solved by GLPK
        elif [[ ! $name =~ ^[a-z_]+$ ]] && [[ " model match forms engine solver " == *" $layer "* ]]; then
            fault "$where" "includes <$name>; $layer may use only the C++ standard library"
        fi
        return 0
    fi
    resolve "$file" "$name"
    if [ -z "$target" ]; then
        fault "$where" "includes \"$name\", which is no file of the project"
        return 0
    fi
    local own=$layer
    layer_of "$target"
    target_layer=$layer
    if [[ $usable != *" $target_layer "* ]]; then
        fault "$where" "includes \"$name\" ($target_layer); $own may use only ${usable:1:-1}"
    fi
}

for known in model match forms engine solver game screens desktop main testing tools bench tests; do
    usable_of[$known]=" $(usable_layers "$known") "
done
files=()
while IFS= read -r file; do
    [ -f "$file" ] || continue
    layer_of "$file"
    if [ "$layer" = none ]; then
        fault "$file" "lies in no layer's folder"
        continue
    fi
    files+=("$file")
done < <(source_files)
# One grep finds every include line of every file, with its file and line number.
if [ ${#files[@]} -gt 0 ]; then
    while IFS= read -r found; do
        file=${found%%:*}
        rest=${found#*:}
        check_include "$file" "${rest%%:*}" "${rest#*:}"
    done < <(grep -nH -E '^[[:space:]]*#[[:space:]]*include' -- "${files[@]}" || true)
fi

if [ "$faults" -gt 0 ]; then
    echo "$faults include(s) across the layers" >&2
    exit 1
fi
