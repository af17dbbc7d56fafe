#!/usr/bin/env bash
# Fails when a C++ source of the project is not formatted as .clang-format says. The formatter is
# pinned to Debian's clang-format 14: another version may lay out the same code differently.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
formatter=${CLANG_FORMAT:-clang-format-14}
mapfile -t sources < <(find . \( -name build -o -name 'build-*' -o -name .git \) -prune -o \
    \( -name '*.cpp' -o -name '*.h' \) -type f -print | sort)
if "$formatter" --dry-run -Werror "${sources[@]}"; then
    echo "${#sources[@]} sources formatted as .clang-format says"
else
    echo "Run: $formatter -i on the files above" >&2
    exit 1
fi
