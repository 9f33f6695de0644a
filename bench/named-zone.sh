#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times an almanac of 1901-2050 (long enough for the timer's hundredths) and a batch of 2,000
# moments with a named zone (--tz Etc/GMT+5) against the same with the typed zone (--zone 5), the
# best of five runs each, in CPU seconds, and fails where the named zone takes more than 1.2
# times as long. A named zone is read once; the astronomy after it must run as fast as with a
# typed offset.
# Usage: bench/named-zone.sh [path/to/kestrava-tithi]
set -euo pipefail
tool=${1:-build/bin/kestrava-tithi}
moments=$(mktemp)
trap 'rm -f "$moments"' EXIT
awk 'BEGIN {
    srand(2451545)
    for (i = 0; i < 2000; i++) {
        printf "%04d-%02d-%02d %02d:%02d --lon 75W --lat 40N\n", 2000 + int(rand() * 21),
            1 + int(rand() * 12), 1 + int(rand() * 28), int(rand() * 24), int(rand() * 60)
    }
}' > "$moments"

# The best of five runs: CPU seconds (user and system) of the command.
timing=$(mktemp)
trap 'rm -f "$moments" "$timing"' EXIT
best() {
    local least=
    for _ in 1 2 3 4 5; do
        /usr/bin/time -o "$timing" -f '%U %S' "$@" > /dev/null 2> /dev/null
        local took
        took=$(awk '{ print $1 + $2 }' "$timing")
        if [ -z "$least" ] || awk -v a="$took" -v b="$least" 'BEGIN { exit !(a < b) }'; then
            least=$took
        fi
    done
    echo "$least"
}

status=0
compare() {
    local what=$1 named=$2 typed=$3
    local ratio
    ratio=$(awk -v n="$named" -v t="$typed" 'BEGIN { printf "%.2f", (t > 0 ? n / t : 1) }')
    echo "$what: named zone $named s, typed zone $typed s, ratio $ratio"
    if awk -v r="$ratio" 'BEGIN { exit !(r > 1.2) }'; then
        status=1
    fi
}

almanac=(--from 1901-01-01 --to 2050-12-31 --lon 75W --lat 40N)
compare "almanac 1901-2050" "$(best "$tool" "${almanac[@]}" --tz Etc/GMT+5)" \
    "$(best "$tool" "${almanac[@]}" --zone 5)"
compare "batch of 2,000 moments" \
    "$(best sh -c "sed 's/\$/ --tz Etc\/GMT+5/' '$moments' | '$tool' --batch")" \
    "$(best sh -c "sed 's/\$/ --zone 5/' '$moments' | '$tool' --batch")"
exit $status
