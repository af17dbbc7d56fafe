#!/usr/bin/env bash
# Every text of the catalogues' sources has a finished translation in every catalogue: lupdate
# gathers the texts of the sources again into copies of the catalogues, and any text it marks
# unfinished (new in the sources, or never translated) or vanished (no longer in the sources) is
# named, with its catalogue.
#
# usage: translations_complete.sh LUPDATE SOURCE_LIST CATALOGUE... -- LUPDATE_OPTION...
set -euo pipefail

lupdate=${1:?usage: translations_complete.sh LUPDATE SOURCE_LIST CATALOGUE... -- OPTION...}
sources=${2:?usage: translations_complete.sh LUPDATE SOURCE_LIST CATALOGUE... -- OPTION...}
shift 2
catalogues=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    catalogues+=("$1")
    shift
done
shift # --
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

copies=()
for catalogue in "${catalogues[@]}"; do
    cp "$catalogue" "$work/"
    copies+=("$work/$(basename "$catalogue")")
done
"$lupdate" -silent "$@" "@$sources" -ts "${copies[@]}" >"$work/lupdate.log" 2>&1 ||
    { cat "$work/lupdate.log"; exit 1; }

faults=0
for copy in "${copies[@]}"; do
    # Each message on one line: its source text, then the type of its translation, if any.
    while IFS= read -r fault; do
        echo "$(basename "$copy"): $fault"
        faults=$((faults + 1))
    done < <(python3 - "$copy" <<'PY'
import sys, xml.etree.ElementTree as ET
for context in ET.parse(sys.argv[1]).getroot().iter('context'):
    name = context.findtext('name')
    for message in context.iter('message'):
        translation = message.find('translation')
        kind = translation.get('type') if translation is not None else 'unfinished'
        if kind in ('unfinished', 'vanished', 'obsolete') or not (translation.text or '').strip():
            print(f'{kind or "empty"} in {name}: "{message.findtext("source")}"')
PY
)
done
if [ "$faults" -gt 0 ]; then
    echo "FAIL: $faults text(s) without a finished translation; gather them with the target" \
        "update_translations and translate them" >&2
    exit 1
fi
echo "PASS: every text of ${#catalogues[@]} catalogue(s) is translated"
