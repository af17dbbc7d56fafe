#!/usr/bin/env bash
# Installs what is missing, builds, and either starts the game (play) or runs every test (test).
set -euo pipefail
cd "$(dirname "$0")"

packages=(g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev libgl-dev
          xvfb xdotool x11-utils imagemagick)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

build() { # folder, cmake options...
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}

case "${1:-}" in
play)
    install_missing
    build build
    exec ./build/quintel
    ;;
test)
    install_missing
    build build
    mkdir -p test-results
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" \
        --output-junit ../test-results/tests.xml)
    # The core once more under AddressSanitizer and UndefinedBehaviorSanitizer.
    build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUINTEL_SANITIZE=ON -DQUINTEL_WITH_UI=OFF \
        -DQUINTEL_WITH_BENCH=OFF
    (cd build-sanitize && ctest --output-on-failure --parallel "$(nproc)" -L core)
    ;;
*)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
