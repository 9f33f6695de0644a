#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang and runs each for a bounded time (seconds, default 60)
# from its seeds. A crash, an undefined behaviour, a leak or an input slower than 10 seconds
# fails the run; the input that caused it is left in fuzz/findings/ so that it can become a
# regression input under fuzz/regressions/<target>/.
#   scripts/test-fuzz.sh [SECONDS_PER_TARGET]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds=${1:-60}
build_dir=${KESTRAVA_FUZZ_BUILD_DIR:-build-fuzz}

probe='extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }'
if ! clang++ -x c++ -fsanitize=fuzzer - -o /dev/null <<<"$probe" 2>/dev/null; then
    echo "fuzz: clang with libFuzzer is not installed here; the fuzzers are skipped" >&2
    exit 0
fi

CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKESTRAVA_BUILD_FUZZERS=ON -DKESTRAVA_BUILD_GUI=OFF -DKESTRAVA_BUILD_TESTS=OFF \
    -DKESTRAVA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j "$(nproc)"

mkdir -p fuzz/findings
for target in numeric_text cli engine place_reading festival_table; do
    corpus=$(mktemp -d)
    cp fuzz/corpus/$target/* "$corpus"/
    echo "fuzz: $target for ${seconds}s"
    log="$corpus.log"
    status=0
    "$build_dir/bin/fuzz_$target" "$corpus" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="fuzz/findings/$target-" -print_final_stats=1 \
        >"$log" 2>&1 || status=$?
    grep -E "^(Done|==[0-9]+==ERROR|SUMMARY)|runtime error" "$log" || true
    [ "$status" -eq 0 ] || tail -n 40 "$log" >&2
    rm -f "$log"
    rm -rf "$corpus"
    if [ "$status" -ne 0 ]; then
        echo "fuzz: $target failed (status $status); see fuzz/findings/" >&2
        exit 1
    fi
done
rmdir fuzz/findings 2>/dev/null || true
echo "fuzz: no crash, no undefined behaviour, no input slower than 10 s"
