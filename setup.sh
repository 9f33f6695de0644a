#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up a Debian or Ubuntu machine for Kestrava, builds it, and then starts it or tests it.
#
#   ./setup.sh run    install what is missing, build, and start the application
#   ./setup.sh test   install what is missing, build, and run every test: the suite, the suite
#                     again under the sanitizers, the fuzzers, and the Debian package
#   ./setup.sh        install what is missing and build
#
# Installing needs root: the script uses sudo when it is not run as root. It is safe to run
# again; it installs only what is missing. The build goes to ./build (or $KESTRAVA_BUILD_DIR).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

action=${1:-build}
case "$action" in
run | test | build) ;;
*)
    echo "usage: $0 [run|test|build]" >&2
    exit 2
    ;;
esac

# What building and running needs (GeoNames' tables of places, which the build puts into the
# program, come in libtimezonemap-data; named zones read tzdata; Qt's Linguist tools build the
# translations, and a font for each script draws them: Devanagari for Hindi and Marathi,
# Gujarati, Bengali, Tamil, Telugu and Kannada); and what the whole test run
# needs besides: clang and its fuzzing runtime, the sanitizer runtimes, the package tools and
# validators, the reference ephemeris of the accuracy benchmark, the iCalendar parser that reads
# the exported calendar files back, and the desktop's accessibility bus with the system Python's
# bindings to it, through which a test reads the window as a screen reader does.
packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libgl-dev libtimezonemap-data tzdata
    liberfa-dev fonts-lohit-deva fonts-lohit-gujr fonts-lohit-beng-bengali fonts-lohit-taml fonts-lohit-telu
    fonts-lohit-knda
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth libxcb1-dev
)
if [ "$action" = test ]; then
    packages+=(clang dpkg-dev debootstrap desktop-file-utils appstream libswe-dev swe-basic-data
        python3 python3-icalendar at-spi2-core dbus-x11 python3-gi gir1.2-atspi-2.0)
    optional_packages=(libclang-rt-dev)
fi

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

missing=()
for package in "${packages[@]}"; do
    installed "$package" || missing+=("$package")
done
for package in "${optional_packages[@]:-}"; do
    if [ -n "$package" ] && ! installed "$package" && apt-cache show "$package" >/dev/null 2>&1; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    if ! command -v apt-get >/dev/null 2>&1; then
        echo "setup: this script installs with apt-get (Debian or Ubuntu); please install: ${missing[*]}" >&2
        exit 1
    fi
    if [ "$(id -u)" -eq 0 ]; then
        as_root=()
    elif command -v sudo >/dev/null 2>&1; then
        as_root=(sudo)
    else
        echo "setup: these packages are missing and neither root nor sudo is available to install them:" >&2
        echo "  ${missing[*]}" >&2
        exit 1
    fi
    echo "setup: installing ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

build_dir=${KESTRAVA_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${KESTRAVA_CMAKE_ARGS:-}
cmake --build "$build_dir" -j "$(nproc)"

case "$action" in
run)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "setup: no desktop display found; starting Kestrava on a virtual display (xvfb-run)"
        exec xvfb-run -a "$build_dir/bin/kestrava"
    fi
    exec "$build_dir/bin/kestrava"
    ;;
test)
    echo "setup: the test suite"
    (cd "$build_dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
    echo "setup: the test suite again, under AddressSanitizer and UndefinedBehaviorSanitizer"
    scripts/test-sanitizers.sh
    echo "setup: the fuzzers, ${KESTRAVA_FUZZ_SECONDS:-60} seconds each"
    scripts/test-fuzz.sh "${KESTRAVA_FUZZ_SECONDS:-60}"
    echo "setup: the Debian package"
    scripts/test-package.sh
    echo "setup: every test passed"
    ;;
esac
