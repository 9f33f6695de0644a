#!/usr/bin/env bash
# Sets up a Debian or Ubuntu machine for Kestrava, builds it, and then starts it or tests it.
#
#   ./setup.sh run    install what is missing, build, and start the application
#   ./setup.sh test   install what is missing, build, and run every test
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

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
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
    cd "$build_dir"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
    ;;
esac
