#!/usr/bin/env bash
# Checks that the signature comparison fails when play changes: an arena that wins one game more
# than the kept summaries must be caught.
set -euo pipefail
arena=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cat >"$folder/changed-arena" <<SCRIPT
#!/usr/bin/env bash
"$arena" "\$@" | sed 's/human wins \([0-9]*\)/human wins \1 and one more/'
SCRIPT
chmod +x "$folder/changed-arena"
if "$(dirname "$0")/signature.sh" "$folder/changed-arena" >/dev/null 2>&1; then
    echo "a changed arena passed the signature" >&2
    exit 1
fi
echo "a changed arena is caught"
