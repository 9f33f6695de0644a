#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs the whole test
# suite in that build.
#   scripts/test-sanitizers.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build_dir=${1:-build-asan}

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTRAVA_SANITIZE=ON \
    -DKESTRAVA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
cd "$build_dir"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/../scripts/lsan-suppressions.txt}
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
