#!/usr/bin/env bash
# Installs what is missing, builds, and either starts the game (play), runs every test (test) or
# packs a Debian package (package).
set -euo pipefail
cd "$(dirname "$0")"

# What the game needs to build, and what its tests need besides.
play_packages=(g++ cmake ninja-build qt6-base-dev libgl-dev zlib1g-dev libglpk-dev libsqlite3-dev
               qt6-charts-dev libqt6opengl6-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools
               qt6-translations-l10n)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xdotool x11-utils imagemagick
               clang-16 libclang-rt-16-dev clang-format-14 openbox python3 appstream
               desktop-file-utils dpkg-dev fakeroot qt6-wayland weston dbus at-spi2-core
               python3-pyatspi)

install_missing() { # packages...
    local missing=()
    for package in "$@"; do
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
    # Unity builds: a compiler run takes several sources, which share the parsing of their
    # headers; a clean build takes about a quarter less.
    cmake -S . -B "$dir" -G Ninja -DCMAKE_UNITY_BUILD=ON "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}

# Each libFuzzer target of the clang build for a bounded time, starting from its seeds in
# fuzz/corpus/ (left unchanged: what the fuzzer finds goes to build-clang/corpus/), two at a time
# as the machine has cores. A failure stops the test command.
fuzz_one() { # target
    local target=$1
    mkdir -p "build-clang/corpus/$target"
    "build-clang/fuzz/fuzz_$target" -max_total_time=10 -print_final_stats=1 \
        "build-clang/corpus/$target" "fuzz/corpus/$target" 2>"build-clang/fuzz_$target.log" ||
        { tail -n 60 "build-clang/fuzz_$target.log"; return 1; }
}
fuzz() {
    local targets=(player_name console_line profile_load data_file) pids=() failed=0 i
    for ((i = 0; i < ${#targets[@]}; i += 2)); do
        echo "Fuzzing ${targets[*]:i:2} for 10 s"
        pids=()
        for target in "${targets[@]:i:2}"; do
            fuzz_one "$target" &
            pids+=($!)
        done
        for pid in "${pids[@]}"; do
            wait "$pid" || failed=1
        done
    done
    for target in "${targets[@]}"; do
        echo "$target: $(grep -E '^stat::number_of_executed_units' "build-clang/fuzz_$target.log")"
    done
    return "$failed"
}

case "${1:-}" in
package)
    # A Debian package of the program, in build/package: packing takes what the build installs.
    install_missing "${play_packages[@]}" dpkg-dev fakeroot
    cmake -S . -B build -G Ninja >/dev/null
    cmake --build build --parallel "$(nproc)" --target quintel
    (cd build && cpack -G DEB -B package)
    ls build/package/*.deb
    ;;
play)
    install_missing "${play_packages[@]}"
    build build -DQUINTEL_WITH_TESTS=OFF
    exec ./build/quintel
    ;;
test)
    install_missing "${play_packages[@]}" "${test_packages[@]}"
    tools/check-format.sh
    # Line tables only (-g1): a failing test still shows where, and the build takes a third less.
    build build -DQUINTEL_WITH_TESTS=ON -DQUINTEL_WERROR=ON \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
    # The core once more with the second compiler, Debian's clang 16, under AddressSanitizer,
    # UndefinedBehaviorSanitizer and the standard library's assertions, with the tests of what
    # reads outside input (texts, files, stored solves, engines' lines) and the engine protocol's;
    # the fuzzers come from the same build. It is optimised a little (-O1, assertions kept, line
    # tables for the sanitizers' reports); the checks that repeat one computation thousands of
    # times (label long) and the tests of the game's own computations run in the first build only.
    # It builds at the lowest priority while the first build's tests run, in the time their
    # waits for windows and files leave the cores idle; its output follows theirs.
    mkdir -p build-clang
    (
        renice -n 19 "$BASHPID" >/dev/null
        build build-clang -DCMAKE_CXX_COMPILER=clang++-16 -DCMAKE_BUILD_TYPE=Debug \
            -DCMAKE_CXX_FLAGS_DEBUG="-gline-tables-only -O1" -DQUINTEL_FUZZ=ON \
            -DQUINTEL_WITH_TESTS=ON -DQUINTEL_HOSTILE_INPUT_TESTS=ON -DQUINTEL_WERROR=ON \
            -DQUINTEL_WITH_UI=OFF -DQUINTEL_WITH_BENCH=OFF
    ) >build-clang/build.log 2>&1 &
    second_build=$!
    mkdir -p test-results
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" \
        --output-junit ../test-results/tests.xml) || { wait "$second_build" || true; exit 1; }
    wait "$second_build" || { tail -n 80 build-clang/build.log; exit 1; }
    tail -n 3 build-clang/build.log
    (cd build-clang && ctest --output-on-failure --parallel "$(nproc)" -L core -LE long)
    fuzz
    ;;
*)
    echo "usage: $0 play|test|package" >&2
    exit 2
    ;;
esac
