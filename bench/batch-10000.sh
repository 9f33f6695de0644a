#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times kestrava-tithi --batch over 10,000 random moments of 1901 ... 2050 (the same ones on
# every run). Usage: bench/batch-10000.sh [path/to/kestrava-tithi]
set -euo pipefail
tool=${1:-build/bin/kestrava-tithi}
input=$(mktemp)
trap 'rm -f "$input"' EXIT
awk 'BEGIN {
    srand(2451545)
    for (i = 0; i < 10000; i++) {
        printf "%04d-%02d-%02d %02d:%02d --zone %d:%02d --lon %d:%02d%s%s\n",
            1901 + int(rand() * 150), 1 + int(rand() * 12), 1 + int(rand() * 28),
            int(rand() * 24), int(rand() * 60), int(rand() * 14), int(rand() * 60),
            int(rand() * 180), int(rand() * 60), (rand() < 0.5 ? "E" : "W"),
            (rand() < 0.25 ? " --dst" : "")
    }
}' > "$input"
TIMEFORMAT='10000 moments in %R s'
time "$tool" --batch < "$input" > /dev/null
