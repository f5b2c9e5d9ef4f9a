#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts one of the games, or runs the whole test suite.
#   ./run.sh karvelo | zarn      build and play (files live in ./play, seeded from data/)
#   ./run.sh test [--sanitize]   build and run every test headless (--sanitize: with clang,
#                                AddressSanitizer and UndefinedBehaviorSanitizer)
#   ./run.sh setup               only install the missing packages (as root)
#   ./run.sh format-check        fail on any C++ file that differs from .clang-format
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD

packages=(cmake g++ make qt6-base-dev qt6-translations-l10n fonts-wine libgl-dev
          libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
          desktop-file-utils appstream dpkg-dev file clang-format
          xvfb openbox at-spi2-core dbus-x11 xdotool python3-pyatspi orca speech-dispatcher
          speech-dispatcher-espeak-ng espeak-ng)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    if [[ $(id -u) -eq 0 ]]; then
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
    else
        echo "Missing packages. Run as root:"
        echo "  apt-get update && apt-get install -y ${missing[*]}"
        exit 1
    fi
fi

what=${1:-}
case $what in
    setup) exit 0 ;;
    format-check)
        git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
        exit ;;
esac

build=build
cmake_args=()
if [[ ${2:-} == --sanitize ]]; then
    # The second build is clang's, so every change is compiled by both compilers; the fuzz
    # targets need clang anyway.
    build=build-sanitize
    cmake_args+=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
                 -DSANITIZE=ON -DBUILD_BENCHMARKS=OFF -DBUILD_FUZZERS=ON)
fi

cmake -S . -B "$build" "${cmake_args[@]}" >/dev/null
# Playing needs only the game; the tests need everything.
targets=()
[[ $what == karvelo || $what == zarn ]] && targets=(--target "$what")
cmake --build "$build" -j"$(nproc)" "${targets[@]}"

# The installed launchers seed the player's folder with the same code.
source packaging/seed_folder.sh
seed_play_folder() {
    seed_folder data play
}

case $what in
    karvelo|zarn)
        seed_play_folder
        cd play && exec "$root/$build/$what/$what"
        ;;
    test)
        export QT_QPA_PLATFORM=offscreen
        ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
        ;;
    *)
        echo "usage: $0 karvelo | zarn | test [--sanitize] | setup | format-check" >&2
        exit 2
        ;;
esac
