#!/usr/bin/env bash
# Builds the program (build/) or, with --sanitize, the test build under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/). Quick when nothing changed.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVELA_TESTS=OFF)
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-asan
    flags=(-DCMAKE_BUILD_TYPE=Debug -DORVELA_SANITIZE=ON -DORVELA_TESTS=ON)
fi
if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" "${flags[@]}" > /dev/null
fi
cmake --build "$dir" -j "$(nproc)"
